#include "support/BreakSchedulerRig.h"

#include <gtest/gtest.h>

TEST(BreakSchedulerSleepTest, SleepStopsTheTickOnceAndWakeRunsItAgainWhereItStood)
{
    BreakSchedulerRig rig;
    rig.scheduler.start();
    rig.clock.advance(10);
    rig.scheduler.systemWillSleep();
    rig.scheduler.systemWillSleep();
    EXPECT_FALSE(rig.scheduler.isRunning());
    EXPECT_FALSE(rig.scheduler.isPaused()); // sleep is no pause reason
    EXPECT_EQ(rig.events("system_sleep_started"),
              QStringList({"system_sleep_started | awaySessionActive=false timerWasRunning=true"}));

    rig.clock.advance(3600);
    EXPECT_EQ(rig.scheduler.timeRemaining(), 50.0);
    rig.scheduler.systemDidWake();
    EXPECT_TRUE(rig.scheduler.isRunning());
    EXPECT_EQ(rig.events("wake_timer_resumed"),
              QStringList({"wake_timer_resumed | awaySessionActive=false"}));
    rig.clock.advance(1);
    EXPECT_EQ(rig.scheduler.timeRemaining(), 49.0);

    rig.scheduler.systemDidWake(); // no sleep recorded: nothing happens
    EXPECT_EQ(rig.events("wake_timer_resumed").size(), 1);
}

TEST(BreakSchedulerSleepTest, WakeLeavesTheTimerStoppedWhenAskedToOrWhilePaused)
{
    BreakSchedulerRig stayStopped({{"startAfterWake", false}});
    stayStopped.scheduler.start();
    stayStopped.scheduler.systemWillSleep();
    stayStopped.scheduler.systemDidWake();
    EXPECT_FALSE(stayStopped.scheduler.isRunning());
    EXPECT_EQ(stayStopped.events("wake_timer_stayed_stopped"),
              QStringList({"wake_timer_stayed_stopped"}));

    BreakSchedulerRig paused;
    paused.scheduler.start();
    paused.scheduler.systemWillSleep();
    paused.scheduler.pause(PauseReason::manual);
    paused.scheduler.systemDidWake();
    EXPECT_FALSE(paused.scheduler.isRunning());
    EXPECT_TRUE(paused.events("wake_timer_resumed").isEmpty());
    EXPECT_TRUE(paused.clock.scheduledBlocks().isEmpty());
}
