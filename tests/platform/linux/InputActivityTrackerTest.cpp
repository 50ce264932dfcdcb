#include "platform/linux/InputActivityTracker.h"

#include <gtest/gtest.h>

// Scripted X events on a timeline: times are monotonic seconds; the clock since boot runs
// 1000 s ahead of it, plus whatever time the machine spent suspended. The server's quiet
// alarm goes off one second after the last input, its input alarm at the first input after.

namespace {

constexpr unsigned kLetterA = 38; // repeats while held
constexpr unsigned kShift = 50;   // does not

class InputActivityTrackerTest : public ::testing::Test
{
protected:
    InputActivityTracker::Moment at(double monotonic) const
    {
        return {monotonic, monotonic + 1000.0 + m_suspended};
    }
    void suspendFor(double seconds) { m_suspended += seconds; }

    double keyboardAt(double monotonic) const
    {
        return m_tracker.secondsSinceKeyboardActivity(at(monotonic));
    }
    double pointerAt(double monotonic) const
    {
        return m_tracker.secondsSincePointerActivity(at(monotonic));
    }
    // The alarms as the server sends them: input comes again at `input` after a quiet
    // second; the quiet alarm a second after the last input.
    void inputAt(double input) { m_tracker.inputResumed(at(input + 0.002), 0.002); }
    void quietAfter(double lastInput)
    {
        m_tracker.quietReached(at(lastInput + 1.001), 1.001);
    }
    void typeKey(double pressed, double released)
    {
        m_tracker.keyPressed(at(pressed), kLetterA, true);
        m_tracker.keyReleased(at(released), kLetterA);
    }

    InputActivityTracker m_tracker;
    double m_suspended = 0.0;
};

} // namespace

TEST_F(InputActivityTrackerTest, BothReadingsStartFromTheIdleCounterAndGrow)
{
    m_tracker.start(at(100.0), 30.0);
    EXPECT_DOUBLE_EQ(keyboardAt(100.0), 30.0);
    EXPECT_DOUBLE_EQ(pointerAt(105.0), 35.0);

    // Input a moment before the start: the user is at work; the quiet alarm gives its time.
    m_tracker.start(at(200.0), 0.4);
    EXPECT_DOUBLE_EQ(pointerAt(200.5), 0.0);
    quietAfter(199.6);
    EXPECT_NEAR(pointerAt(201.0), 1.4, 1e-9);
    EXPECT_NEAR(keyboardAt(201.0), 1.4, 1e-9);
}

TEST_F(InputActivityTrackerTest, AKeyStrokeResetsTheKeyboardOnlyThoughItsReleaseResetTheCounter)
{
    m_tracker.start(at(100.0), 10.0);
    m_tracker.keyPressed(at(101.0), kLetterA, true);
    inputAt(101.0);
    m_tracker.keyReleased(at(101.08), kLetterA);
    for (double now : {101.5, 102.0, 102.05}) {
        EXPECT_NEAR(keyboardAt(now), now - 101.08, 1e-9) << now;
        EXPECT_NEAR(pointerAt(now), now - 90.0, 1e-9) << now;
    }
    quietAfter(101.08);
    EXPECT_NEAR(pointerAt(103.0), 13.0, 1e-9);

    // A modifier held down, released long after its press: still no pointer activity,
    // and the keyboard counts from the press.
    m_tracker.keyPressed(at(104.0), kShift, false);
    inputAt(104.0);
    quietAfter(104.0);
    m_tracker.keyReleased(at(107.0), kShift);
    inputAt(107.0);
    quietAfter(107.0);
    EXPECT_NEAR(keyboardAt(108.5), 4.5, 1e-9);
    EXPECT_NEAR(pointerAt(108.5), 18.5, 1e-9);
}

// Motion raises no event of its own: the input alarm shows it at once, and while it goes
// on it reads as this second's activity; the quiet alarm then dates its end.
TEST_F(InputActivityTrackerTest, MotionIsSeenFromTheAlarmsAlone)
{
    m_tracker.start(at(100.0), 10.0);
    inputAt(104.6);
    EXPECT_DOUBLE_EQ(pointerAt(104.7), 0.0);
    EXPECT_DOUBLE_EQ(pointerAt(106.0), 0.0); // still moving
    EXPECT_NEAR(keyboardAt(106.0), 16.0, 1e-9);
    quietAfter(106.3);
    EXPECT_NEAR(pointerAt(108.0), 1.7, 1e-9);

    // A quiet alarm again for the same input changes nothing.
    m_tracker.quietReached(at(108.5), 2.2);
    EXPECT_NEAR(pointerAt(109.0), 2.7, 1e-9);
}

TEST_F(InputActivityTrackerTest, HoldingAButtonCountsFromThePressNotTheRelease)
{
    m_tracker.start(at(100.0), 10.0);
    m_tracker.buttonPressed(at(101.0));
    inputAt(101.0);
    EXPECT_NEAR(pointerAt(101.5), 0.5, 1e-9);
    quietAfter(101.0);

    m_tracker.buttonReleased(at(103.0));
    inputAt(103.0);
    EXPECT_NEAR(pointerAt(103.5), 2.5, 1e-9);
    quietAfter(103.0);
    EXPECT_NEAR(pointerAt(104.5), 3.5, 1e-9);
    EXPECT_NEAR(keyboardAt(104.5), 14.5, 1e-9);
}

TEST_F(InputActivityTrackerTest, SuspendCountsAsIdleAndIsNotMistakenForInput)
{
    m_tracker.start(at(100.0), 5.0);
    // An hour asleep: neither the monotonic clock nor the server's counter moved.
    suspendFor(3600.0);
    EXPECT_NEAR(pointerAt(101.5), 3606.5, 1e-9);
    EXPECT_NEAR(keyboardAt(101.5), 3606.5, 1e-9);

    // The first motion after waking is seen as such.
    inputAt(102.5);
    quietAfter(102.5);
    EXPECT_NEAR(pointerAt(104.0), 1.5, 1e-9);
    EXPECT_NEAR(keyboardAt(104.0), 3609.0, 1e-9);
}

TEST_F(InputActivityTrackerTest, AHeldRepeatingKeyIsTypingUntilItsReleaseButAModifierIsNot)
{
    m_tracker.start(at(100.0), 10.0);
    // The repeats keep the counter low without any event of their own.
    m_tracker.keyPressed(at(101.0), kLetterA, true);
    inputAt(101.0);
    EXPECT_DOUBLE_EQ(keyboardAt(102.5), 0.0);
    EXPECT_NEAR(pointerAt(102.5), 12.5, 1e-9);
    m_tracker.keyReleased(at(103.0), kLetterA);
    EXPECT_NEAR(keyboardAt(103.4), 0.4, 1e-9);
    quietAfter(103.0);
    EXPECT_NEAR(pointerAt(104.5), 14.5, 1e-9);

    // Under a held modifier, motion is still the pointer.
    m_tracker.keyPressed(at(105.0), kShift, false);
    inputAt(105.0);
    EXPECT_NEAR(pointerAt(105.5), 15.5, 1e-9); // the press alone explains the input so far
    EXPECT_DOUBLE_EQ(pointerAt(106.5), 0.0);   // input goes on past the press: motion
    quietAfter(106.4);
    EXPECT_NEAR(pointerAt(107.5), 1.1, 1e-9);
    EXPECT_NEAR(keyboardAt(107.5), 2.5, 1e-9);
}

TEST_F(InputActivityTrackerTest, KeyAndMotionWithinTheSameBusySecond)
{
    m_tracker.start(at(100.0), 10.0);
    typeKey(101.0, 101.1);
    inputAt(101.0);
    // The pointer moves until 101.5, after the key: known once the key is a second old...
    EXPECT_NEAR(pointerAt(102.0), 12.0, 1e-9);
    EXPECT_DOUBLE_EQ(pointerAt(102.2), 0.0);
    // ...and exactly when the quiet alarm comes.
    quietAfter(101.5);
    EXPECT_NEAR(pointerAt(103.0), 1.5, 1e-9);
    EXPECT_NEAR(keyboardAt(103.0), 1.9, 1e-9);

    // Motion, then a key before a quiet second: the motion already seen stays.
    inputAt(104.0);
    typeKey(104.5, 104.6);
    quietAfter(104.6);
    EXPECT_NEAR(pointerAt(106.0), 2.0, 1e-9);
    EXPECT_NEAR(keyboardAt(106.0), 1.4, 1e-9);
}

TEST_F(InputActivityTrackerTest, SmallCounterErrorsAreNotPointerActivity)
{
    m_tracker.start(at(100.0), 10.0);
    // Whole milliseconds and a time taken a moment late: the last input wobbles by 20 ms.
    m_tracker.quietReached(at(101.0), 10.98);
    m_tracker.quietReached(at(102.0), 12.01);
    EXPECT_NEAR(pointerAt(104.0), 14.0, 1e-9);

    m_tracker.keyPressed(at(104.95), kLetterA, true);
    m_tracker.keyReleased(at(105.0), kLetterA);
    m_tracker.inputResumed(at(104.97), 0.0);
    m_tracker.quietReached(at(106.03), 1.0);
    EXPECT_NEAR(pointerAt(106.5), 16.5, 1e-9);
    EXPECT_NEAR(keyboardAt(106.5), 1.5, 1e-9);
}

TEST_F(InputActivityTrackerTest, LongTypingWithoutAPauseStillExplainsTheLastKey)
{
    m_tracker.start(at(100.0), 10.0);
    typeKey(101.0, 101.05);
    inputAt(101.0);
    double time = 101.1;
    for (int stroke = 0; stroke < 500; ++stroke, time += 0.1)
        typeKey(time, time + 0.05);
    const double lastRelease = time - 0.1 + 0.05;
    EXPECT_NEAR(pointerAt(time), time - 90.0, 1e-6);
    quietAfter(lastRelease);
    EXPECT_NEAR(pointerAt(time + 1.0), time + 1.0 - 90.0, 1e-6);
    EXPECT_NEAR(keyboardAt(time + 1.0), time + 1.0 - lastRelease, 1e-6);
}
