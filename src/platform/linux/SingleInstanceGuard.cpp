#include "platform/linux/SingleInstanceGuard.h"

#include "core/AppConfiguration.h"
#include "core/AtomicFile.h"
#include "core/FileStatsRepository.h"
#include "core/Logger.h"
#include "platform/linux/ProcIdentities.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDir>
#include <QStandardPaths>

#include <algorithm>

namespace {

const QString category = QStringLiteral("Launch");
constexpr int reopenTimeoutMs = 5000;

} // namespace

const QString SingleInstanceGuard::busName = QStringLiteral("local.lumenpause.app");
const QString SingleInstanceGuard::objectPath = QStringLiteral("/local/lumenpause/app");
const QString SingleInstanceGuard::interfaceName = QStringLiteral("local.lumenpause.app");

SingleInstanceGuard::SingleInstanceGuard(const QStringList &lockPaths, QObject *parent)
    : QObject(parent)
{
    for (const QString &path : lockPaths)
        m_locks.push_back(std::make_unique<InstanceLockFile>(path));
}

SingleInstanceGuard::~SingleInstanceGuard() = default;

QStringList SingleInstanceGuard::standardLockPaths()
{
    QStringList paths;
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty())
        paths.append(QDir(runtime).filePath(QStringLiteral("lumenpause.lock")));
    const QString dataBase = FileStatsRepository::standardBaseFolder();
    if (!dataBase.isEmpty()) {
        const QString folder = QDir(dataBase).filePath(applicationSupportFolderName());
        // A folder that cannot be made shows as the lock's own failure to open.
        AtomicFile::makePrivateFolder(folder);
        paths.append(QDir(folder).filePath(QStringLiteral("instance.lock")));
    }
    return paths;
}

SingleInstanceGuard::Claim SingleInstanceGuard::claim(QDBusConnection bus)
{
    if (acquireLock() == LockResult::heldElsewhere)
        return Claim::anotherCopyRuns;
    const BusClaim busClaim = claimBusName(bus);
    if (busClaim == BusClaim::takenByAnother) {
        if (!holdsEveryLock())
            return Claim::anotherCopyRuns;
        warnNameTaken();
        return Claim::firstCopy;
    }
    warnUnguarded(busClaim);
    return Claim::firstCopy;
}

// The name serves only reopening, so this copy runs without it; the owner is named so that
// the user can find what holds it.
void SingleInstanceGuard::warnNameTaken() const
{
    LogFields fields = {{QStringLiteral("busName"), busName},
                        {QStringLiteral("ownerPid"), QStringLiteral("unknown")}};
    if (m_busOwnerPid != 0) {
        fields[QStringLiteral("ownerPid")] = QString::number(m_busOwnerPid);
        const QString executable = ProcIdentities().executableName(int(m_busOwnerPid));
        if (!executable.isEmpty())
            fields[QStringLiteral("ownerProcess")] = executable;
    }
    logWarn(category, formatLogEvent(QStringLiteral("bus_name_taken"), fields));
}

void SingleInstanceGuard::warnUnguarded(BusClaim busClaim) const
{
    if (!holdsLock()) {
        logWarn(category, formatLogEvent(QStringLiteral("instance_lock_unavailable"),
                                         {{QStringLiteral("reason"), lockProblem()},
                                          {QStringLiteral("busName"),
                                           formatBoolForLog(busClaim == BusClaim::owned)}}));
        return;
    }
    // Another lock keeps a second copy out; that this one could not serve is worth a line,
    // as a link planted at its path would be.
    if (const QString problem = lockProblem(); !problem.isEmpty()) {
        logInfo(category, formatLogEvent(QStringLiteral("instance_lock_skipped"),
                                         {{QStringLiteral("reason"), problem}}));
    }
    if (busClaim == BusClaim::unavailable) {
        logWarn(category, formatLogEvent(QStringLiteral("reopen_unavailable"),
                                         {{QStringLiteral("reason"), m_busProblem}}));
    }
}

// Every lock is tried, in order, so that a lock held elsewhere is seen whichever path the
// other copy shares with this one.
SingleInstanceGuard::LockResult SingleInstanceGuard::acquireLock()
{
    bool anyAcquired = false;
    for (const auto &lock : m_locks) {
        const LockResult result = lock->acquire();
        if (result == LockResult::heldElsewhere) {
            releaseLocks();
            return LockResult::heldElsewhere;
        }
        anyAcquired = anyAcquired || result == LockResult::acquired;
    }
    return anyAcquired ? LockResult::acquired : LockResult::unavailable;
}

void SingleInstanceGuard::releaseLocks()
{
    for (const auto &lock : m_locks)
        lock->release();
}

bool SingleInstanceGuard::holdsLock() const
{
    return std::any_of(m_locks.cbegin(), m_locks.cend(), [](const auto &lock) { return lock->holds(); });
}

bool SingleInstanceGuard::holdsEveryLock() const
{
    return !m_locks.empty()
        && std::all_of(m_locks.cbegin(), m_locks.cend(), [](const auto &lock) { return lock->holds(); });
}

QString SingleInstanceGuard::lockProblem() const
{
    if (m_locks.empty())
        return QStringLiteral("no folder for a lock");
    QStringList problems;
    for (const auto &lock : m_locks) {
        if (!lock->holds())
            problems.append(lock->path() + QStringLiteral(": ") + lock->problem());
    }
    return problems.join(QStringLiteral("; "));
}

SingleInstanceGuard::BusClaim SingleInstanceGuard::claimBusName(QDBusConnection bus)
{
    m_busProblem.clear();
    m_busOwnerPid = 0;
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
        const QDBusReply<uint> owner = bus.interface()->servicePid(busName);
        if (owner.isValid())
            m_busOwnerPid = owner.value();
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
