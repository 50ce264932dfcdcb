#include "support/TestAudioServer.h"

#include <QProcess>
#include <QTest>

namespace {

constexpr int commandTimeoutMs = 5000;
const QString server = QStringLiteral("pulseaudio");

bool succeeds(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(program, arguments);
    return process.waitForFinished(commandTimeoutMs) && process.exitStatus() == QProcess::NormalExit
           && process.exitCode() == 0;
}

} // namespace

bool TestAudioServer::answers()
{
    return succeeds(QStringLiteral("pactl"), {QStringLiteral("info")});
}

// The server keeps its PID in the run's runtime folder, whoever started it.
bool TestAudioServer::stop(int timeoutMs)
{
    if (!succeeds(server, {QStringLiteral("--kill")}))
        return false;
    return QTest::qWaitFor([] { return !succeeds(server, {QStringLiteral("--check")}); }, timeoutMs);
}

// Detached, so that it outlives the test's process as the run's own server would.
bool TestAudioServer::start(int timeoutMs)
{
    const QStringList arguments =
        qEnvironmentVariable("LUMENPAUSE_TEST_AUDIO_SERVER_ARGS").split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (arguments.isEmpty())
        return false;
    QProcess process;
    process.setProgram(server);
    process.setArguments(arguments);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    if (!process.startDetached())
        return false;
    return QTest::qWaitFor(&TestAudioServer::answers, timeoutMs);
}
