#include "core/SystemClock.h"
#include "support/FakeClock.h"

#include <QElapsedTimer>
#include <QTest>

#include <gtest/gtest.h>

namespace {

constexpr int deadlineMs = 5000;

} // namespace

TEST(FakeClockTest, RepeatingBlockFiresOncePerSecondThroughASimulatedHour)
{
    FakeClock clock;
    const QDateTime start = clock.now();
    int fired = 0;
    QDateTime lastFire;
    auto handle = clock.schedule(1.0, true, [&] {
        ++fired;
        lastFire = clock.now();
    });

    clock.advance(3600);
    EXPECT_EQ(fired, 3600);
    EXPECT_EQ(lastFire, start.addSecs(3600));
    EXPECT_EQ(clock.now(), start.addSecs(3600));
}

TEST(FakeClockTest, SchedulingStoresTheIntervalOnlyForRepeatingWorkAndRunsNothing)
{
    FakeClock clock;
    bool ran = false;
    auto once = clock.schedule(2.5, false, [&] { ran = true; });
    auto repeating = clock.schedule(1.0, true, [&] { ran = true; });

    ASSERT_EQ(clock.scheduledBlocks().size(), 2);
    EXPECT_FALSE(clock.scheduledBlocks()[0].interval.has_value());
    EXPECT_EQ(clock.scheduledBlocks()[0].fireAtMs, clock.monotonicMs() + 2500);
    EXPECT_EQ(clock.scheduledBlocks()[1].interval, 1.0);
    EXPECT_FALSE(ran);
}

TEST(FakeClockTest, BlocksRunInTimeOrderAndOneShotsRunOnce)
{
    FakeClock clock;
    QStringList timeline;
    const QDateTime start = clock.now();
    auto stamp = [&](const QString &name) {
        timeline.append(QStringLiteral("%1@%2").arg(name).arg(start.secsTo(clock.now())));
    };
    auto slow = clock.schedule(3.0, true, [&] { stamp("slow"); });
    auto fast = clock.schedule(2.0, true, [&] { stamp("fast"); });
    auto once = clock.schedule(5.0, false, [&] { stamp("once"); });

    clock.advance(7);
    EXPECT_EQ(timeline, QStringList({"fast@2", "slow@3", "fast@4", "once@5", "slow@6", "fast@6"}));
    EXPECT_EQ(clock.scheduledBlocks().size(), 2);
}

TEST(FakeClockTest, CancellingOneBlockLeavesTheOthersInPlaceAndUnfired)
{
    FakeClock clock;
    int first = 0, second = 0, third = 0;
    auto a = clock.schedule(1.0, true, [&] { ++first; });
    auto b = clock.schedule(1.0, true, [&] { ++second; });
    auto c = clock.schedule(1.0, true, [&] { ++third; });
    const QUuid firstId = clock.scheduledBlocks()[0].id;
    const QUuid thirdId = clock.scheduledBlocks()[2].id;

    b->cancel();
    b->cancel(); // a second cancel is harmless
    ASSERT_EQ(clock.scheduledBlocks().size(), 2);
    EXPECT_EQ(clock.scheduledBlocks()[0].id, firstId);
    EXPECT_EQ(clock.scheduledBlocks()[1].id, thirdId);

    c.reset(); // dropping a handle cancels its work
    clock.advance(3);
    EXPECT_EQ(first, 3);
    EXPECT_EQ(second, 0);
    EXPECT_EQ(third, 0);
}

TEST(FakeClockTest, BlocksMayRescheduleAndCancelWhileTheyRun)
{
    FakeClock clock;
    QStringList timeline;
    const QDateTime start = clock.now();
    CancellableHandle tick;
    CancellableHandle followUp;
    tick = clock.schedule(1.0, true, [&] {
        timeline.append(QStringLiteral("tick@%1").arg(start.secsTo(clock.now())));
        if (timeline.size() == 2) {
            tick->cancel(); // a block may stop its own repetition
            followUp = clock.schedule(0.5, false, [&] {
                timeline.append(QStringLiteral("follow@%1ms").arg(start.msecsTo(clock.now())));
            });
        }
    });

    clock.advance(10);
    EXPECT_EQ(timeline, QStringList({"tick@1", "tick@2", "follow@2500ms"}));
    EXPECT_TRUE(clock.scheduledBlocks().isEmpty());
}

TEST(FakeClockTest, AJumpOfTimeRunsMissedRepeatingWorkOnceThenKeepsItsRhythm)
{
    FakeClock clock;
    const QDateTime start = clock.now();
    QList<qint64> fires;
    auto handle = clock.schedule(1.0, true, [&] { fires.append(start.secsTo(clock.now())); });

    clock.skipAhead(600); // as across system sleep: nothing runs during the jump
    EXPECT_TRUE(fires.isEmpty());
    clock.advance(2);
    EXPECT_EQ(fires, QList<qint64>({600, 601, 602}));
}

// Setting the time of day, back or forward, moves neither the monotonic reading nor any
// timer: the work keeps its rhythm and sees the new time of day.
TEST(FakeClockTest, SettingTheTimeOfDayMovesNoTimerAndNoMonotonicReading)
{
    FakeClock clock;
    const QDateTime start = clock.now();
    const qint64 startMs = clock.monotonicMs();
    QStringList fires;
    auto handle = clock.schedule(1.0, true, [&] {
        fires.append(QStringLiteral("%1s/%2ms")
                         .arg(start.secsTo(clock.now()))
                         .arg(clock.monotonicMs() - startMs));
    });

    clock.advance(1);
    clock.setNow(clock.now().addSecs(-3600));
    EXPECT_EQ(clock.monotonicMs() - startMs, 1000);
    clock.advance(1);
    clock.setNow(clock.now().addSecs(7200));
    clock.advance(1);
    EXPECT_EQ(fires, QStringList({"1s/1000ms", "-3598s/2000ms", "3603s/3000ms"}));
}

TEST(FakeClockTest, CancellingAfterTheClockIsGoneDoesNothing)
{
    CancellableHandle handle;
    {
        FakeClock clock;
        handle = clock.schedule(1.0, true, [] {});
    }
    handle->cancel();
    SUCCEED();
}

TEST(SystemClockTest, OneShotWorkRunsOnceAndRepeatingWorkRepeatsUntilCancelled)
{
    SystemClock clock;
    int once = 0, repeating = 0;
    auto onceHandle = clock.schedule(0.01, false, [&] { ++once; });
    auto repeatingHandle = clock.schedule(0.01, true, [&] { ++repeating; });

    QTRY_VERIFY_WITH_TIMEOUT(repeating >= 3, deadlineMs);
    EXPECT_EQ(once, 1);

    repeatingHandle->cancel();
    repeatingHandle->cancel();
    const int afterCancel = repeating;
    // Give a cancelled timer every chance to fire; it must not.
    bool probe = false;
    auto probeHandle = clock.schedule(0.05, false, [&] { probe = true; });
    QTRY_VERIFY_WITH_TIMEOUT(probe, deadlineMs);
    EXPECT_EQ(repeating, afterCancel);
}

TEST(SystemClockTest, AStaleHandleNeverCancelsLaterWork)
{
    SystemClock clock;
    bool firstRan = false;
    auto first = clock.schedule(0.0, false, [&] { firstRan = true; });
    QTRY_VERIFY_WITH_TIMEOUT(firstRan, deadlineMs);

    // Qt may hand the finished timer's id to the next timer; the old handle must not reach it.
    int later = 0;
    auto second = clock.schedule(0.01, true, [&] { ++later; });
    first->cancel();
    first.reset();
    QTRY_VERIFY_WITH_TIMEOUT(later >= 2, deadlineMs);
}

TEST(SystemClockTest, WorkMayCancelItselfWhileRunningAndHandlesOutliveTheClock)
{
    CancellableHandle handle;
    int runs = 0;
    {
        SystemClock clock;
        handle = clock.schedule(0.0, true, [&] {
            ++runs;
            handle.reset(); // destroying its own handle from inside the work
        });
        QTRY_VERIFY_WITH_TIMEOUT(runs == 1, deadlineMs);
        auto orphan = clock.schedule(10.0, false, [] {});
        handle = std::move(orphan);
    }
    handle->cancel(); // the clock is gone: harmless
    EXPECT_EQ(runs, 1);
}

TEST(SystemClockTest, TheMonotonicReadingKeepsPaceWithElapsedTimeAndNeverGoesBack)
{
    SystemClock clock;
    QElapsedTimer elapsed;
    elapsed.start();
    const qint64 first = clock.monotonicMs();
    bool done = false;
    auto wait = clock.schedule(0.2, false, [&] { done = true; });
    QTRY_VERIFY_WITH_TIMEOUT(done, deadlineMs);
    const qint64 passed = clock.monotonicMs() - first;
    EXPECT_GE(passed, 150);
    EXPECT_LE(std::abs(passed - elapsed.elapsed()), 50);
}

TEST(SystemClockTest, OneSecondTicksStartedApartShareTheirWakeups)
{
    SystemClock clock;
    QElapsedTimer elapsed;
    elapsed.start();
    QList<qint64> first, second;
    auto firstTick = clock.schedule(1.0, true, [&] { first.append(elapsed.elapsed()); });
    bool apart = false;
    auto delay = clock.schedule(0.3, false, [&] { apart = true; });
    QTRY_VERIFY_WITH_TIMEOUT(apart, deadlineMs);
    auto secondTick = clock.schedule(1.0, true, [&] { second.append(elapsed.elapsed()); });

    QTRY_VERIFY_WITH_TIMEOUT(first.size() >= 3 && second.size() >= 2, deadlineMs);
    // Each tick of the later timer comes in the same wakeup as one of the earlier timer.
    const qint64 nearest = std::abs(second[1] - first[1]) < std::abs(second[1] - first[2])
        ? first[1]
        : first[2];
    EXPECT_LE(std::abs(second[1] - nearest), 20) << "first " << first[1] << "/" << first[2]
                                                  << ", second " << second[1];
}
