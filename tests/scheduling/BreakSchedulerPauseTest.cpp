#include "support/BreakSchedulerRig.h"

#include <algorithm>

#include <gtest/gtest.h>

namespace {

QVariant integer(qint64 value)
{
    return QVariant::fromValue(value);
}

} // namespace

TEST(BreakSchedulerPauseTest, ReasonsInSeveralLayersReleaseTheTimerOnlyWithTheLastOne)
{
    BreakSchedulerRig rig;
    rig.scheduler.start();
    rig.clock.advance(10);
    rig.scheduler.pause(PauseReason::media);
    rig.scheduler.pause(PauseReason::manual);
    rig.scheduler.pause(PauseReason::manual); // repeated: held once, logged once
    EXPECT_EQ(rig.scheduler.currentPauseReason(), PauseReason::manual);
    EXPECT_EQ(rig.events("timer_paused"),
              QStringList({"timer_paused | primaryReason=media reason=media reasons=media "
                           "remaining=50s",
                           "timer_paused | primaryReason=manual reason=manual "
                           "reasons=media,manual remaining=50s"}));

    rig.clock.advance(300);
    EXPECT_EQ(rig.scheduler.timeRemaining(), 50.0);

    rig.scheduler.resume(PauseReason::manual);
    EXPECT_TRUE(rig.scheduler.isPaused());
    EXPECT_FALSE(rig.scheduler.isRunning());
    EXPECT_EQ(rig.scheduler.currentPauseReason(), PauseReason::media);
    EXPECT_EQ(rig.events("resume_deferred"),
              QStringList({"resume_deferred | completedReason=manual remainingReasons=media"}));
    rig.clock.advance(30);
    EXPECT_EQ(rig.scheduler.timeRemaining(), 50.0);

    rig.scheduler.resume(PauseReason::manual); // no longer held: ignored silently
    rig.scheduler.resume(PauseReason::media);
    EXPECT_FALSE(rig.scheduler.isPaused());
    EXPECT_TRUE(rig.scheduler.isRunning());
    EXPECT_EQ(rig.scheduler.currentPauseReason(), std::nullopt);
    EXPECT_EQ(rig.events("timer_resumed"),
              QStringList({"timer_resumed | reason=media remaining=50s"}));
    rig.clock.advance(50);
    EXPECT_TRUE(rig.presented.isEmpty());
    rig.clock.advance(1);
    EXPECT_EQ(rig.presented.size(), 1);
}

TEST(BreakSchedulerPauseTest, OnlyReasonsOtherThanMeetingAndMediaArePassedOnByTheTimer)
{
    BreakSchedulerRig rig;
    rig.scheduler.start();
    rig.scheduler.pause(PauseReason::meeting);
    EXPECT_TRUE(rig.reminders.suppressionReasons().empty());
    EXPECT_TRUE(rig.wellness.pauseReasons().isEmpty());
    EXPECT_TRUE(rig.plannedBreaks.suspensionReasons().contains(PauseReason::meeting));

    rig.scheduler.pause(PauseReason::sleep);
    EXPECT_TRUE(rig.reminders.isSuppressed(ReminderSuppressionReason::sleep));
    EXPECT_EQ(rig.wellness.pauseReasons(), PauseReasonSet({PauseReason::sleep}));
    EXPECT_EQ(rig.scheduler.ancillaryPauseReasons(), PauseReasonSet({PauseReason::sleep}));

    rig.scheduler.resume(PauseReason::sleep);
    EXPECT_FALSE(rig.reminders.isSuppressed(ReminderSuppressionReason::sleep));
    EXPECT_TRUE(rig.wellness.pauseReasons().isEmpty());
    EXPECT_EQ(rig.plannedBreaks.suspensionReasons(), PauseReasonSet({PauseReason::meeting}));
}

TEST(BreakSchedulerPauseTest, IdleAloneHoldsTheTimerWithoutAPrimaryReason)
{
    BreakSchedulerRig rig;
    rig.scheduler.start();
    rig.scheduler.pause(PauseReason::idle);
    EXPECT_TRUE(rig.scheduler.isPaused());
    EXPECT_EQ(rig.scheduler.currentPauseReason(), std::nullopt);
    EXPECT_EQ(rig.events("timer_paused"),
              QStringList({"timer_paused | primaryReason=unknown reason=idle reasons=idle "
                           "remaining=60s"}));
}

// The typing engine refuses to start while the timer is paused; the timer must ask it only
// once the pause has been lifted, or typing monitoring never comes back after a pause.
TEST(BreakSchedulerPauseTest, TypingMonitoringComesBackWhenTheLastPauseEnds)
{
    BreakSchedulerRig rig;
    rig.scheduler.start();
    rig.typing.startMonitoring();
    ASSERT_TRUE(rig.typing.isMonitoring());

    rig.scheduler.pause(PauseReason::manual);
    rig.scheduler.pause(PauseReason::meeting);
    EXPECT_FALSE(rig.typing.isMonitoring());
    rig.scheduler.resume(PauseReason::manual);
    EXPECT_FALSE(rig.typing.isMonitoring()); // still held by the meeting
    rig.scheduler.resume(PauseReason::meeting);
    EXPECT_TRUE(rig.typing.isMonitoring());
    EXPECT_EQ(rig.log.count("TypingHealth", "Monitoring started — threshold: 5 min"), 2);
}

TEST(BreakSchedulerPauseTest, AMeetingPauseReleasedWithAdjustAppliesTheRecoveryBuffer)
{
    struct Case
    {
        qint64 intervalMinutes;
        double leftBefore;
        double meetingSeconds;
        double leftAfter;
    };
    const Case cases[] = {
        {20, 30, 2400, 600},  // a quarter of 40 minutes, at most 10 minutes
        {20, 30, 240, 120},   // at least 2 minutes
        {20, 900, 2400, 900}, // more than the buffer was left
        {5, 30, 2400, 300},   // never beyond a full interval
    };
    for (const Case &c : cases) {
        BreakSchedulerRig rig({{"breakInterval", integer(c.intervalMinutes)},
                               {"meetingAfterBehavior", "adjust"}});
        rig.scheduler.start();
        rig.clock.advance(double(c.intervalMinutes * 60) - c.leftBefore);
        rig.scheduler.pause(PauseReason::meeting);
        rig.clock.advance(c.meetingSeconds);
        rig.scheduler.resume(PauseReason::meeting);
        EXPECT_EQ(rig.scheduler.timeRemaining(), c.leftAfter) << c.meetingSeconds;
        EXPECT_EQ(rig.scheduler.meetingPauseStartedAt(), std::nullopt);
        EXPECT_EQ(rig.events("meeting_adjusted_timer").size(), 1);
    }
    BreakSchedulerRig rig({{"breakInterval", integer(20)}, {"meetingAfterBehavior", "resume"}});
    rig.scheduler.start();
    rig.clock.advance(1170);
    rig.scheduler.pause(PauseReason::meeting);
    rig.clock.advance(2400);
    rig.scheduler.resume(PauseReason::meeting);
    EXPECT_EQ(rig.scheduler.timeRemaining(), 30.0);
    EXPECT_TRUE(rig.events("meeting_adjusted_timer").isEmpty());
}

TEST(BreakSchedulerPauseTest, TheMeetingBufferIsAppliedEvenWhenAnotherReasonStillHolds)
{
    BreakSchedulerRig rig({{"breakInterval", integer(20)}, {"meetingAfterBehavior", "adjust"}});
    rig.scheduler.start();
    rig.clock.advance(1170);
    rig.scheduler.pause(PauseReason::meeting);
    rig.scheduler.pause(PauseReason::media);
    rig.clock.advance(1200);
    rig.scheduler.resume(PauseReason::meeting);
    EXPECT_EQ(rig.scheduler.timeRemaining(), 300.0);
    EXPECT_EQ(rig.events("meeting_adjusted_timer"),
              QStringList({"meeting_adjusted_timer | duration=1200s nextRemaining=300s "
                           "previousRemaining=30s transitionBuffer=300s"}));
    EXPECT_TRUE(rig.scheduler.isPaused());
}

TEST(BreakSchedulerPauseTest, AFreshIntervalWhilePausedWaitsForTheLastResume)
{
    BreakSchedulerRig rig;
    rig.scheduler.pause(PauseReason::media);
    rig.scheduler.start();
    EXPECT_EQ(rig.scheduler.timeRemaining(), 60.0);
    EXPECT_FALSE(rig.scheduler.isRunning());
    EXPECT_TRUE(rig.scheduler.isPaused());
    EXPECT_EQ(rig.events("interval_ready_while_paused"),
              QStringList({"interval_ready_while_paused | interval=60s primaryReason=media "
                           "reasons=media"}));
    EXPECT_TRUE(rig.clock.scheduledBlocks().isEmpty());
}

TEST(BreakSchedulerPauseTest, StartingOutsideOfficeHoursPausesForThem)
{
    BreakSchedulerRig rig({{"officeHoursEnabled", true}},
                          QDateTime(QDate(2025, 3, 4), QTime(7, 30)));
    rig.scheduler.start();
    EXPECT_EQ(rig.events("timer_started"),
              QStringList({"timer_started | interval=60s officeHoursEnabled=true "
                           "withinOfficeHours=false"}));
    EXPECT_EQ(rig.scheduler.currentPauseReason(), PauseReason::officeHours);
    EXPECT_EQ(rig.events("timer_paused").size(), 1);
    EXPECT_TRUE(rig.reminders.isSuppressed(ReminderSuppressionReason::officeHours));

    // Released while still outside: held again for office hours.
    rig.scheduler.resume(PauseReason::officeHours);
    EXPECT_TRUE(rig.scheduler.isPaused());
    EXPECT_EQ(rig.events("resume_deferred"),
              QStringList({"resume_deferred | reason=runtime_gate withinOfficeHours=false"}));
}

TEST(BreakSchedulerPauseTest, ResumingWhileABreakIsOnScreenLeavesTheTimerStopped)
{
    BreakSchedulerRig rig;
    rig.runToFirstBreak();
    rig.breakShowing = true;
    rig.scheduler.pause(PauseReason::manual);
    rig.scheduler.resume(PauseReason::manual);
    EXPECT_FALSE(rig.scheduler.isPaused());
    EXPECT_FALSE(rig.scheduler.isRunning());
    EXPECT_EQ(rig.events("resume_deferred"),
              QStringList({"resume_deferred | reason=active_break_flow"}));
    // The planned breaks may look again once; nothing repeats, so the tick is not armed.
    const QList<FakeClock::ScheduledBlock> &blocks = rig.clock.scheduledBlocks();
    EXPECT_TRUE(std::none_of(blocks.begin(), blocks.end(), [](const auto &block) {
        return block.interval.has_value();
    }));
}

TEST(BreakSchedulerPauseTest, ClearingReasonsReleasesEveryServiceWithoutStartingTheTick)
{
    BreakSchedulerRig rig;
    rig.scheduler.start();
    rig.scheduler.pause(PauseReason::manual);
    rig.scheduler.pause(PauseReason::meeting);
    rig.scheduler.clearPauseReasons();
    EXPECT_FALSE(rig.scheduler.isPaused());
    EXPECT_TRUE(rig.scheduler.pauseReasons().isEmpty());
    EXPECT_TRUE(rig.plannedBreaks.suspensionReasons().isEmpty());
    EXPECT_TRUE(rig.wellness.pauseReasons().isEmpty());
    EXPECT_FALSE(rig.reminders.isSuppressed(ReminderSuppressionReason::manualPause));
    EXPECT_FALSE(rig.scheduler.isRunning());
}
