#include "platform/linux/SingleInstanceGuard.h"

#include "core/Logger.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

const QString category = QStringLiteral("Launch");
constexpr int reopenTimeoutMs = 5000;

void warnLockUnavailable(const QString &path, const QString &reason)
{
    logWarn(category, formatLogEvent(QStringLiteral("instance_lock_unavailable"),
                                     {{QStringLiteral("path"), path},
                                      {QStringLiteral("reason"), reason}}));
}

QString errnoText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

const QString SingleInstanceGuard::busName = QStringLiteral("local.lumenpause.app");
const QString SingleInstanceGuard::objectPath = QStringLiteral("/local/lumenpause/app");
const QString SingleInstanceGuard::interfaceName = QStringLiteral("local.lumenpause.app");

SingleInstanceGuard::SingleInstanceGuard(QString lockPath, QObject *parent)
    : QObject(parent)
    , m_lockPath(std::move(lockPath))
{
}

SingleInstanceGuard::~SingleInstanceGuard()
{
    if (m_lockFd >= 0)
        ::close(m_lockFd);
}

QString SingleInstanceGuard::standardLockPath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        return QString();
    return QDir(folder).filePath(QStringLiteral("lumenpause.lock"));
}

SingleInstanceGuard::LockResult SingleInstanceGuard::acquireLock()
{
    if (m_lockFd >= 0)
        return LockResult::acquired;
    if (m_lockPath.isEmpty()) {
        warnLockUnavailable(m_lockPath, QStringLiteral("no runtime folder"));
        return LockResult::unavailable;
    }
    // Close-on-exec: a program this one starts must not carry the lock on after it ends.
    const QByteArray path = QFile::encodeName(m_lockPath);
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        warnLockUnavailable(m_lockPath, errnoText(errno));
        return LockResult::unavailable;
    }
    // The kernel drops the lock with the process, however it ends: a crashed copy never
    // leaves a stale lock behind.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        if (error == EWOULDBLOCK)
            return LockResult::heldElsewhere;
        warnLockUnavailable(m_lockPath, errnoText(error));
        return LockResult::unavailable;
    }
    m_lockFd = fd;
    return LockResult::acquired;
}

bool SingleInstanceGuard::listenForReopen(QDBusConnection bus)
{
    const auto warn = [](const QString &reason) {
        logWarn(category, formatLogEvent(QStringLiteral("reopen_unavailable"),
                                         {{QStringLiteral("reason"), reason}}));
        return false;
    };
    if (!bus.isConnected())
        return warn(QStringLiteral("no session bus"));
    // The object first, so that whoever sees the name also finds the method.
    if (!bus.registerObject(objectPath, this, QDBusConnection::ExportScriptableSlots))
        return warn(QStringLiteral("object path taken"));
    if (!bus.registerService(busName)) {
        bus.unregisterObject(objectPath);
        return warn(QStringLiteral("bus name owned by another process"));
    }
    return true;
}

bool SingleInstanceGuard::requestReopen(QDBusConnection bus)
{
    if (!bus.isConnected())
        return false;
    const QDBusMessage call =
        QDBusMessage::createMethodCall(busName, objectPath, interfaceName, QStringLiteral("Reopen"));
    return bus.call(call, QDBus::Block, reopenTimeoutMs).type() == QDBusMessage::ReplyMessage;
}

void SingleInstanceGuard::Reopen()
{
    // Answered at once; showing a window is work for the next turn of the event loop.
    QMetaObject::invokeMethod(this, &SingleInstanceGuard::reopenRequested, Qt::QueuedConnection);
}
