#include "support/ProcessLimitLaunch.h"

#include "support/AppProcess.h"

#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <unistd.h>

namespace {

constexpr int kProbeTimeoutMs = 10000;
// The conventional unprivileged account; root needs no entry in the user database to be it.
constexpr uid_t unprivilegedId = 65534;

const QFileDevice::Permissions everyoneEnters =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup
    | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;

} // namespace

ProcessLimitLaunch::ProcessLimitLaunch()
    : m_dropsRoot(::geteuid() == 0)
    , m_folder(QStringLiteral("/tmp/lumenpause-process-limit-XXXXXX"))
    , m_binary(AppProcess::binaryPath())
{
    for (const char *tool : {"setpriv", "unshare", "prlimit"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) {
            m_unavailableReason =
                QStringLiteral("%1 (util-linux) is not installed").arg(QLatin1String(tool));
            return;
        }
    }
    if (!m_folder.isValid() || !QFile::setPermissions(m_folder.path(), everyoneEnters)) {
        m_unavailableReason = QStringLiteral("no folder in /tmp for the launch");
        return;
    }
    if (m_dropsRoot) {
        m_binary = m_folder.filePath(QStringLiteral("lumenpause"));
        if (!QFile::copy(AppProcess::binaryPath(), m_binary)) {
            m_unavailableReason = QStringLiteral("the binary could not be copied to ") + m_folder.path();
            return;
        }
    }
    m_inNamespace = userNamespacesAllowed();
    // An ordinary account's own processes (this test and its services among them) would
    // count toward the limit; the unprivileged account root drops to normally runs none.
    if (!m_inNamespace && !m_dropsRoot)
        m_unavailableReason = QStringLiteral("user namespaces are refused here, and the account's own "
                                             "processes would count toward the limit");
}

QString ProcessLimitLaunch::homeParent() const
{
    return m_folder.path();
}

bool ProcessLimitLaunch::handOverHomes() const
{
    if (!m_dropsRoot)
        return true;
    const QByteArray top = QFile::encodeName(m_folder.path());
    bool all = ::chown(top.constData(), unprivilegedId, unprivilegedId) == 0;
    QDirIterator made(m_folder.path(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                      QDirIterator::Subdirectories);
    while (made.hasNext()) {
        const QByteArray path = QFile::encodeName(made.next());
        all = ::lchown(path.constData(), unprivilegedId, unprivilegedId) == 0 && all;
    }
    return all;
}

QStringList ProcessLimitLaunch::command(int processLimit) const
{
    QStringList command = accountPrefix();
    if (m_inNamespace)
        command << QStringLiteral("unshare") << QStringLiteral("--user")
                << QStringLiteral("--map-current-user");
    command << QStringLiteral("prlimit") << QStringLiteral("--nproc=%1").arg(processLimit)
            << QStringLiteral("--") << m_binary;
    return command;
}

QStringList ProcessLimitLaunch::accountPrefix() const
{
    if (!m_dropsRoot)
        return {};
    const QString id = QString::number(unprivilegedId);
    return {QStringLiteral("setpriv"), QStringLiteral("--reuid=") + id,
            QStringLiteral("--regid=") + id, QStringLiteral("--clear-groups"), QStringLiteral("--")};
}

bool ProcessLimitLaunch::userNamespacesAllowed() const
{
    QStringList command = accountPrefix();
    command << QStringLiteral("unshare") << QStringLiteral("--user")
            << QStringLiteral("--map-current-user") << QStringLiteral("true");
    QProcess probe;
    probe.setProcessChannelMode(QProcess::MergedChannels);
    probe.start(command.first(), command.mid(1));
    return probe.waitForFinished(kProbeTimeoutMs) && probe.exitStatus() == QProcess::NormalExit
           && probe.exitCode() == 0;
}
