#include "support/AppHome.h"
#include "support/AppProcess.h"
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

// The real application in a process that can start no more threads, as for a user near the
// limit of processes or under `ulimit -v`: the first break must still show, run its length,
// and SIGTERM must still end the application.

namespace {

constexpr int startTimeoutMs = 20000;
constexpr int showTimeoutMs = 20000;
constexpr int exitTimeoutMs = 10000;
constexpr int breakSeconds = 3;
const QString runningLine = QStringLiteral("[Launch] runtime_services_started");

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

} // namespace

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
    EXPECT_TRUE(app.hasLog("No thread could be started")) << app.log().toStdString();

    ASSERT_TRUE(app.isRunning()) << app.log().toStdString();
    ASSERT_TRUE(app.terminate(exitTimeoutMs)) << "SIGTERM did not end it\n" << app.log().toStdString();
    EXPECT_TRUE(app.exitedNormally());
    EXPECT_EQ(app.exitCode(), 0);
}
