#include "platform/linux/X11InputState.h"
#include "platform/linux/XcbConnection.h"
#include "support/RunCommand.h"
#include "support/TestServices.h"
#include "support/X11ServerGrab.h"

#include <QElapsedTimer>
#include <QTest>

#include <xcb/screensaver.h>

#include <gtest/gtest.h>

// Input made with xdotool through the XTEST extension reaches the X server as a real
// device's would: raw events to the clients that selected them and a reset of the
// screensaver idle counter.

namespace {

constexpr int kTimeoutMs = 10000;
// Both readings must have grown this far before a test makes input, so that a reading
// that was wrongly reset shows plainly.
constexpr double kSettledSeconds = 1.0;
// Reading to reading within one test, after the clocks were read a moment apart.
constexpr double kClockSlack = 0.15;

QString xdotool(const QStringList &arguments,
                EventLoopWhileRunning eventLoop = EventLoopWhileRunning::Turns)
{
    return runCommand(QStringLiteral("xdotool"), arguments, eventLoop);
}

// The X server's own idle counter, as a second client sees it.
double serverIdleSeconds()
{
    const std::unique_ptr<XcbConnection> x = XcbConnection::open(qgetenv("DISPLAY"));
    if (!x)
        return -1.0;
    const XcbReply<xcb_screensaver_query_info_reply_t> info(xcb_screensaver_query_info_reply(
        x->get(), xcb_screensaver_query_info(x->get(), x->root()), nullptr));
    return info ? info->ms_since_user_input / 1000.0 : -1.0;
}

class X11InputStateIntegrationTest : public ::testing::Test
{
protected:
    void openInput()
    {
        QString failure;
        m_input = X11InputState::open(qgetenv("DISPLAY"), &failure);
        ASSERT_NE(m_input, nullptr) << failure.toStdString();
    }

    double keyboard() const { return m_input->secondsSinceKeyboardActivity(); }
    double pointer() const { return m_input->secondsSincePointerActivity(); }

    void waitUntilIdleFor(double seconds)
    {
        ASSERT_TRUE(QTest::qWaitFor([&] { return keyboard() >= seconds && pointer() >= seconds; },
                                    kTimeoutMs))
            << "keyboard " << keyboard() << " s, pointer " << pointer() << " s";
    }

    // Once both readings have settled, what xdotool's `command` does with the pointer resets
    // the pointer's reading while the keyboard's grows on.
    void expectPointerActivity(const QStringList &command)
    {
        ASSERT_NO_FATAL_FAILURE(openInput());
        ASSERT_NO_FATAL_FAILURE(waitUntilIdleFor(kSettledSeconds));
        const double keyboardBefore = keyboard();
        QElapsedTimer sinceBefore;
        sinceBefore.start();

        ASSERT_EQ(xdotool(command), QString());
        ASSERT_TRUE(QTest::qWaitFor([&] { return pointer() < 1.0; }, kTimeoutMs)) << pointer();
        EXPECT_NEAR(keyboard(), keyboardBefore + sinceBefore.elapsed() / 1000.0, kClockSlack);
    }

    std::unique_ptr<X11InputState> m_input;
};

} // namespace

TEST_F(X11InputStateIntegrationTest, BothReadingsStartFromTheServerIdleCounter)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    ASSERT_EQ(xdotool({"mousemove_relative", "1", "1"}), QString());
    ASSERT_TRUE(QTest::qWaitFor([] { return serverIdleSeconds() >= kSettledSeconds; }, kTimeoutMs));

    openInput();
    const double keyboardAtStart = keyboard();
    const double pointerAtStart = pointer();
    const double server = serverIdleSeconds();
    EXPECT_NEAR(keyboardAtStart, server, kClockSlack);
    EXPECT_NEAR(pointerAtStart, server, kClockSlack);
}

TEST_F(X11InputStateIntegrationTest, AKeyStrokeResetsTheKeyboardReadingWhileThePointerReadingGrows)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    openInput();
    waitUntilIdleFor(kSettledSeconds);
    const double pointerBefore = pointer();
    QElapsedTimer sinceBefore;
    sinceBefore.start();

    // With the event loop held up, the key's events still wait in the socket when the
    // pointer is read first: the reading must take them in before it judges the counter.
    ASSERT_EQ(xdotool({"key", "a"}, EventLoopWhileRunning::Blocked), QString());
    EXPECT_NEAR(pointer(), pointerBefore + sinceBefore.elapsed() / 1000.0, kClockSlack);
    ASSERT_TRUE(QTest::qWaitFor([&] { return keyboard() < 1.0; }, kTimeoutMs)) << keyboard();
    // The key's release reset the server's counter too; readings taken well after it
    // must still not count it as the pointer.
    ASSERT_TRUE(QTest::qWaitFor([&] { return serverIdleSeconds() >= 0.5; }, kTimeoutMs));
    EXPECT_NEAR(pointer(), pointerBefore + sinceBefore.elapsed() / 1000.0, kClockSlack);
    EXPECT_LT(keyboard(), 1.0 + kClockSlack);
}

TEST_F(X11InputStateIntegrationTest, HoldingAKeyIsTypingForAsLongAsItRepeats)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    openInput();
    waitUntilIdleFor(kSettledSeconds);
    struct ReleaseKey
    {
        ~ReleaseKey() { xdotool({"keyup", "a"}); }
    } releaseWhateverHappens;
    const double pointerBefore = pointer();
    QElapsedTimer sinceBefore;
    sinceBefore.start();

    ASSERT_EQ(xdotool({"keydown", "a"}), QString());
    // The hold: long enough for the server to repeat the key many times.
    QTest::qWait(1500);
    EXPECT_LT(keyboard(), 0.2);
    EXPECT_NEAR(pointer(), pointerBefore + sinceBefore.elapsed() / 1000.0, kClockSlack);

    ASSERT_EQ(xdotool({"keyup", "a"}), QString());
    ASSERT_TRUE(QTest::qWaitFor([&] { return keyboard() >= 0.5; }, kTimeoutMs));
    EXPECT_LT(keyboard(), 0.5 + kClockSlack);
    EXPECT_NEAR(pointer(), pointerBefore + sinceBefore.elapsed() / 1000.0, kClockSlack);

    // Released, the key no longer claims what the counter shows.
    ASSERT_EQ(xdotool({"mousemove_relative", "3", "3"}), QString());
    EXPECT_TRUE(QTest::qWaitFor([&] { return pointer() < 0.5; }, kTimeoutMs)) << pointer();
}

TEST_F(X11InputStateIntegrationTest, RelativeMotionResetsThePointerReadingWhileTheKeyboardOneGrows)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    expectPointerActivity({"mousemove_relative", "5", "5"});
}

TEST_F(X11InputStateIntegrationTest, ScrollingCountsAsPointerActivity)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    expectPointerActivity({"click", "5"}); // one step of the wheel, downwards
}

TEST_F(X11InputStateIntegrationTest, ReleasingAHeldButtonDoesNotResetThePointerReading)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    openInput();
    waitUntilIdleFor(kSettledSeconds);
    struct ReleaseButton
    {
        ~ReleaseButton() { xdotool({"mouseup", "1"}); }
    } releaseWhateverHappens;

    ASSERT_EQ(xdotool({"mousedown", "1"}), QString());
    ASSERT_TRUE(QTest::qWaitFor([&] { return pointer() < 1.0; }, kTimeoutMs)) << pointer();
    // The hold: two seconds with the button down and the mouse still.
    QTest::qWait(2000);
    const double pointerBeforeRelease = pointer();
    ASSERT_GE(pointerBeforeRelease, 2.0);
    QElapsedTimer sinceRelease;
    sinceRelease.start();

    ASSERT_EQ(xdotool({"mouseup", "1"}), QString());
    // xdotool waits for the server before it exits, so the counter already shows the
    // release; then readings go on being taken for a while after it.
    ASSERT_LT(serverIdleSeconds(), 1.0);
    ASSERT_TRUE(QTest::qWaitFor([] { return serverIdleSeconds() >= 0.5; }, kTimeoutMs));
    EXPECT_NEAR(pointer(), pointerBeforeRelease + sinceRelease.elapsed() / 1000.0, kClockSlack);
}

// The readings take in what the server sent on its own and never wait for an answer: a
// question each second would wake the process each second.
TEST_F(X11InputStateIntegrationTest, ReadingsNeverWaitForTheServer)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    openInput();
    X11ServerGrab grab(std::chrono::seconds(3));
    ASSERT_TRUE(grab.isHeld());
    QElapsedTimer readings;
    readings.start();
    for (int second = 0; second < 5; ++second) {
        EXPECT_GE(keyboard(), 0.0);
        EXPECT_GE(pointer(), 0.0);
    }
    // A reading that waited would have taken until the grab's end; on a busy machine the
    // readings alone may take a good part of a second.
    EXPECT_LT(readings.elapsed(), 1500);
}
