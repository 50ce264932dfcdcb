#pragma once

#include "platform/linux/InstanceLockFile.h"

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

// Keeps the application to one running copy per user. The first copy holds exclusive locks
// for as long as it runs, so that no two break timers ever write the same statistics and
// settings files: one in the user's runtime folder, and one beside the statistics. The
// runtime folder belongs to the user, not to one login session, so a second graphical login
// of the same user is refused too; the data folder is where any two copies that share files
// meet, even when one finds no runtime folder (a shell without $XDG_RUNTIME_DIR, where Qt
// picks another) or a link planted at its lock. A copy that finds either lock held leaves.
//
// The first copy also owns a name on the session bus and answers "Reopen" there; a later
// copy that finds a lock taken asks the first to reopen (show its settings window) and
// leaves. The locks decide: a copy that holds every one of them knows that no other copy
// runs, so a name owned by another process then belongs to a stranger, and the copy runs
// without it, with one warning naming the owner, rather than leave the user without breaks.
// Only where a lock could not be used does a name owned by another process count as another
// copy. Where no lock can be made at all and no name owned, the copy runs unguarded, with
// one warning.
class SingleInstanceGuard : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "local.lumenpause.app")

public:
    using LockResult = InstanceLockFile::Result;
    enum class BusClaim {
        owned,
        takenByAnother, // another process owns the name
        unavailable,    // no session bus to own a name on
    };
    enum class Claim { firstCopy, anotherCopyRuns };

    static const QString busName;
    static const QString objectPath;
    static const QString interfaceName;

    // The locks are taken in this order, the same in every copy.
    explicit SingleInstanceGuard(const QStringList &lockPaths, QObject *parent = nullptr);
    ~SingleInstanceGuard() override;

    // "lumenpause.lock" in the user's runtime folder, then "instance.lock" in the
    // application's data folder (made when missing), each where there is such a folder.
    static QStringList standardLockPaths();

    // Takes the locks, then the bus name, and logs the one warning when this copy runs
    // unguarded by either, or without the name another process owns.
    Claim claim(QDBusConnection bus);

    // Acquired when at least one lock is held; held elsewhere, with none kept, when another
    // process holds any; unavailable when none could be made.
    LockResult acquireLock();
    bool holdsLock() const;
    // Every lock path is held: no other copy runs.
    bool holdsEveryLock() const;
    // Why each lock that is not held could not be used, by path; empty when all are held.
    QString lockProblem() const;

    // The first copy owns the bus name and answers Reopen.
    BusClaim claimBusName(QDBusConnection bus);
    // Why no name could be owned; empty otherwise.
    QString busProblem() const { return m_busProblem; }
    // A later copy: asks the first to reopen. False when the request did not get through.
    static bool requestReopen(QDBusConnection bus);

signals:
    // Emitted from the event loop, after the caller on the bus has had its answer.
    void reopenRequested();

public slots:
    // The bus method; its name is the one callers use on the bus.
    Q_SCRIPTABLE void Reopen();

private:
    void warnUnguarded(BusClaim busClaim) const;
    void warnNameTaken() const;
    void releaseLocks();

    std::vector<std::unique_ptr<InstanceLockFile>> m_locks;
    QString m_busProblem;
    uint m_busOwnerPid = 0; // of the process owning the name, when the bus could tell
};
