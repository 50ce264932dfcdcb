#include "support/RunCommand.h"

#include <QProcess>
#include <QTest>

namespace {

constexpr int kTimeoutMs = 10000;

} // namespace

QString runCommand(const QString &program, const QStringList &arguments,
                   EventLoopWhileRunning eventLoop)
{
    const QString commandLine = (QStringList{program} + arguments).join(QLatin1Char(' '));
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(program, arguments);
    if (!process.waitForStarted(kTimeoutMs))
        return commandLine + QStringLiteral(": did not start");
    const bool finished =
        eventLoop == EventLoopWhileRunning::Turns
            ? QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, kTimeoutMs)
            : process.waitForFinished(kTimeoutMs);
    if (!finished) {
        process.kill();
        process.waitForFinished(kTimeoutMs);
        return commandLine + QStringLiteral(": still running after the deadline");
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return commandLine + QStringLiteral(": exit code %1").arg(process.exitCode());
    return QString();
}
