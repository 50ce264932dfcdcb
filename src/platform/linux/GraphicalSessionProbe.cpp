#include "platform/linux/GraphicalSessionProbe.h"

#include "platform/linux/XcbConnection.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>

#include <algorithm>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

std::optional<QList<GraphicalSessionProbe::WindowSystem>>
GraphicalSessionProbe::systemsToCheck(const QString &requestedPlatforms)
{
    QList<WindowSystem> systems;
    const QStringList requests = requestedPlatforms.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString &request : requests) {
        const QString name = request.section(QLatin1Char(':'), 0, 0).trimmed().toLower();
        if (name == QLatin1String("xcb"))
            systems.append(WindowSystem::x11);
        else if (name.startsWith(QLatin1String("wayland")))
            systems.append(WindowSystem::wayland);
        else if (!name.isEmpty())
            return std::nullopt;
    }
    if (systems.isEmpty())
        return QList<WindowSystem>{WindowSystem::x11, WindowSystem::wayland};
    return systems;
}

QString GraphicalSessionProbe::requestedPlatforms(int argc, char **argv)
{
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return QString::fromLocal8Bit(argv[i + 1]);
    }
    return qEnvironmentVariable("QT_QPA_PLATFORM");
}

bool GraphicalSessionProbe::canOpenDisplay(int argc, char **argv)
{
    return canOpenDisplay(requestedPlatforms(argc, argv), systemChecks());
}

bool GraphicalSessionProbe::canOpenDisplay(const QString &requestedPlatforms, const Checks &checks)
{
    const auto systems = systemsToCheck(requestedPlatforms);
    if (!systems)
        return true;
    return std::any_of(systems->cbegin(), systems->cend(), [&checks](WindowSystem system) {
        if (system == WindowSystem::x11)
            return checks.x11Reachable();
        return checks.waylandPluginPresent() && checks.waylandSocketReachable();
    });
}

QString GraphicalSessionProbe::missingDisplayMessage()
{
    return QStringLiteral("Lumenpause needs a graphical session: no display could be opened "
                          "(DISPLAY=%1)")
        .arg(qEnvironmentVariable("DISPLAY"));
}

GraphicalSessionProbe::Checks GraphicalSessionProbe::systemChecks()
{
    return {
        .x11Reachable = [] { return XcbConnection::open(QByteArray()) != nullptr; },
        .waylandSocketReachable = &GraphicalSessionProbe::waylandSocketReachable,
        .waylandPluginPresent = [] { return waylandPluginIn(platformPluginFolders()); },
    };
}

// Qt's own plugin folder is known without an application object; the application's folder,
// which Qt adds too, holds no plugins of ours.
QStringList GraphicalSessionProbe::platformPluginFolders()
{
    QStringList folders;
    const QString platformPath = qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH");
    if (!platformPath.isEmpty())
        folders.append(platformPath);
    const QStringList pluginPaths =
        qEnvironmentVariable("QT_PLUGIN_PATH").split(QDir::listSeparator(), Qt::SkipEmptyParts);
    for (const QString &path : pluginPaths)
        folders.append(path + QStringLiteral("/platforms"));
    folders.append(QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms"));
    return folders;
}

bool GraphicalSessionProbe::waylandPluginIn(const QStringList &folders)
{
    const QStringList pattern = {QStringLiteral("libqwayland*.so")};
    return std::any_of(folders.cbegin(), folders.cend(), [&pattern](const QString &folder) {
        return !QDir(folder).entryList(pattern, QDir::Files | QDir::Readable).isEmpty();
    });
}

// The compositor's socket: $WAYLAND_DISPLAY (default "wayland-0"), relative to the runtime
// folder unless it is a path of its own. Connecting and closing again is all a check costs.
bool GraphicalSessionProbe::waylandSocketReachable()
{
    QString socketPath = qEnvironmentVariable("WAYLAND_DISPLAY", QStringLiteral("wayland-0"));
    if (!socketPath.startsWith(QLatin1Char('/'))) {
        const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
        if (runtime.isEmpty())
            return false;
        socketPath = runtime + QLatin1Char('/') + socketPath;
    }
    const QByteArray encoded = QFile::encodeName(socketPath);
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    if (size_t(encoded.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, encoded.constData(), size_t(encoded.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool connected =
        ::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    ::close(fd);
    return connected;
}
