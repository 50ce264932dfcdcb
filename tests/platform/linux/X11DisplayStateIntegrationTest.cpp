#include "platform/linux/X11DisplayState.h"
#include "support/RunCommand.h"
#include "support/TestServices.h"
#include "support/X11ServerGrab.h"

#include <QElapsedTimer>
#include <QTest>

#include <gtest/gtest.h>

// The test X server has the screensaver extension but no DPMS: the power level cannot be
// forced here. Asking a server for an extension it lacks would close the connection, after
// which every reading would say "active"; the screensaver answers below show it stays open.

namespace {

constexpr int kTimeoutMs = 10000;

QString xset(const QStringList &arguments)
{
    return runCommand(QStringLiteral("xset"), arguments);
}

} // namespace

TEST(X11DisplayStateIntegrationTest, TheRunningScreensaverMakesTheDisplayInactive)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    QString failure;
    const std::unique_ptr<X11DisplayState> display =
        X11DisplayState::open(qgetenv("DISPLAY"), &failure);
    ASSERT_NE(display, nullptr) << failure.toStdString();
    struct WakeTheScreen
    {
        ~WakeTheScreen() { xset({"s", "reset"}); }
    } wakeWhateverHappens;

    EXPECT_TRUE(display->isMainDisplayActive());
    for (int round = 0; round < 2; ++round) {
        ASSERT_EQ(xset({"s", "activate"}), QString());
        EXPECT_TRUE(QTest::qWaitFor([&] { return !display->isMainDisplayActive(); }, kTimeoutMs))
            << "round " << round;
        ASSERT_EQ(xset({"s", "reset"}), QString());
        EXPECT_TRUE(QTest::qWaitFor([&] { return display->isMainDisplayActive(); }, kTimeoutMs))
            << "round " << round;
    }
}

// The screensaver says when it starts and stops, so a reading waits for nothing (this server
// has no DPMS, the one part that must be asked).
TEST(X11DisplayStateIntegrationTest, ReadingsNeverWaitForTheServer)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    const std::unique_ptr<X11DisplayState> display = X11DisplayState::open(qgetenv("DISPLAY"));
    ASSERT_NE(display, nullptr);
    X11ServerGrab grab(std::chrono::seconds(3));
    ASSERT_TRUE(grab.isHeld());
    QElapsedTimer readings;
    readings.start();
    for (int second = 0; second < 5; ++second)
        EXPECT_TRUE(display->isMainDisplayActive());
    // A reading that waited would have taken until the grab's end; on a busy machine the
    // readings alone may take a good part of a second.
    EXPECT_LT(readings.elapsed(), 1500);
}
