#pragma once

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QString>

#include <sys/types.h>
#include <unistd.h>

#include <optional>
#include <vector>

// Names the user's processes by their identities, the stand-ins for application ids: the
// application id of the systemd unit the process runs in (a flatpak id, or the desktop-file
// id that launchers put in the unit's name), "bin:" and the base name of its executable,
// and, when the kernel knows it under another name (a script run by its interpreter), "bin:"
// and that name. Snaps are named by their binaries. Other users' processes and kernel
// threads have none.
//
// The process folder is listed afresh on each call, but a process is read only once: there
// are no unprivileged events for processes starting or ending, so a listing every few
// seconds is the cheapest way to follow them. A process counts as running once it has
// lived from one listing to the next, as an application counts once it has finished
// launching: what starts and ends between two listings (a build's compilers, a script's
// commands) is never read, so a busy machine's churn costs next to nothing. The first
// listing takes everything already there. While the number of processes stays the same,
// the folder is listed only every few calls.
class ProcIdentities
{
public:
    // How many calls in a row may answer from the last listing while the number of
    // processes stays the same: at the 2 s reconciliation, a listing at least every 10 s.
    static constexpr int kMaxSkippedListings = 4;

    explicit ProcIdentities(QByteArray procRoot = QByteArrayLiteral("/proc"), uid_t uid = ::getuid());

    // The identities of every process of ours that has been running since the last listing
    // (or that the first listing found); forgets the pids gone.
    QSet<QString> runningIdentities();
    // One process's identities, read once and kept until a listing finds the pid gone.
    QSet<QString> identitiesOf(int pid);
    // For when listings stop coming regularly: what a listing found and what was read since
    // can no longer be trusted (a pid may have been given to another program meanwhile), and
    // a process started in the gap has waited long enough. The next listing takes every
    // process as the first one did.
    void forgetListing();
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
    std::optional<nlink_t> linkCount() const;
    QByteArray pathOf(int pid, const char *entry) const;

    QByteArray m_root;
    uid_t m_uid;
    QHash<int, QSet<QString>> m_known;
    std::vector<int> m_lastPids;
    QSet<QString> m_lastRunning;
    // Some pid of the last listing waits for the next one to count.
    bool m_waiting = false;
    std::optional<nlink_t> m_lastLinks;
    int m_skippedListings = 0;
};
