#include "support/AppHome.h"
#include "support/AppProcess.h"
#include "support/LoadAllowance.h"
#include "support/RunCommand.h"
#include "support/TestServices.h"
#include "support/X11Probe.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

// The real application on a desktop with two monitors, from a settings file to the
// statistics file: after its one-minute interval a break covers both monitors, runs its
// twenty seconds, is counted, and the next interval begins.
//
// With LUMENPAUSE_SCREENSHOT_DIR set, the break on screen is also saved there as
// break-on-two-monitors.png.

namespace {

constexpr int startTimeoutMs = 20000;
constexpr int exitTimeoutMs = 10000;
// One minute of interval and the tick that finds it used up, from the start of the runtime.
constexpr int breakDueTimeoutMs = int(withLoadAllowanceMs(61000));
// The break's twenty seconds and its fades, from the break's start.
constexpr int breakEndTimeoutMs = int(withLoadAllowanceMs(21000));
const QString panelTitle = QStringLiteral("Lumenpause break");

QList<QRect> panelGeometries(const X11Probe &probe)
{
    QList<QRect> geometries;
    for (const xcb_window_t window : probe.viewableWindowsTitled(panelTitle))
        geometries.append(probe.geometry(window));
    std::sort(geometries.begin(), geometries.end(),
              [](const QRect &a, const QRect &b) { return a.x() < b.x(); });
    return geometries;
}

// Both monitors show a break panel on top of everything else.
bool panelsOnTop(const X11Probe &probe)
{
    const QList<xcb_window_t> panels = probe.viewableWindowsTitled(panelTitle);
    return panels.contains(probe.topmostWindowAt(TwoMonitors::left.center()))
           && panels.contains(probe.topmostWindowAt(TwoMonitors::right.center()));
}

// Something is drawn on the monitor: the break's texts are light on a dark backdrop, and a
// panel not yet painted shows black.
bool showsSomething(const QRect &monitor)
{
    QScreen *screen = QGuiApplication::screenAt(monitor.center());
    if (!screen)
        return false;
    const QImage picture = screen->grabWindow(0).toImage();
    for (int y = 0; y < picture.height(); y += 2) {
        for (int x = 0; x < picture.width(); x += 2) {
            if (qGray(picture.pixel(x, y)) > 96)
                return true;
        }
    }
    return false;
}

QString screenshotPath()
{
    const QString folder = qEnvironmentVariable("LUMENPAUSE_SCREENSHOT_DIR");
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return QString();
    return QDir(folder).filePath(QStringLiteral("break-on-two-monitors.png"));
}

} // namespace

TEST(BreakOnTwoMonitorsIntegrationTest, ABreakCoversBothMonitorsRunsItsLengthAndTheNextIntervalStarts)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    if (!AppProcess::logIsReadable())
        GTEST_SKIP() << "the log goes to the journal, where this test cannot read it";
    X11Probe probe;
    ASSERT_TRUE(probe.isOpen());
    TwoMonitors monitors;
    ASSERT_EQ(monitors.error(), QString());
    ASSERT_TRUE(monitors.waitUntilSeen());
    AppHome home;
    ASSERT_TRUE(home.isValid());
    ASSERT_TRUE(home.writeSettings({
        {"hasCompletedOnboarding", true},
        {"useCustomInterval", true},
        {"customHours", 0},
        {"customMinutes", 1},
        // The test desktop has had no input for a while: that must not count as the user
        // being away.
        {"idleDetectionEnabled", false},
    }));

    AppProcess app(home.environment());
    ASSERT_TRUE(app.start());
    ASSERT_TRUE(app.waitForLog("[Launch] runtime_services_started", startTimeoutMs))
        << app.log().toStdString();
    ASSERT_TRUE(app.waitForLog("--- SHOWING PANELS ---", breakDueTimeoutMs))
        << app.log().toStdString();

    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return panelGeometries(probe) == QList<QRect>{TwoMonitors::left, TwoMonitors::right}; },
        exitTimeoutMs))
        << "panels: " << panelGeometries(probe).size();
    EXPECT_TRUE(QTest::qWaitFor([&] { return panelsOnTop(probe); }, exitTimeoutMs));
    EXPECT_TRUE(QTest::qWaitFor(
        [] { return showsSomething(TwoMonitors::left) && showsSomething(TwoMonitors::right); },
        exitTimeoutMs));
    if (const QString path = screenshotPath(); !path.isEmpty()) {
        EXPECT_EQ(runCommand("import", {"-window", "root", path}), QString());
        EXPECT_EQ(QImage(path).size(), QSize(2560, 800));
    }

    ASSERT_TRUE(app.waitForLog("break_dismissed", breakEndTimeoutMs)) << app.log().toStdString();
    const QString afterBreak = app.log().section("break_dismissed", 1);
    EXPECT_TRUE(afterBreak.startsWith(" | elapsed=20s endedEarly=false isLong=false "
                                      "outcome=completed source=routine"))
        << afterBreak.left(200).toStdString();
    EXPECT_TRUE(app.waitForLog("Break dismissal completed", exitTimeoutMs));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return home.statisticsTotal("breaksCompleted") == 1; },
        exitTimeoutMs))
        << "breaksCompleted: " << home.statisticsTotal("breaksCompleted");
    // The line comes just after the statistics are saved and may still be on its way.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return app.log().section("break_dismissed", 1).contains("timer_started | interval=60s"); },
        exitTimeoutMs))
        << app.log().toStdString();
    EXPECT_TRUE(QTest::qWaitFor([&] { return panelGeometries(probe).isEmpty(); }, exitTimeoutMs));

    ASSERT_TRUE(app.terminate(exitTimeoutMs));
    EXPECT_EQ(app.exitCode(), 0);
    for (const char *fault : {"[ERROR]", "runtime error:", "Sanitizer"})
        EXPECT_FALSE(app.hasLog(fault)) << app.log().toStdString();
}
