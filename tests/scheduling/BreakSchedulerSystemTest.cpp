#include "support/BreakSchedulerRig.h"

#include <gtest/gtest.h>

namespace {

QVariant integer(qint64 value)
{
    return QVariant::fromValue(value);
}

// A 25-minute interval with idle detection on (away after 5 minutes, reset after 20) and the
// user at the keyboard.
struct SleepRig : BreakSchedulerRig
{
    explicit SleepRig(QVariantMap stored = {},
                      QDateTime start = QDateTime(QDate(2025, 3, 4), QTime(9, 0)))
        : BreakSchedulerRig(withSleepSettings(std::move(stored)), std::move(start))
    {
        input.setIdleSeconds(0);
    }

    static QVariantMap withSleepSettings(QVariantMap stored)
    {
        stored.insert("idleDetectionEnabled", true);
        stored.insert("breakInterval", integer(25));
        stored.insert("idleTimeoutMinutes", integer(5));
        stored.insert("idleResetThresholdMinutes", integer(20));
        return stored;
    }

    // The machine sleeps: the clock jumps and no tick runs meanwhile.
    void sleepFor(double seconds)
    {
        scheduler.systemWillSleep();
        clock.skipAhead(seconds);
        scheduler.systemDidWake();
    }
};

} // namespace

TEST(BreakSchedulerSystemTest, TimeAsleepCountsAsTimeAwayThoughNoTickRan)
{
    SleepRig rig;
    rig.scheduler.start();
    rig.clock.advance(100);
    rig.scheduler.systemWillSleep();
    EXPECT_EQ(rig.events("idle_started"),
              QStringList({"idle_started | departureRemaining=1400s detectedIdle=0s "
                           "restoredRemaining=1400s"}));
    EXPECT_EQ(rig.events("system_sleep_started"),
              QStringList({"system_sleep_started | awaySessionActive=true timerWasRunning=true"}));
    EXPECT_TRUE(rig.clock.scheduledBlocks().isEmpty());

    rig.clock.skipAhead(30 * 60);
    rig.scheduler.systemDidWake();
    EXPECT_EQ(rig.events("wake_timer_resumed"),
              QStringList({"wake_timer_resumed | awaySessionActive=true"}));
    EXPECT_EQ(rig.scheduler.timeRemaining(), 1400.0); // wake itself leaves the countdown alone
    rig.clock.advance(1);
    EXPECT_EQ(rig.events("idle_completed"),
              QStringList({"idle_completed | countedAsBreak=true departureRemaining=1400s "
                           "duration=1801s nextRemaining=1500s outcome=\"full reset\""}));
    EXPECT_EQ(rig.today().idleBreakSeconds, 1801);
    rig.clock.advance(1);
    EXPECT_EQ(rig.scheduler.timeRemaining(), 1499.0);

    // A nap shorter than the reset continues where the interval stood.
    SleepRig nap;
    nap.scheduler.start();
    nap.clock.advance(100);
    nap.sleepFor(5 * 60);
    nap.clock.advance(2);
    EXPECT_EQ(nap.scheduler.timeRemaining(), 1399.0);
    EXPECT_EQ(nap.today().idleBreaks, 0);
}

TEST(BreakSchedulerSystemTest, WakeRestartsTheTickOnlyWhenAskedToAndWhenItRanBefore)
{
    SleepRig stayStopped({{"startAfterWake", false}});
    stayStopped.scheduler.start();
    stayStopped.sleepFor(600);
    EXPECT_FALSE(stayStopped.scheduler.isRunning());
    EXPECT_EQ(stayStopped.events("wake_timer_stayed_stopped").size(), 1);
    stayStopped.clock.advance(60);
    EXPECT_EQ(stayStopped.scheduler.timeRemaining(), 1500.0);
    // With no tick to notice the return, the absence begun at sleep ends at wake: reminders,
    // planned breaks and typing health do not stay held for idle until a start by hand.
    EXPECT_FALSE(stayStopped.scheduler.isSystemIdle());
    EXPECT_FALSE(stayStopped.scheduler.awaySession().has_value());
    EXPECT_FALSE(stayStopped.reminders.isSuppressed(ReminderSuppressionReason::idle));
    EXPECT_FALSE(stayStopped.wellness.pauseReasons().contains(PauseReason::idle));
    EXPECT_FALSE(stayStopped.plannedBreaks.suspensionReasons().contains(PauseReason::idle));

    // Stopped before sleeping: wake does not start it.
    SleepRig stopped;
    stopped.scheduler.start();
    stopped.scheduler.stop();
    stopped.sleepFor(600);
    EXPECT_FALSE(stopped.scheduler.isRunning());
    EXPECT_TRUE(stopped.events("wake_timer_resumed").isEmpty());
    EXPECT_TRUE(stopped.events("idle_started").isEmpty()); // a stopped timer has no away time
}

TEST(BreakSchedulerSystemTest, WakingAfterOfficeHoursEndedLeavesTheTickToTheirCoordinator)
{
    SleepRig rig({{"officeHoursEnabled", true}},
                 QDateTime(QDate(2025, 3, 4), QTime(17, 50)));
    rig.scheduler.start();
    rig.sleepFor(40 * 60); // wakes at 18:30
    EXPECT_FALSE(rig.scheduler.isRunning());
    EXPECT_TRUE(rig.events("wake_timer_resumed").isEmpty());
    EXPECT_TRUE(rig.clock.scheduledBlocks().isEmpty());
}

TEST(BreakSchedulerSystemTest, AFallInTheScreenCountRecordsWhenADisplayWasUnplugged)
{
    BreakSchedulerRig rig;
    EXPECT_EQ(rig.scheduler.maxScreenCountThisSession(), 1);
    rig.screens = 2;
    rig.scheduler.screenParametersDidChange();
    EXPECT_EQ(rig.scheduler.maxScreenCountThisSession(), 2);
    EXPECT_FALSE(rig.scheduler.lastDisplayDisconnectTime().has_value());

    rig.clock.advance(42);
    rig.screens = 1;
    rig.scheduler.screenParametersDidChange();
    EXPECT_EQ(rig.scheduler.maxScreenCountThisSession(), 1);
    EXPECT_EQ(rig.scheduler.lastDisplayDisconnectTime(), rig.clock.now());

    rig.clock.advance(5);
    rig.scheduler.screenParametersDidChange(); // a new resolution, the same single screen
    EXPECT_EQ(rig.scheduler.lastDisplayDisconnectTime(), rig.clock.now().addSecs(-5));

    rig.screens = 2;
    rig.scheduler.screenParametersDidChange();
    EXPECT_FALSE(rig.scheduler.lastDisplayDisconnectTime().has_value());
    EXPECT_EQ(rig.log.messages("BreakScheduler"),
              QStringList({"Display connected - max screens this session: 2",
                           "Display disconnected - screens: 1",
                           "Display connected - max screens this session: 2"}));
}

TEST(BreakSchedulerSystemTest, ABreakDueWithinFiveMinutesOfAnUnplugIsSkipped)
{
    // A five-minute interval falls due on the tick 301 seconds after the start.
    for (const auto &[unplugAfter, skipped] : {std::pair{2, true}, std::pair{1, false}}) {
        BreakSchedulerRig rig({{"breakInterval", integer(5)}, {"autoSkipDisplayDisconnected", true}});
        rig.screens = 2;
        rig.scheduler.screenParametersDidChange();
        rig.scheduler.start();
        rig.clock.advance(unplugAfter);
        rig.screens = 1;
        rig.scheduler.screenParametersDidChange();
        rig.clock.advance(301 - unplugAfter);
        EXPECT_EQ(rig.events("break_auto_skipped").size(), skipped ? 1 : 0) << unplugAfter;
        EXPECT_EQ(rig.presented.size(), skipped ? 0 : 1) << unplugAfter;
    }
}
