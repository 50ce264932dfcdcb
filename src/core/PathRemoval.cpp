#include "core/PathRemoval.h"

#include <QFile>

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

fs::path nativePath(const QString &path)
{
    return fs::path(QFile::encodeName(path).toStdString());
}

bool fail(QString *error, const QString &path, const QString &reason)
{
    if (error)
        *error = QStringLiteral("Could not remove %1: %2").arg(path, reason);
    return false;
}

bool fail(QString *error, const QString &path, const std::error_code &code)
{
    return fail(error, path, QString::fromStdString(code.message()));
}

} // namespace

bool entryExists(const QString &path)
{
    std::error_code code;
    // Something that cannot even be looked at counts as there: its removal then says why.
    return fs::symlink_status(nativePath(path), code).type() != fs::file_type::not_found;
}

bool removeFileEntry(const QString &path, QString *error)
{
    const fs::path native = nativePath(path);
    std::error_code code;
    const fs::file_status status = fs::symlink_status(native, code);
    if (status.type() == fs::file_type::not_found)
        return true;
    if (code)
        return fail(error, path, code);
    if (fs::is_directory(status))
        return fail(error, path, QStringLiteral("it is a folder, not a file"));
    if (!fs::remove(native, code) && code)
        return fail(error, path, code);
    return true;
}

bool removeFolderEntry(const QString &path, QString *error)
{
    const fs::path native = nativePath(path);
    std::error_code code;
    // remove_all takes a link as itself and never descends through one.
    fs::remove_all(native, code);
    if (code)
        return fail(error, path, code);
    return true;
}
