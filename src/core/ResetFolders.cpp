#include "core/ResetFolders.h"

#include "core/UserFolders.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString resolved(const QString &path)
{
    // A relative path is kept as it is, to be refused: resolving it would anchor it in
    // whatever the working folder happens to be.
    if (path.isEmpty() || !QDir::isAbsolutePath(path))
        return path;
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(path) : canonical;
}

} // namespace

ResetFolders ResetFolders::standard()
{
    // The same source as the settings store and the statistics file use, so the reset looks
    // exactly where they write.
    const UserFolders folders = UserFolders::standard();
    return {
        .home = resolved(folders.home),
        .config = resolved(folders.config),
        .cache = resolved(folders.cache),
        .state = resolved(folders.state),
        .data = resolved(folders.data),
    };
}
