#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// Launches the application under a limit on the account's processes (RLIMIT_NPROC) that
// counts the application's own threads and nothing else. Root is never bound by that limit,
// so as root the application runs as an unprivileged account, from a copy of the binary in a
// folder that account can enter (the checkout may lie in a private folder), with a home it
// owns; it then reaches neither the session bus nor the sound server, which the application
// survives. Where user namespaces are allowed the launch runs in one of its own, in which the
// kernel counts only what runs inside: the account's other processes do not count.
class ProcessLimitLaunch
{
public:
    ProcessLimitLaunch();

    // Empty when launches can be made; otherwise why not, for a skip.
    const QString &unavailableReason() const { return m_unavailableReason; }
    // Where the application's homes are to be made: a folder the account can reach.
    QString homeParent() const;
    // Gives everything made under homeParent() to the account the application runs as.
    bool handOverHomes() const;
    // The program to start and its arguments.
    QStringList command(int processLimit) const;

private:
    QStringList accountPrefix() const;
    bool userNamespacesAllowed() const;

    bool m_dropsRoot = false;
    bool m_inNamespace = false;
    QTemporaryDir m_folder;
    QString m_binary;
    QString m_unavailableReason;
};
