#include "platform/linux/SingleInstanceGuard.h"

#include "core/Logger.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
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

SingleInstanceGuard::Claim SingleInstanceGuard::claim(QDBusConnection bus)
{
    if (acquireLock() == LockResult::heldElsewhere)
        return Claim::anotherCopyRuns;
    const BusClaim busClaim = claimBusName(bus);
    if (busClaim == BusClaim::takenByAnother)
        return Claim::anotherCopyRuns;
    warnUnguarded(busClaim);
    return Claim::firstCopy;
}

void SingleInstanceGuard::warnUnguarded(BusClaim busClaim) const
{
    if (!holdsLock()) {
        logWarn(category, formatLogEvent(QStringLiteral("instance_lock_unavailable"),
                                         {{QStringLiteral("path"), m_lockPath},
                                          {QStringLiteral("reason"), m_lockProblem},
                                          {QStringLiteral("busName"),
                                           formatBoolForLog(busClaim == BusClaim::owned)}}));
        return;
    }
    if (busClaim == BusClaim::unavailable) {
        logWarn(category, formatLogEvent(QStringLiteral("reopen_unavailable"),
                                         {{QStringLiteral("reason"), m_busProblem}}));
    }
}

SingleInstanceGuard::LockResult SingleInstanceGuard::acquireLock()
{
    if (m_lockFd >= 0)
        return LockResult::acquired;
    m_lockProblem.clear();
    if (m_lockPath.isEmpty()) {
        m_lockProblem = QStringLiteral("no runtime folder");
        return LockResult::unavailable;
    }
    // Close-on-exec: a program this one starts must not carry the lock on after it ends.
    const QByteArray path = QFile::encodeName(m_lockPath);
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        m_lockProblem = errnoText(errno);
        return LockResult::unavailable;
    }
    // The kernel drops the lock with the process, however it ends: a crashed copy never
    // leaves a stale lock behind.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        if (error == EWOULDBLOCK)
            return LockResult::heldElsewhere;
        m_lockProblem = errnoText(error);
        return LockResult::unavailable;
    }
    m_lockFd = fd;
    return LockResult::acquired;
}

SingleInstanceGuard::BusClaim SingleInstanceGuard::claimBusName(QDBusConnection bus)
{
    m_busProblem.clear();
    if (!bus.isConnected()) {
        m_busProblem = QStringLiteral("no session bus");
        return BusClaim::unavailable;
    }
    // The object first, so that whoever sees the name also finds the method.
    if (!bus.registerObject(objectPath, this, QDBusConnection::ExportScriptableSlots)) {
        m_busProblem = QStringLiteral("object path taken");
        return BusClaim::unavailable;
    }
    if (bus.registerService(busName))
        return BusClaim::owned;
    bus.unregisterObject(objectPath);
    // Only a name someone else owns means another copy; a bus that refuses us the name
    // leaves this copy as unguarded as no bus at all.
    const QDBusReply<bool> owned = bus.interface()->isServiceRegistered(busName);
    if (owned.isValid() && owned.value()) {
        m_busProblem = QStringLiteral("bus name owned by another process");
        return BusClaim::takenByAnother;
    }
    m_busProblem = QStringLiteral("bus name refused");
    return BusClaim::unavailable;
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
