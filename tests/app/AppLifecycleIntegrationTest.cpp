#include "support/AppHome.h"
#include "support/AppProcess.h"
#include "support/TestServices.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <csignal>
#include <functional>

// The application as a user runs it: started on the test desktop, it logs that it is up and
// leaves cleanly when the session ends it (SIGTERM) or the user presses Ctrl-C (SIGINT).

namespace {

constexpr int kStartTimeoutMs = 20000;
constexpr int kExitTimeoutMs = 10000;
const QString kStartedLine = QStringLiteral("[INFO] [AppServices] distribution_ready | ");

QString appPath()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath()
                           + QStringLiteral("/../lumenpause"));
}

// With a journal the log lines go there, and standard error stays empty.
bool journalReachable()
{
    return QFileInfo::exists(QStringLiteral("/run/systemd/journal/socket"));
}

// The kernel's mask of signals the process has handlers for. Until both handlers are in
// place, the signal would end the process without any clean-up.
bool catchesSignals(qint64 pid, std::initializer_list<int> signalNumbers)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (!line.startsWith("SigCgt:"))
            continue;
        bool ok = false;
        const qulonglong caught = line.mid(7).trimmed().toULongLong(&ok, 16);
        for (int signalNumber : signalNumbers) {
            if (!ok || !(caught & (1ULL << (signalNumber - 1))))
                return false;
        }
        return true;
    }
    return false;
}

class AppLifecycleIntegrationTest : public ::testing::TestWithParam<int>
{
protected:
    // Collects standard error while waiting; gives up at the deadline or when the
    // application ends first.
    bool waitFor(const std::function<bool()> &condition, int timeoutMs)
    {
        const QDeadlineTimer deadline(timeoutMs);
        for (;;) {
            m_stderr += QString::fromUtf8(m_app.readAllStandardError());
            if (condition())
                return true;
            if (deadline.hasExpired() || m_app.state() == QProcess::NotRunning)
                return false;
            m_app.waitForReadyRead(int(qMin<qint64>(deadline.remainingTime(), 20)));
        }
    }

    QProcess m_app;
    QString m_stderr;
};

// Whether each text occurs in the log after the one before it.
::testing::AssertionResult inOrder(const QString &log, const QStringList &texts)
{
    qsizetype from = 0;
    for (const QString &text : texts) {
        const qsizetype at = log.indexOf(text, from);
        if (at < 0)
            return ::testing::AssertionFailure() << "\"" << text.toStdString()
                                                 << "\" missing or out of order in:\n"
                                                 << log.toStdString();
        from = at + text.size();
    }
    return ::testing::AssertionSuccess();
}

} // namespace

TEST_P(AppLifecycleIntegrationTest, StartsLogsAndExitsCleanlyOnSignal)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    ASSERT_TRUE(QFileInfo(appPath()).isExecutable()) << appPath().toStdString();

    m_app.setProgram(appPath());
    m_app.setReadChannel(QProcess::StandardError);
    m_app.start();
    ASSERT_TRUE(m_app.waitForStarted(kStartTimeoutMs)) << m_app.errorString().toStdString();
    const qint64 pid = m_app.processId();

    if (!journalReachable()) {
        ASSERT_TRUE(waitFor([&] { return m_stderr.contains(kStartedLine); }, kStartTimeoutMs))
            << "no start-up line; standard error was:\n" << m_stderr.toStdString();
    }
    ASSERT_TRUE(waitFor([&] { return catchesSignals(pid, {SIGTERM, SIGINT}); }, kStartTimeoutMs))
        << "termination signals never handled; standard error was:\n" << m_stderr.toStdString();

    ASSERT_EQ(::kill(pid_t(pid), GetParam()), 0);
    ASSERT_TRUE(m_app.waitForFinished(kExitTimeoutMs)) << "still running after the signal";
    m_stderr += QString::fromUtf8(m_app.readAllStandardError());

    EXPECT_EQ(m_app.exitStatus(), QProcess::NormalExit) << m_stderr.toStdString();
    EXPECT_EQ(m_app.exitCode(), 0) << m_stderr.toStdString();
    for (const char *fault : {"ERROR", "runtime error:", "Sanitizer"})
        EXPECT_FALSE(m_stderr.contains(QLatin1String(fault))) << m_stderr.toStdString();
}

INSTANTIATE_TEST_SUITE_P(TerminationSignals, AppLifecycleIntegrationTest,
                         ::testing::Values(SIGTERM, SIGINT),
                         [](const ::testing::TestParamInfo<int> &info) {
                             return std::string(info.param == SIGTERM ? "SIGTERM" : "SIGINT");
                         });

// The session ending the application must run its termination, not merely end the process:
// the runtime services stop and the phase reaches shutdown, as on a quit from the menu.
TEST(AppShutdownIntegrationTest, SessionEndStopsTheServicesItStartedAndEndsInShutdown)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    if (!AppProcess::logIsReadable())
        GTEST_SKIP() << "the log goes to the journal, where this test cannot read it";
    for (const bool onboarded : {true, false}) {
        SCOPED_TRACE(onboarded ? "onboarded" : "first run");
        AppHome home;
        ASSERT_TRUE(home.isValid());
        ASSERT_TRUE(home.writeSettings({{"hasCompletedOnboarding", onboarded}}));
        AppProcess app(home.environment());
        ASSERT_TRUE(app.start());
        const QString settled = onboarded ? QStringLiteral("[Launch] runtime_services_started")
                                          : QStringLiteral("[AppState] onboarding → settings");
        ASSERT_TRUE(app.waitForLog(settled, kStartTimeoutMs)) << app.log().toStdString();
        ASSERT_TRUE(app.terminate(kExitTimeoutMs));
        EXPECT_EQ(app.exitCode(), 0);

        const QString log = app.log();
        if (onboarded) {
            EXPECT_TRUE(inOrder(log, {"[AppServices] distribution_ready",
                                      "[Launch] launch_start | needsOnboarding=false",
                                      "[AppState] launching → background",
                                      "[Activation] → background (accessory)",
                                      "[Launch] runtime_services_started", "[Launch] terminate",
                                      "[Launch] runtime_services_stopped",
                                      "[AppState] background → shutdown"}));
        } else {
            EXPECT_TRUE(inOrder(log, {"[AppServices] distribution_ready",
                                      "[Launch] launch_start | needsOnboarding=true",
                                      "[AppState] launching → onboarding", "[Launch] terminate",
                                      "[AppState] settings → shutdown"}));
            EXPECT_FALSE(log.contains("runtime_services_")) << log.toStdString();
        }
    }
}
