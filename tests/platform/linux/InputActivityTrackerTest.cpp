#include "platform/linux/InputActivityTracker.h"

#include <gtest/gtest.h>

// Scripted X readings: times are monotonic seconds; the clock since boot runs 1000 s ahead
// of it, plus whatever time the machine spent suspended.

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
        return m_tracker.secondsSinceKeyboardActivity(at(monotonic).sinceBoot);
    }
    double pointerAt(double monotonic) const
    {
        return m_tracker.secondsSincePointerActivity(at(monotonic).sinceBoot);
    }
    // The server's counter read at `now`, its last input having come at `lastInput`.
    void counterShows(double now, double lastInput)
    {
        m_tracker.idleCounterRead(at(now), now - lastInput);
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
    EXPECT_DOUBLE_EQ(pointerAt(100.0), 30.0);
    counterShows(105.0, 70.0);
    EXPECT_DOUBLE_EQ(keyboardAt(105.0), 35.0);
    EXPECT_DOUBLE_EQ(pointerAt(105.0), 35.0);
}

TEST_F(InputActivityTrackerTest, AKeyStrokeResetsTheKeyboardOnlyThoughItsReleaseResetTheCounter)
{
    m_tracker.start(at(100.0), 10.0);
    typeKey(101.0, 101.08);
    counterShows(102.0, 101.08);
    EXPECT_NEAR(keyboardAt(102.0), 1.0, 1e-9);
    EXPECT_NEAR(pointerAt(102.0), 12.0, 1e-9);

    // A key held down, released long after its press: still no pointer activity.
    m_tracker.keyPressed(at(103.0), kShift, false);
    counterShows(103.5, 103.0);
    m_tracker.keyReleased(at(106.0), kShift);
    counterShows(106.5, 106.0);
    EXPECT_NEAR(keyboardAt(107.0), 4.0, 1e-9);
    EXPECT_NEAR(pointerAt(107.0), 17.0, 1e-9);
}

TEST_F(InputActivityTrackerTest, InputNoEventExplainsIsPointerActivityWhenTheCounterSawIt)
{
    m_tracker.start(at(100.0), 10.0);
    counterShows(105.0, 104.6); // motion at 104.6, noticed only at 105
    EXPECT_NEAR(pointerAt(106.0), 1.4, 1e-9);
    EXPECT_NEAR(keyboardAt(106.0), 16.0, 1e-9);

    // Asking again without new input changes nothing.
    counterShows(107.0, 104.6);
    EXPECT_NEAR(pointerAt(108.0), 3.4, 1e-9);
}

TEST_F(InputActivityTrackerTest, HoldingAButtonCountsFromThePressNotTheRelease)
{
    m_tracker.start(at(100.0), 10.0);
    m_tracker.buttonPressed(at(101.0));
    counterShows(101.5, 101.0);
    EXPECT_NEAR(pointerAt(101.5), 0.5, 1e-9);

    m_tracker.buttonReleased(at(103.0));
    counterShows(103.5, 103.0);
    EXPECT_NEAR(pointerAt(104.0), 3.0, 1e-9);
    EXPECT_NEAR(keyboardAt(104.0), 14.0, 1e-9);
}

TEST_F(InputActivityTrackerTest, SuspendCountsAsIdleAndIsNotMistakenForInput)
{
    m_tracker.start(at(100.0), 5.0);
    counterShows(101.0, 95.0);
    // An hour asleep: neither the monotonic clock nor the server's counter moved.
    suspendFor(3600.0);
    counterShows(101.5, 95.0);
    EXPECT_NEAR(pointerAt(101.5), 3606.5, 1e-9);
    EXPECT_NEAR(keyboardAt(101.5), 3606.5, 1e-9);

    // The first motion after waking is seen as such.
    counterShows(103.0, 102.5);
    EXPECT_NEAR(pointerAt(103.0), 0.5, 1e-9);
    EXPECT_NEAR(keyboardAt(103.0), 3608.0, 1e-9);
}

TEST_F(InputActivityTrackerTest, HeldKeyRepeatsAreTypingButMotionUnderAHeldModifierIsThePointer)
{
    m_tracker.start(at(100.0), 10.0);
    // The repeats reset the counter without any event of their own.
    m_tracker.keyPressed(at(101.0), kLetterA, true);
    counterShows(102.0, 101.96);
    counterShows(103.0, 102.98);
    EXPECT_NEAR(keyboardAt(103.0), 0.02, 1e-9);
    EXPECT_NEAR(pointerAt(103.0), 13.0, 1e-9);
    m_tracker.keyReleased(at(103.5), kLetterA);
    counterShows(104.0, 103.5);
    EXPECT_NEAR(pointerAt(104.0), 14.0, 1e-9);

    // Released, the letter no longer claims what the counter shows; Shift never does.
    m_tracker.keyPressed(at(105.0), kShift, false);
    counterShows(106.0, 105.8);
    EXPECT_NEAR(pointerAt(106.0), 0.2, 1e-9);
    EXPECT_NEAR(keyboardAt(106.0), 1.0, 1e-9);
}

TEST_F(InputActivityTrackerTest, KeyThenMotionWithinOneReadingIsBoth)
{
    m_tracker.start(at(100.0), 10.0);
    typeKey(101.0, 101.1);
    counterShows(102.0, 101.5); // the pointer moved until 101.5, after the key
    EXPECT_NEAR(keyboardAt(102.0), 1.0, 1e-9);
    EXPECT_NEAR(pointerAt(102.0), 0.5, 1e-9);
}

TEST_F(InputActivityTrackerTest, MotionThenKeyKeepsTheMotionAlreadySeen)
{
    m_tracker.start(at(100.0), 10.0);
    counterShows(101.2, 101.0);
    typeKey(101.5, 101.6);
    counterShows(102.0, 101.6);
    EXPECT_NEAR(pointerAt(103.0), 2.0, 1e-9);
    EXPECT_NEAR(keyboardAt(103.0), 1.5, 1e-9);
}

TEST_F(InputActivityTrackerTest, SmallCounterErrorsAndLateEventsAreNotPointerActivity)
{
    m_tracker.start(at(100.0), 10.0);
    // The counter's whole milliseconds and coarse clock: last input wobbles by 20 ms.
    counterShows(101.0, 90.02);
    counterShows(102.0, 89.99);
    counterShows(103.0, 90.03);
    EXPECT_NEAR(pointerAt(104.0), 14.0, 1e-9);

    // A release read 0.2 s after it happened, the main thread having been busy.
    m_tracker.keyPressed(at(104.95), kLetterA, true);
    m_tracker.keyReleased(at(105.2), kLetterA);
    counterShows(105.3, 105.0);
    EXPECT_NEAR(pointerAt(106.0), 16.0, 1e-9);
    EXPECT_NEAR(keyboardAt(106.0), 1.05, 1e-9);
}

TEST_F(InputActivityTrackerTest, LongTypingWithoutReadingsStillExplainsTheLastKey)
{
    m_tracker.start(at(100.0), 10.0);
    double time = 101.0;
    for (int stroke = 0; stroke < 500; ++stroke, time += 0.1)
        typeKey(time, time + 0.05);
    const double lastRelease = time - 0.1 + 0.05;
    counterShows(time, lastRelease);
    EXPECT_NEAR(pointerAt(time), time - 90.0, 1e-6);
    EXPECT_NEAR(keyboardAt(time), 0.1, 1e-6);
}
