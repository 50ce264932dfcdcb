#pragma once

#include <QString>

// One file whose exclusive lock marks the running copy of the application. The kernel drops
// the lock with the process however it ends, so a crashed copy never leaves a stale one.
// Only a private regular file of the user's own is locked: a link planted at the path is not
// followed, and anything else found there makes the lock unusable at this path.
class InstanceLockFile
{
public:
    enum class Result {
        acquired,
        heldElsewhere, // another process holds the lock
        unavailable,   // the file could not be used at all
    };

    explicit InstanceLockFile(QString path);
    // Releases the lock. The file stays: removing it would let a later copy lock a new file
    // while an earlier one still holds the old, unlinked one.
    ~InstanceLockFile();
    InstanceLockFile(const InstanceLockFile &) = delete;
    InstanceLockFile &operator=(const InstanceLockFile &) = delete;

    Result acquire();
    void release();
    bool holds() const { return m_fd >= 0; }
    QString path() const { return m_path; }
    // Why the lock could not be used; empty otherwise.
    QString problem() const { return m_problem; }

private:
    int openSafely();

    QString m_path;
    int m_fd = -1;
    QString m_problem;
};
