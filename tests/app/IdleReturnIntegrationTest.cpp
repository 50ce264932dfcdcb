#include "support/AppHome.h"
#include "support/AppProcess.h"
#include "support/LoadAllowance.h"
#include "support/RunCommand.h"
#include "support/TestServices.h"

#include <QElapsedTimer>
#include <QRegularExpression>

#include <gtest/gtest.h>

// The real application on the test desktop with a one-minute idle timeout: a minute without
// input holds the break timer, and the pointer moving again resumes it.

namespace {

constexpr int startTimeoutMs = 20000;
constexpr int exitTimeoutMs = 10000;
// The idle minute and the tick that confirms it.
constexpr qint64 idleMs = 60000;
constexpr qint64 tickMs = 1000;
constexpr int returnTimeoutMs = 10000;
// How often the pointer moves while the test waits for the return to be noticed.
constexpr int moveEveryMs = 100;

// An absolute move by another program makes no raw motion event; it resets the X server's
// idle counter, which the application reads as pointer activity. Two positions, so that each
// move really moves.
QString movePointer(int step)
{
    return runCommand("xdotool", {"mousemove", step % 2 ? "300" : "900", "400"});
}

} // namespace

TEST(IdleReturnIntegrationTest, AMinuteWithoutInputStartsIdleAndMovingThePointerEndsIt)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    if (!AppProcess::logIsReadable())
        GTEST_SKIP() << "the log goes to the journal, where this test cannot read it";
    AppHome home;
    ASSERT_TRUE(home.isValid());
    ASSERT_TRUE(home.writeSettings({
        {"hasCompletedOnboarding", true},
        {"idleDetectionEnabled", true},
        {"idleTimeoutMinutes", 1},
        {"idleResetThresholdMinutes", 10},
    }));

    AppProcess app(home.environment());
    // The desktop may have been quiet for long before this test; the minute starts here, a
    // moment after this reading of the clock.
    const QDateTime beforeInput = QDateTime::currentDateTime();
    ASSERT_EQ(movePointer(0), QString());
    ASSERT_TRUE(app.start());
    ASSERT_TRUE(app.waitForLog("[Launch] runtime_services_started", startTimeoutMs))
        << app.log().toStdString();
    const qint64 idleBound = withLoadAllowanceMs(idleMs + tickMs);
    ASSERT_TRUE(app.waitForLog("idle_started | ", int(idleBound))) << app.log().toStdString();
    const std::optional<QDateTime> idleAt = app.loggedAt("idle_started | ");
    ASSERT_TRUE(idleAt);
    RecordProperty("idleAfterInputMs", int(beforeInput.msecsTo(*idleAt)));
    EXPECT_GE(beforeInput.msecsTo(*idleAt), idleMs) << "idle began before a minute without input";
    // The idle time the tick read from the X server: a minute, and more only by a late tick.
    const QRegularExpressionMatch detected =
        QRegularExpression(QStringLiteral("detectedIdle=([0-9]+)s")).match(app.log());
    ASSERT_TRUE(detected.hasMatch()) << app.log().toStdString();
    EXPECT_GE(detected.captured(1).toLongLong() * 1000, idleMs);
    EXPECT_LE(detected.captured(1).toLongLong() * 1000, idleBound);
    EXPECT_FALSE(app.hasLog("idle_completed")) << "the return came without input";

    // The return is seen by the first tick after a move, so the pointer keeps moving, as a
    // person's hand does, until it is.
    QElapsedTimer sinceReturn;
    sinceReturn.start();
    bool returned = false;
    for (int step = 1; !returned && sinceReturn.elapsed() < returnTimeoutMs; ++step) {
        ASSERT_EQ(movePointer(step), QString());
        returned = app.waitForLog("idle_completed | ", moveEveryMs);
    }
    ASSERT_TRUE(returned) << app.log().toStdString();
    EXPECT_TRUE(app.hasLog("countedAsBreak=false")) << app.log().toStdString();
    EXPECT_TRUE(app.hasLog("outcome=resume")) << app.log().toStdString();
    RecordProperty("secondsToReturn", int(sinceReturn.elapsed() / 1000));

    ASSERT_TRUE(app.terminate(exitTimeoutMs));
    EXPECT_EQ(app.exitCode(), 0);
    for (const char *fault : {"[ERROR]", "runtime error:", "Sanitizer"})
        EXPECT_FALSE(app.hasLog(fault)) << app.log().toStdString();
}
