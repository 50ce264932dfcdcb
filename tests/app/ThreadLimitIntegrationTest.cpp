#include "support/AppHome.h"
#include "support/AppProcess.h"
#include "support/LoadAllowance.h"
#include "support/ProcessLimitLaunch.h"
#include "support/RunCommand.h"
#include "support/TestServices.h"
#include "support/X11Probe.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <sys/resource.h>

// The real application where threads run short, as for a user near the limit of processes or
// under `ulimit -v`: launched under such a limit, it either runs or says at once that it
// cannot; once running, its first break must still show and run its length, and SIGTERM must
// still end it.

namespace {

constexpr int startTimeoutMs = 20000;
constexpr int showTimeoutMs = 20000;
constexpr int exitTimeoutMs = 10000;
constexpr int breakSeconds = 3;
const QString runningLine = QStringLiteral("[Launch] runtime_services_started");
const QString breakTitle = QStringLiteral("Lumenpause break");
// Enough for the application's threads on any machine, with room to spare.
constexpr int highestProcessLimit = 16;

// Each new thread reserves its stack limit of address space, so with a stack limit far above
// the address space still free, no thread can start while ordinary allocations (pictures of
// the screen included) still succeed.
constexpr rlim_t threadStackBytes = rlim_t(1) << 30;
constexpr rlim_t freeAddressSpaceBytes = rlim_t(256) << 20;

// Raises the stack limit that the application started meanwhile inherits.
class ScopedStackLimit
{
public:
    explicit ScopedStackLimit(rlim_t bytes)
    {
        m_ok = ::getrlimit(RLIMIT_STACK, &m_saved) == 0;
        rlimit raised = m_saved;
        raised.rlim_cur = std::min(bytes, m_saved.rlim_max);
        m_ok = m_ok && raised.rlim_cur == bytes && ::setrlimit(RLIMIT_STACK, &raised) == 0;
    }
    ~ScopedStackLimit() { ::setrlimit(RLIMIT_STACK, &m_saved); }
    bool ok() const { return m_ok; }

private:
    rlimit m_saved{};
    bool m_ok = false;
};

qint64 virtualSizeBytes(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmSize:"))
            return line.mid(7).trimmed().split(' ').value(0).toLongLong() * 1024;
    }
    return -1;
}

bool capAddressSpace(qint64 pid)
{
    const qint64 used = virtualSizeBytes(pid);
    if (used <= 0)
        return false;
    const rlimit cap{rlim_t(used) + freeAddressSpaceBytes, rlim_t(used) + freeAddressSpaceBytes};
    return ::prlimit(pid_t(pid), RLIMIT_AS, &cap, nullptr) == 0;
}

// Something to see on the screen, so the blur backdrop works from a real picture.
struct ColouredWindow
{
    ColouredWindow()
        : window(nullptr, Qt::FramelessWindowHint)
    {
        window.setAutoFillBackground(true);
        QPalette palette = window.palette();
        palette.setColor(QPalette::Window, QColor(210, 120, 40));
        window.setPalette(palette);
        window.setGeometry(QRect(QPoint(100, 100), QSize(600, 400)));
        window.show();
        exposed = QTest::qWaitForWindowExposed(&window, showTimeoutMs);
    }
    QWidget window;
    bool exposed = false;
};

// The environment of a launch under a limit on processes: a leak check at exit would need a
// thread of its own, and its outcome would stand in for the application's.
QProcessEnvironment limitedEnvironment(const AppHome &home)
{
    QProcessEnvironment environment = home.environment();
    const QString sanitizer = environment.value(QStringLiteral("ASAN_OPTIONS"));
    environment.insert(QStringLiteral("ASAN_OPTIONS"), sanitizer + (sanitizer.isEmpty() ? "" : ":")
                                                           + QStringLiteral("detect_leaks=0"));
    return environment;
}

// Once running: a break from the hot key shows and ends, and SIGTERM ends the application.
QString runningOutcome(AppProcess &app, const X11Probe &probe)
{
    const auto showing = [&] { return !probe.viewableWindowsTitled(breakTitle).isEmpty(); };
    const QString pressed = runCommand(QStringLiteral("xdotool"),
                                       {QStringLiteral("key"), QStringLiteral("super+alt+b")});
    if (!pressed.isEmpty())
        return pressed;
    if (!QTest::qWaitFor(showing, withLoadAllowanceMs(showTimeoutMs)))
        return QStringLiteral("no break from the hot key");
    if (!app.waitForLog(QStringLiteral("countdown_completed"),
                        withLoadAllowanceMs(breakSeconds * 1000))
        || !QTest::qWaitFor([&] { return !showing(); }, withLoadAllowanceMs(showTimeoutMs)))
        return QStringLiteral("the break did not end");
    if (!app.terminate(withLoadAllowanceMs(exitTimeoutMs)))
        return QStringLiteral("SIGTERM did not end it");
    if (!app.exitedNormally() || app.exitCode() != 0)
        return QStringLiteral("ended with status %1 after SIGTERM").arg(app.exitCode());
    return QStringLiteral("runs");
}

// "runs", "cannot start threads", or what went wrong.
QString launchOutcome(const ProcessLimitLaunch &launch, const X11Probe &probe, int processLimit)
{
    AppHome home(launch.homeParent());
    if (!home.writeSettings({{"hasCompletedOnboarding", true},
                             {"idleDetectionEnabled", false},
                             {"breakDuration", breakSeconds}})
        || !launch.handOverHomes())
        return QStringLiteral("no home for it");
    const QStringList command = launch.command(processLimit);
    AppProcess app(limitedEnvironment(home), command.first());
    app.setArguments(command.mid(1));
    if (!app.start())
        return QStringLiteral("did not start");
    // A launch that cannot go on ends at once, and this wait with it.
    if (app.waitForLog(runningLine, withLoadAllowanceMs(startTimeoutMs)))
        return runningOutcome(app, probe);
    if (app.isRunning())
        return QStringLiteral("neither ran nor ended");
    const QStringList lines = app.log().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (!app.exitedNormally() || app.exitCode() != 1 || lines.size() != 1
        || !lines.first().contains(QStringLiteral("threads")))
        return QStringLiteral("ended with status %1%2, saying: %3")
            .arg(app.exitCode())
            .arg(app.exitedNormally() ? "" : " (crashed)")
            .arg(lines.join(QStringLiteral(" / ")));
    return QStringLiteral("cannot start threads");
}

} // namespace

// From no room at all to plenty: every launch either runs or says in one line that it cannot
// start its threads, and the more room, the surer it runs.
TEST(ThreadLimitIntegrationTest, UnderEveryLimitOnProcessesTheLaunchRunsOrSaysItCannotStartThreads)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    if (!AppProcess::logIsReadable())
        GTEST_SKIP() << "the log goes to the journal, where this test cannot read it";
    ProcessLimitLaunch launch;
    if (!launch.unavailableReason().isEmpty())
        GTEST_SKIP() << launch.unavailableReason().toStdString();
    X11Probe probe;
    ASSERT_TRUE(probe.isOpen());

    QStringList outcomes;
    int firstRunning = highestProcessLimit;
    for (int limit = 1; limit <= highestProcessLimit; ++limit) {
        const QString outcome = launchOutcome(launch, probe, limit);
        outcomes << QStringLiteral("%1: %2").arg(limit).arg(outcome);
        if (outcome == QStringLiteral("runs"))
            firstRunning = std::min(firstRunning, limit);
        else if (outcome != QStringLiteral("cannot start threads"))
            break; // one fault is enough, and a hang costs a deadline each time
    }
    // Refused below some limit, running from there on, and running at the highest.
    QStringList expected;
    for (int limit = 1; limit <= highestProcessLimit; ++limit)
        expected << QStringLiteral("%1: %2").arg(limit).arg(
            limit < firstRunning ? "cannot start threads" : "runs");
    EXPECT_EQ(outcomes, expected);
}

TEST(ThreadLimitIntegrationTest, TheFirstBreakShowsRunsItsLengthAndSigtermStillEndsTheApplication)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    if (!AppProcess::logIsReadable())
        GTEST_SKIP() << "the log goes to the journal, where this test cannot read it";
    X11Probe probe;
    ASSERT_TRUE(probe.isOpen());
    ColouredWindow desktop;
    ASSERT_TRUE(desktop.exposed);
    AppHome home;
    ASSERT_TRUE(home.writeSettings({{"hasCompletedOnboarding", true},
                                    {"idleDetectionEnabled", false},
                                    {"breakDuration", breakSeconds}}));
    AppProcess app(home.environment(),
                   QCoreApplication::applicationDirPath() + QStringLiteral("/drive_running_app"));
    {
        ScopedStackLimit stacks(threadStackBytes);
        ASSERT_TRUE(stacks.ok());
        ASSERT_TRUE(app.start());
    }
    ASSERT_TRUE(app.waitForLog(runningLine, startTimeoutMs)) << app.log().toStdString();
    ASSERT_TRUE(capAddressSpace(app.pid()));

    app.write("break\n");
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return !probe.viewableWindowsTitled(QStringLiteral("Lumenpause break")).isEmpty(); },
        showTimeoutMs))
        << "no break on screen\n" << app.log().toStdString();
    EXPECT_TRUE(app.waitForLog("countdown_completed", breakSeconds * 1000 + showTimeoutMs))
        << app.log().toStdString();
    // The limit was felt: the backdrop was drawn without its helper threads.
    EXPECT_TRUE(app.hasLog("No thread could be started to draw the backdrop")) << app.log().toStdString();

    ASSERT_TRUE(app.isRunning()) << app.log().toStdString();
    ASSERT_TRUE(app.terminate(exitTimeoutMs)) << "SIGTERM did not end it\n" << app.log().toStdString();
    EXPECT_TRUE(app.exitedNormally());
    EXPECT_EQ(app.exitCode(), 0);
}
