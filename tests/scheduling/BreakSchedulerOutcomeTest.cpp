#include "support/BreakSchedulerRig.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

QVariant integer(qint64 value)
{
    return QVariant::fromValue(value);
}

} // namespace

TEST(BreakSchedulerOutcomeTest, ACompletedBreakIsCountedAndStartsTheNextInterval)
{
    BreakSchedulerRig rig;
    rig.runToFirstBreak();
    rig.clock.advance(20);
    rig.scheduler.handleBreakDismissal(BreakDismissalOutcome::completed(20, false, false));

    const DayStat today = rig.today();
    EXPECT_EQ(today.breaksCompleted, 1);
    EXPECT_EQ(today.routineBreaksCompleted, 1);
    EXPECT_EQ(today.totalBreakSeconds, 20);
    EXPECT_EQ(today.breaksEndedEarly, 0);
    EXPECT_EQ(rig.events("break_dismissed"),
              QStringList({"break_dismissed | elapsed=20s endedEarly=false isLong=false "
                           "outcome=completed source=routine waitForActivity=false"}));
    EXPECT_FALSE(rig.scheduler.activeBreakContext().has_value());
    EXPECT_TRUE(rig.scheduler.isRunning());
    EXPECT_EQ(rig.scheduler.timeRemaining(), 60.0);
    EXPECT_FALSE(rig.reminders.isSuppressed(ReminderSuppressionReason::activeBreak));

    rig.clock.advance(61);
    EXPECT_EQ(rig.presented.size(), 2);
}

// The seconds counted are what the break screen reports, within the break's length and never
// more than the clock saw pass while the break was up.
TEST(BreakSchedulerOutcomeTest, TheElapsedTimeCountedLiesWithinTheBreaksLengthAndTheClock)
{
    struct Case
    {
        qint64 reported;
        double secondsOnClock;
        qint64 counted;
    };
    const Case cases[] = {
        {500, 20, 20},
        {-3, 20, 0},
        {12, 20, 12},
        {20, 1, 1},                                       // "completed" after a second
        {std::numeric_limits<qint64>::max(), 1.4, 1},     // an end time that overflowed
        {20, 19.6, 20},                                   // a timer that fired a little early
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(::testing::Message() << c.reported << " after " << c.secondsOnClock << "s");
        BreakSchedulerRig rig;
        rig.runToFirstBreak();
        rig.clock.advance(c.secondsOnClock);
        rig.scheduler.handleBreakDismissal(BreakDismissalOutcome::completed(c.reported, true, false));
        EXPECT_EQ(rig.today().totalBreakSeconds, c.counted);
        EXPECT_EQ(rig.today().breaksEndedEarly, 1);
    }
}

TEST(BreakSchedulerOutcomeTest, ASnoozeReArmsTheTimerForItsDelayAndUsesTheAllowance)
{
    BreakSchedulerRig rig({{"headsUpSeconds", integer(30)}});
    rig.runToFirstBreak();
    rig.scheduler.handleBreakDismissal(BreakDismissalOutcome::snoozed(300));
    EXPECT_EQ(rig.events("break_dismissed"),
              QStringList({"break_dismissed | delay=300s isLong=false outcome=snoozed "
                           "source=routine"}));
    EXPECT_EQ(rig.scheduler.timeRemaining(), 300.0);
    EXPECT_TRUE(rig.scheduler.isRunning());
    EXPECT_EQ(rig.settings.snoozesUsedToday(), 1);
    EXPECT_EQ(rig.today().breaksSnoozed, 1);

    rig.clock.advance(300);
    EXPECT_EQ(rig.presented.size(), 1);
    EXPECT_EQ(rig.events("heads_up_shown").size(), 2); // the snooze gets its own heads-up
    rig.clock.advance(1);
    EXPECT_EQ(rig.presented.size(), 2);
}

TEST(BreakSchedulerOutcomeTest, ASnoozeOfNothingLastsOneSecondAndOutsideHoursIsHeld)
{
    BreakSchedulerRig rig;
    rig.runToFirstBreak();
    rig.scheduler.handleBreakDismissal(BreakDismissalOutcome::snoozed(0));
    EXPECT_EQ(rig.scheduler.timeRemaining(), 1.0);

    BreakSchedulerRig evening({{"officeHoursEnabled", true}},
                              QDateTime(QDate(2025, 3, 4), QTime(17, 58)));
    evening.runToFirstBreak();
    evening.clock.setNow(QDateTime(QDate(2025, 3, 4), QTime(18, 5)));
    evening.scheduler.handleBreakDismissal(BreakDismissalOutcome::snoozed(300));
    EXPECT_EQ(evening.scheduler.timeRemaining(), 300.0);
    EXPECT_TRUE(evening.scheduler.isPaused());
    EXPECT_EQ(evening.scheduler.currentPauseReason(), PauseReason::officeHours);
}

TEST(BreakSchedulerOutcomeTest, ASkipCountsAgainstTheDailyAllowanceAndASecondReportIsIgnored)
{
    BreakSchedulerRig rig({{"enforcement", "Balanced"}, {"skipsPerDay", integer(1)}});
    rig.runToFirstBreak();
    EXPECT_TRUE(rig.settings.canSkip());
    rig.scheduler.handleBreakDismissal(BreakDismissalOutcome::skipped());
    EXPECT_EQ(rig.settings.skipsUsedToday(), 1);
    EXPECT_FALSE(rig.settings.canSkip());
    EXPECT_EQ(rig.today().breaksSkipped, 1);
    EXPECT_EQ(rig.today().breaksCompleted, 0);
    EXPECT_TRUE(rig.scheduler.isRunning());

    rig.clock.advance(10);
    rig.scheduler.handleBreakDismissal(BreakDismissalOutcome::skipped());
    EXPECT_EQ(rig.settings.skipsUsedToday(), 1);
    EXPECT_TRUE(rig.log.contains("BreakScheduler", "Ignoring skip without an active break"));
    EXPECT_EQ(rig.scheduler.timeRemaining(), 50.0); // the running interval is left alone
}

TEST(BreakSchedulerOutcomeTest, WaitingForActivityStartsTheIntervalAtTheFirstRecentInput)
{
    BreakSchedulerRig rig;
    rig.runToFirstBreak();
    rig.scheduler.handleBreakDismissal(BreakDismissalOutcome::completed(20, false, true));
    EXPECT_TRUE(rig.scheduler.isWaitingForActivity());
    EXPECT_FALSE(rig.scheduler.isRunning());
    EXPECT_EQ(rig.scheduler.timeRemaining(), 60.0);
    EXPECT_TRUE(rig.reminders.isSuppressed(ReminderSuppressionReason::waitForActivity));

    rig.clock.advance(30);
    rig.input.setIdleSeconds(2.0); // not recent enough
    rig.clock.advance(1);
    EXPECT_TRUE(rig.scheduler.isWaitingForActivity());
    EXPECT_EQ(rig.scheduler.timeRemaining(), 60.0);

    rig.input.setSecondsSincePointerActivity(1.5);
    rig.clock.advance(1);
    EXPECT_FALSE(rig.scheduler.isWaitingForActivity());
    EXPECT_TRUE(rig.scheduler.isRunning());
    EXPECT_TRUE(rig.log.contains("BreakScheduler", "User activity detected — starting timer"));
    EXPECT_FALSE(rig.reminders.isSuppressed(ReminderSuppressionReason::waitForActivity));
    EXPECT_TRUE(rig.reminders.isSuppressed(ReminderSuppressionReason::postBreakCooldown));
}

TEST(BreakSchedulerOutcomeTest, WaitingForActivityDuringAPauseHoldsAFullIntervalInstead)
{
    BreakSchedulerRig rig;
    rig.runToFirstBreak();
    rig.scheduler.pause(PauseReason::meeting);
    rig.scheduler.handleBreakDismissal(BreakDismissalOutcome::completed(20, false, true));
    EXPECT_FALSE(rig.scheduler.isWaitingForActivity());
    EXPECT_TRUE(rig.scheduler.isPaused());
    EXPECT_EQ(rig.scheduler.timeRemaining(), 60.0);
    EXPECT_TRUE(rig.clock.scheduledBlocks().isEmpty());
}

TEST(BreakSchedulerOutcomeTest, AnInterruptedBreakDuringSleepFallsDueAgainRightAfterTheResume)
{
    BreakSchedulerRig rig;
    rig.runToFirstBreak();
    rig.scheduler.pause(PauseReason::sleep);
    rig.scheduler.handleBreakDismissal(BreakDismissalOutcome::interrupted());
    EXPECT_EQ(rig.events("break_dismissed"),
              QStringList({"break_dismissed | outcome=interrupted source=routine"}));
    EXPECT_EQ(rig.today().breaksInterrupted, 1);
    EXPECT_FALSE(rig.scheduler.isRunning());
    EXPECT_EQ(rig.scheduler.timeRemaining(), 0.0);

    rig.scheduler.resume(PauseReason::sleep);
    EXPECT_TRUE(rig.scheduler.isRunning());
    rig.clock.advance(1);
    EXPECT_EQ(rig.presented.size(), 2);

    // The break shown after the resume is counted; a second report, with no break on screen,
    // is not, but the timer restarts all the same.
    rig.scheduler.handleBreakDismissal(BreakDismissalOutcome::interrupted());
    rig.scheduler.handleBreakDismissal(BreakDismissalOutcome::interrupted());
    EXPECT_EQ(rig.today().breaksInterrupted, 2);
    EXPECT_TRUE(rig.scheduler.isRunning());
}

TEST(BreakSchedulerOutcomeTest, TheCoolDownLastsFiveSecondsFromTheLatestOutcome)
{
    BreakSchedulerRig rig;
    rig.scheduler.start();
    ASSERT_TRUE(rig.scheduler.takeBreakNow());
    rig.scheduler.handleBreakDismissal(BreakDismissalOutcome::skipped());
    rig.clock.advance(3);
    ASSERT_TRUE(rig.scheduler.takeBreakNow());
    rig.scheduler.handleBreakDismissal(BreakDismissalOutcome::skipped());

    rig.clock.advance(4.9);
    EXPECT_TRUE(rig.reminders.isSuppressed(ReminderSuppressionReason::postBreakCooldown));
    rig.clock.advance(0.1);
    EXPECT_FALSE(rig.reminders.isSuppressed(ReminderSuppressionReason::postBreakCooldown));
}

TEST(BreakSchedulerOutcomeTest, TheHiddenBreakScreenSetsTheIdleBaseline)
{
    BreakSchedulerRig rig;
    rig.input.setIdleSeconds(300);
    emit rig.notifier.breakDidHide();
    EXPECT_EQ(rig.scheduler.syntheticIdleBaseline(), 300.0);
    EXPECT_EQ(rig.events("post_break_idle_baseline_set"),
              QStringList({"post_break_idle_baseline_set | baseline=300s"}));
}

// The short/long rhythm advances when a break is shown; a snooze gives that step back, so the
// break comes back as what it was and is counted once, when it ends for good.
TEST(BreakSchedulerOutcomeTest, ASnoozedBreakGivesBackItsStepOfTheRhythm)
{
    enum class Road { routine, manual, planned };
    struct Row
    {
        const char *name;
        Road road;
        qint64 storedCount;
        std::optional<qint64> countSetDuringBreak;
        bool firstIsLong;
        qint64 countAfterSnooze;
        bool returnsLong;
    };
    const Row rows[] = {
        {"routine long", Road::routine, 3, std::nullopt, true, 3, true},
        {"routine short", Road::routine, 1, std::nullopt, false, 1, false},
        {"short just before a long one", Road::routine, 2, std::nullopt, false, 2, false},
        {"manual long", Road::manual, 4, std::nullopt, true, 4, true},
        {"manual short", Road::manual, 0, std::nullopt, false, 0, false},
        {"planned: outside the rhythm", Road::planned, 3, std::nullopt, false, 3, true},
        {"short, count set back meanwhile", Road::routine, 1, 0, false, 0, false},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        BreakSchedulerRig rig({{"longBreakFrequency", integer(3)},
                               {"shortBreaksSinceLong", integer(row.storedCount)},
                               {"longBreakDuration", integer(300)}});
        if (row.road == Road::routine) {
            rig.runToFirstBreak();
        } else {
            rig.scheduler.start();
            rig.clock.advance(10);
            if (row.road == Road::manual)
                ASSERT_TRUE(rig.scheduler.takeBreakNow());
            else
                ASSERT_TRUE(rig.scheduler.presentPlannedBreak(QStringLiteral("Lunch"), 900));
        }
        ASSERT_EQ(rig.presented, QList<bool>({row.firstIsLong}));
        if (row.countSetDuringBreak)
            rig.settings.setShortBreaksSinceLong(*row.countSetDuringBreak);

        rig.scheduler.handleBreakDismissal(BreakDismissalOutcome::snoozed(60));
        EXPECT_EQ(rig.settings.shortBreaksSinceLong(), row.countAfterSnooze);
        rig.clock.advance(61);
        EXPECT_EQ(rig.presented, QList<bool>({row.firstIsLong, row.returnsLong}));
        ASSERT_TRUE(rig.scheduler.activeBreakContext().has_value());
        EXPECT_EQ(rig.scheduler.activeBreakContext()->durationSeconds,
                  row.returnsLong ? 300 : 20);
    }
}

TEST(BreakSchedulerOutcomeTest, ASnoozedLongBreakIsTakenAndCountedAsALongOne)
{
    BreakSchedulerRig rig({{"longBreakFrequency", integer(2)},
                           {"shortBreaksSinceLong", integer(1)},
                           {"longBreakDuration", integer(300)}});
    // A short break, snoozed, comes back short and counts once toward the long one.
    rig.runToFirstBreak();
    rig.scheduler.handleBreakDismissal(BreakDismissalOutcome::snoozed(60));
    rig.clock.advance(61);
    rig.clock.advance(20);
    rig.scheduler.handleBreakDismissal(BreakDismissalOutcome::completed(20, false, false));
    EXPECT_EQ(rig.settings.shortBreaksSinceLong(), 2);

    // The long break, snoozed for a minute, comes back as the same long break.
    rig.clock.advance(61);
    rig.scheduler.handleBreakDismissal(BreakDismissalOutcome::snoozed(60));
    rig.clock.advance(61);
    EXPECT_EQ(rig.presented, QList<bool>({false, false, true, true}));
    EXPECT_EQ(rig.scheduler.activeBreakContext(),
              (ActiveBreakContext{300, true, BreakStatisticsSource::routine}));
    EXPECT_EQ(rig.events("long_break_due").size(), 2);
    rig.clock.advance(300);
    rig.scheduler.handleBreakDismissal(BreakDismissalOutcome::completed(300, false, false));

    const DayStat today = rig.today();
    EXPECT_EQ(today.breaksCompleted, 2);
    EXPECT_EQ(today.routineBreaksCompleted, 2);
    EXPECT_EQ(today.longBreaksTaken, 1);
    EXPECT_EQ(today.breaksSnoozed, 2);
    EXPECT_EQ(today.totalBreakSeconds, 320);
    EXPECT_EQ(rig.settings.shortBreaksSinceLong(), 0);
}
