#pragma once

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QString>

#include <sys/types.h>
#include <unistd.h>

#include <vector>

// Names the user's processes by their identities, the stand-ins for application ids: the
// application id of the systemd unit the process runs in (a flatpak id, or the desktop-file
// id that launchers put in the unit's name), "bin:" and the base name of its executable,
// and, when the kernel knows it under another name (a script run by its interpreter), "bin:"
// and that name. Snaps are named by their binaries. Other users' processes and kernel
// threads have none.
//
// The process folder is listed afresh on each call, but a process is read only the first
// time its pid shows up: there are no unprivileged events for processes starting or ending,
// so a listing every few seconds is the cheapest way to follow them.
class ProcIdentities
{
public:
    explicit ProcIdentities(QByteArray procRoot = QByteArrayLiteral("/proc"), uid_t uid = ::getuid());

    // The identities of every process of ours now running; forgets the pids gone.
    QSet<QString> runningIdentities();
    // One process's identities, read once and kept until a listing finds the pid gone.
    QSet<QString> identitiesOf(int pid);
    // The base name of the process's executable, read afresh (the pid may belong to another
    // program by now); empty when it cannot be read.
    QString executableName(int pid) const;

    // The application id a systemd unit name in /proc/<pid>/cgroup text stands for: of
    // "app-flatpak-<id>-<n>.scope", "app[-<launcher>]-<id>-<n>.scope" or
    // "app[-<launcher>]-<id>[@<x>].service". Empty when the process runs in no such unit.
    static QString applicationIdFromCgroup(const QByteArray &cgroupText);

private:
    QSet<QString> readIdentities(int pid) const;
    std::vector<int> listPids() const;
    QByteArray pathOf(int pid, const char *entry) const;

    QByteArray m_root;
    uid_t m_uid;
    QHash<int, QSet<QString>> m_known;
    std::vector<int> m_lastPids;
    QSet<QString> m_lastRunning;
};
