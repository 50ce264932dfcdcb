#include "core/LoginItem.h"

#include "core/AtomicFile.h"
#include "core/DesktopEntryText.h"
#include "core/InfoDictionary.h"
#include "core/PathRemoval.h"
#include "core/UserFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>

#include <sys/stat.h>

namespace {

// Far beyond any desktop entry; a larger file is not ours to read.
constexpr qint64 maxEntryBytes = 64 * 1024;
const QString autostartFolder = QStringLiteral("/autostart/");

QString entryFileName()
{
    return appBundleIdentifier() + QStringLiteral(".desktop");
}

// Desktops read Booleans as GLib does: "true" or "1".
bool isTrue(const QHash<QString, QString> &keys, const QString &key)
{
    const QString value = keys.value(key);
    return value == QStringLiteral("true") || value == QStringLiteral("1");
}

bool isFalse(const QHash<QString, QString> &keys, const QString &key)
{
    const QString value = keys.value(key);
    return value == QStringLiteral("false") || value == QStringLiteral("0");
}

bool isExecutableProgram(const QString &program)
{
    if (program.isEmpty())
        return false;
    if (!program.contains(u'/'))
        return !QStandardPaths::findExecutable(program).isEmpty();
    const QFileInfo info(program);
    return info.isAbsolute() && info.isFile() && info.isExecutable();
}

// Missing folders are made private; one that exists keeps its mode, whatever it is.
bool makeFolderIfMissing(const QString &path, QString *error)
{
    const QFileInfo info(path);
    if (info.isDir())
        return true;
    if (info.exists() || info.isSymLink()) {
        if (error)
            *error = QStringLiteral("%1 is not a folder").arg(QDir::toNativeSeparators(path));
        return false;
    }
    const QString parent = info.absolutePath();
    if (parent != info.absoluteFilePath() && !makeFolderIfMissing(parent, error))
        return false;
    if (::mkdir(QFile::encodeName(path).constData(), 0700) == 0 || errno == EEXIST)
        return true;
    if (error)
        *error = QStringLiteral("cannot make the folder %1: %2")
                     .arg(QDir::toNativeSeparators(path), QString::fromLocal8Bit(std::strerror(errno)));
    return false;
}

} // namespace

LoginItem::LoginItem(QString entryPath, QStringList systemEntryPaths, QString programPath)
    : m_entryPath(std::move(entryPath))
    , m_systemEntryPaths(std::move(systemEntryPaths))
    , m_programPath(std::move(programPath))
{
}

LoginItem LoginItem::standard()
{
    return LoginItem(standardEntryPath(), standardSystemEntryPaths(),
                     QCoreApplication::applicationFilePath());
}

QString LoginItem::standardEntryPath()
{
    const QString config = UserFolders::standard().config;
    // No entry rather than one at the root of the file system.
    if (config.isEmpty())
        return QString();
    return config + autostartFolder + entryFileName();
}

QStringList LoginItem::standardSystemEntryPaths()
{
    QString dirs = qEnvironmentVariable("XDG_CONFIG_DIRS");
    if (dirs.isEmpty())
        dirs = QStringLiteral("/etc/xdg");
    QStringList paths;
    for (const QString &dir : dirs.split(u':', Qt::SkipEmptyParts)) {
        // Relative entries are invalid and ignored, as the base-directory rules say.
        if (QDir::isAbsolutePath(dir))
            paths.append(QDir::cleanPath(dir) + autostartFolder + entryFileName());
    }
    return paths;
}

bool LoginItem::isRegistered() const
{
    return !m_entryPath.isEmpty() && entryExists(m_entryPath);
}

LoginItem::Status LoginItem::status() const
{
    const std::optional<QString> path = effectiveEntryPath();
    return path ? statusOf(*path) : Status::notRegistered;
}

std::optional<QString> LoginItem::effectiveEntryPath() const
{
    if (isRegistered())
        return m_entryPath;
    for (const QString &path : m_systemEntryPaths) {
        if (entryExists(path))
            return path;
    }
    return std::nullopt;
}

LoginItem::Status LoginItem::statusOf(const QString &entryPath)
{
    const AtomicFile::ReadResult read = AtomicFile::read(entryPath, maxEntryBytes);
    if (read.status != AtomicFile::ReadResult::Status::read)
        return Status::notRegistered;
    const QHash<QString, QString> keys = desktopEntryMainGroup(read.bytes);
    if (!startsAProgram(keys))
        return Status::notRegistered;
    // Desktops switch an autostart entry off with either key, in a copy of their own.
    if (isTrue(keys, QStringLiteral("Hidden"))
        || isFalse(keys, QStringLiteral("X-GNOME-Autostart-enabled")))
        return Status::requiresApproval;
    return Status::enabled;
}

bool LoginItem::startsAProgram(const QHash<QString, QString> &keys)
{
    if (keys.value(QStringLiteral("Type")) != QStringLiteral("Application"))
        return false;
    const QStringList arguments =
        desktopEntryExecArguments(unescapeDesktopEntryString(keys.value(QStringLiteral("Exec"))));
    return !arguments.isEmpty() && isExecutableProgram(arguments.first());
}

bool LoginItem::registerEntry(QString *error)
{
    if (m_entryPath.isEmpty() || m_programPath.isEmpty()) {
        if (error)
            *error = QStringLiteral("no place for the autostart entry");
        return false;
    }
    return writeEntry(entryText(), error);
}

bool LoginItem::unregister(QString *error)
{
    if (!removeFileEntry(m_entryPath, error))
        return false;
    if (!systemEntryWouldStart())
        return true;
    // Removing a system entry is not ours to do; a user entry of the same name that is
    // hidden overrides it. It names no program, so it never reads as switched off by the
    // desktop.
    const QByteArray hiding = "[Desktop Entry]\nType=Application\nName="
        + escapeDesktopEntryString(resolveAppDisplayName()).toUtf8() + "\nHidden=true\n";
    return writeEntry(hiding, error);
}

bool LoginItem::systemEntryWouldStart() const
{
    for (const QString &path : m_systemEntryPaths) {
        if (entryExists(path))
            return statusOf(path) == Status::enabled;
    }
    return false;
}

bool LoginItem::writeEntry(const QByteArray &text, QString *error) const
{
    return makeFolderIfMissing(QFileInfo(m_entryPath).absolutePath(), error)
        && AtomicFile::write(m_entryPath, text, maxEntryBytes, error);
}

QByteArray LoginItem::entryText() const
{
    const QString lines[] = {
        QStringLiteral("[Desktop Entry]"),
        QStringLiteral("Type=Application"),
        QStringLiteral("Name=") + escapeDesktopEntryString(resolveAppDisplayName()),
        QStringLiteral("Exec=") + desktopEntryExecValue(m_programPath),
        QStringLiteral("Icon=") + escapeDesktopEntryString(appBundleIdentifier()),
        QStringLiteral("Terminal=false"),
        QStringLiteral("StartupNotify=false"),
    };
    QString text;
    for (const QString &line : lines)
        text += line + u'\n';
    return text.toUtf8();
}
