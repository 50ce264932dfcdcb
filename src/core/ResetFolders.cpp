#include "core/ResetFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

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

// The toolkit of this platform has no name for the state folder; the desktop's rule is
// that of the other folders.
QString stateHome()
{
    const QString variable = qEnvironmentVariable("XDG_STATE_HOME");
    if (!variable.isEmpty())
        return variable;
    return QDir::homePath() + QStringLiteral("/.local/state");
}

} // namespace

ResetFolders ResetFolders::standard()
{
    // The same sources as the settings store and the statistics file use, so the reset
    // looks exactly where they write.
    return {
        .home = resolved(QDir::homePath()),
        .config = resolved(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)),
        .cache = resolved(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)),
        .state = resolved(stateHome()),
        .data = resolved(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)),
    };
}
