#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>

// Keeps the application to one running copy per user. The first copy holds an exclusive
// lock on a file in the user's runtime folder for as long as it runs, so that no two break
// timers ever write the same statistics and settings files. The runtime folder belongs to the
// user, not to one login session: a second graphical login of the same user is refused too.
//
// The first copy also owns a name on the session bus and answers "Reopen" there; a later
// copy that finds the lock taken, or the name owned by another process, asks the first to
// reopen (show its settings window) and leaves. Either one keeps a second copy out: the lock
// without a session bus, the name where the lock cannot be made (a link planted at its path)
// or sits elsewhere (a shell without $XDG_RUNTIME_DIR, where Qt picks another folder). With
// neither, the copy runs with one warning rather than leave the user without breaks.
class SingleInstanceGuard : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "local.lumenpause.app")

public:
    enum class LockResult {
        acquired,
        heldElsewhere, // another process holds the lock
        unavailable,   // the lock file could not be used at all
    };
    enum class BusClaim {
        owned,
        takenByAnother, // another process owns the name: another copy runs
        unavailable,    // no session bus to own a name on
    };
    enum class Claim { firstCopy, anotherCopyRuns };

    static const QString busName;
    static const QString objectPath;
    static const QString interfaceName;

    explicit SingleInstanceGuard(QString lockPath, QObject *parent = nullptr);
    // Releases the lock. The file stays: removing it would let a later copy lock a new file
    // while an earlier one still holds the old, unlinked one.
    ~SingleInstanceGuard() override;

    // "lumenpause.lock" in the user's runtime folder ($XDG_RUNTIME_DIR); empty when there is
    // no usable runtime folder.
    static QString standardLockPath();

    // Takes the lock, then the bus name, and logs the one warning when this copy runs
    // unguarded by either.
    Claim claim(QDBusConnection bus);

    QString lockPath() const { return m_lockPath; }
    LockResult acquireLock();
    bool holdsLock() const { return m_lockFd >= 0; }
    // Why the lock could not be used; empty otherwise.
    QString lockProblem() const { return m_lockProblem; }

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

    QString m_lockPath;
    int m_lockFd = -1;
    QString m_lockProblem;
    QString m_busProblem;
};
