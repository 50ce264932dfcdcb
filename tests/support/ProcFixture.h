#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <sys/types.h>

// A stand-in for the kernel's process folder: one sub-folder per process with the entries
// the identities are read from (stat, status, cgroup and the exe link).
class ProcFixture
{
public:
    // The user the processes belong to unless a process says otherwise.
    static constexpr uid_t kUid = 1000;

    struct Process
    {
        int pid = 0;
        QByteArray name; // what the kernel calls it, at most 15 bytes
        QByteArray executable; // where the exe link points; empty: no link
        QByteArray cgroup = "0::/user.slice/user-1000.slice/session-2.scope";
        uid_t uid = kUid;
        bool kernelThread = false;
    };

    ProcFixture();

    bool isValid() const { return m_folder.isValid(); }
    QByteArray root() const;

    // False when the entries could not be written.
    bool add(const Process &process);
    void remove(int pid);

private:
    QTemporaryDir m_folder;
};
