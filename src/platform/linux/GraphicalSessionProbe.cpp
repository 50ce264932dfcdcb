#include "platform/linux/GraphicalSessionProbe.h"

#include "platform/linux/XcbConnection.h"

#include <QByteArray>
#include <QFile>

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
    const auto systems = systemsToCheck(requestedPlatforms(argc, argv));
    if (!systems)
        return true;
    return std::any_of(systems->cbegin(), systems->cend(),
                       [](WindowSystem system) { return reachable(system); });
}

QString GraphicalSessionProbe::missingDisplayMessage()
{
    return QStringLiteral("Lumenpause needs a graphical session: no display could be opened "
                          "(DISPLAY=%1)")
        .arg(qEnvironmentVariable("DISPLAY"));
}

bool GraphicalSessionProbe::reachable(WindowSystem system)
{
    if (system == WindowSystem::x11)
        return XcbConnection::open(QByteArray()) != nullptr;
    return waylandReachable();
}

// The compositor's socket: $WAYLAND_DISPLAY (default "wayland-0"), relative to the runtime
// folder unless it is a path of its own. Connecting and closing again is all a check costs.
bool GraphicalSessionProbe::waylandReachable()
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
