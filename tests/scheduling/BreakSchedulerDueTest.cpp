#include "breakscreen/BreakWindowManager.h"
#include "support/BreakSchedulerRig.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

QVariant integer(qint64 value)
{
    return QVariant::fromValue(value);
}

} // namespace

TEST(BreakSchedulerDueTest, RecentInputHoldsADueBreakUpToTwoMinutesInAll)
{
    BreakSchedulerRig rig({{"gentleDelaySeconds", integer(10)}});
    rig.input.setIdleSeconds(0); // typing steadily
    QSignalSpy delaying(&rig.scheduler, &BreakScheduler::isDelayingBreakChanged);
    rig.scheduler.start();
    rig.clock.advance(61);
    EXPECT_TRUE(rig.presented.isEmpty());
    EXPECT_TRUE(rig.scheduler.isDelayingBreak());
    EXPECT_EQ(rig.scheduler.statusMessage(), "waiting...");
    EXPECT_EQ(rig.scheduler.timeRemaining(), 5.0); // a step of 5 s for a threshold of 10 s

    // Each hold is counted down and looked at again the tick after, six seconds apart: the
    // 24th hold brings the total to 120 s and the 25th evaluation presents the break.
    rig.clock.advance(23 * 6 + 5);
    EXPECT_TRUE(rig.presented.isEmpty());
    rig.clock.advance(1);
    EXPECT_EQ(rig.presented.size(), 1);

    const QStringList holds = rig.events("break_due_delayed");
    ASSERT_EQ(holds.size(), 24);
    EXPECT_EQ(holds.first(), "break_due_delayed | accumulated=5s maxDelay=120s "
                             "reason=\"user active\" sensitivity=Gentle");
    EXPECT_EQ(holds.last(), "break_due_delayed | accumulated=120s maxDelay=120s "
                            "reason=\"user active\" sensitivity=Gentle");
    EXPECT_FALSE(rig.scheduler.isDelayingBreak());
    EXPECT_EQ(rig.scheduler.statusMessage(), "");
    EXPECT_EQ(rig.scheduler.deliveryDelayAccumulated(), 0.0);
    EXPECT_EQ(delaying.count(), 2);
}

TEST(BreakSchedulerDueTest, SensitivityDecidesWhichInputHoldsTheBreak)
{
    struct Case
    {
        const char *enforcement;
        const char *sensitivity;
        double keyboardIdle;
        double pointerIdle;
        bool holds;
    };
    const Case cases[] = {
        {"Casual", "Normal", 600, 0, false},    // pointer only: "Normal" waits for typing alone
        {"Casual", "Normal", 0, 600, true},
        {"Casual", "Gentle", 600, 0, true},
        {"Casual", "Mystery", 600, 0, true},    // an unknown text behaves as "Gentle"
        {"Casual", "Persistent", 0, 0, false},
        {"Hardcore", "Gentle", 0, 0, false},
        {"Balanced", "Gentle", 4.9, 600, true}, // below the threshold of 5 s
        {"Balanced", "Gentle", 5, 600, false},
    };
    for (const Case &c : cases) {
        BreakSchedulerRig rig({{"enforcement", c.enforcement},
                               {"reminderSensitivity", c.sensitivity}});
        rig.input.setSecondsSinceKeyboardActivity(c.keyboardIdle);
        rig.input.setSecondsSincePointerActivity(c.pointerIdle);
        rig.scheduler.start();
        rig.clock.advance(61);
        EXPECT_EQ(rig.presented.isEmpty(), c.holds) << c.enforcement << " " << c.sensitivity;
    }
    BreakSchedulerRig rig({{"reminderSensitivity", "Normal"}});
    rig.input.setIdleSeconds(0);
    rig.scheduler.start();
    rig.clock.advance(61);
    EXPECT_EQ(rig.events("break_due_delayed"),
              QStringList({"break_due_delayed | accumulated=5s maxDelay=120s "
                           "reason=\"keyboard active\" sensitivity=Normal"}));
}

TEST(BreakSchedulerDueTest, AGentleDelayOfZeroHoldsOneSecondAtATime)
{
    BreakSchedulerRig rig;
    rig.settings.setGentleDelaySeconds(0); // a stored zero is corrected at load, an assigned one is not
    rig.input.setIdleSeconds(0.5);
    rig.scheduler.start();
    rig.clock.advance(61);
    EXPECT_EQ(rig.scheduler.timeRemaining(), 1.0);
    rig.input.setIdleSeconds(1.0); // not below the threshold of 1 s
    rig.clock.advance(2);
    EXPECT_EQ(rig.presented.size(), 1);
}

TEST(BreakSchedulerDueTest, ABreakDueWhileOneIsShowingIsLookedAtEverySecond)
{
    BreakSchedulerRig rig;
    rig.breakShowing = true;
    rig.scheduler.start();
    rig.clock.advance(63);
    EXPECT_TRUE(rig.presented.isEmpty());
    EXPECT_EQ(rig.events("break_due_evaluating").size(), 3);
    EXPECT_EQ(rig.events("break_presentation_blocked"),
              QStringList(3, "break_presentation_blocked | reason=window_busy"));
    EXPECT_TRUE(rig.scheduler.isRunning());

    rig.breakShowing = false;
    rig.clock.advance(1);
    EXPECT_EQ(rig.presented.size(), 1);
}

TEST(BreakSchedulerDueTest, ALowBatteryOnlyBelowTheThresholdSkipsTheBreakAndIsCounted)
{
    BreakSchedulerRig rig({{"autoSkipBatteryLow", true}, {"batteryThreshold", integer(20)}});
    rig.battery.setLevel(12);
    rig.scheduler.start();
    rig.clock.advance(61);
    EXPECT_TRUE(rig.presented.isEmpty());
    EXPECT_EQ(rig.events("break_auto_skipped"),
              QStringList({"break_auto_skipped | reason=\"Battery below 20% (12%)\""}));
    EXPECT_EQ(rig.today().breaksAutoSkipped, 1);
    EXPECT_EQ(rig.today().breaksSkipped, 0);
    // A fresh interval runs at once.
    EXPECT_TRUE(rig.scheduler.isRunning());
    EXPECT_EQ(rig.scheduler.timeRemaining(), 60.0);
    EXPECT_FALSE(rig.reminders.isSuppressed(ReminderSuppressionReason::upcomingBreak));

    rig.battery.setLevel(20);
    rig.clock.advance(61);
    EXPECT_EQ(rig.presented.size(), 1);
    EXPECT_EQ(rig.today().breaksAutoSkipped, 1);
}

TEST(BreakSchedulerDueTest, ARefusedPresentationStartsAFreshIntervalAndLeavesTheCadence)
{
    BreakSchedulerRig rig;
    rig.presenterAccepts = false;
    BreakWindowManager::setScheduledBreakName(QStringLiteral("stale"));
    rig.scheduler.start();
    rig.clock.advance(61);
    EXPECT_EQ(rig.presented.size(), 1);
    EXPECT_EQ(rig.events("break_presentation_failed"),
              QStringList({"break_presentation_failed | source=routine"}));
    EXPECT_FALSE(rig.scheduler.activeBreakContext().has_value());
    EXPECT_EQ(BreakWindowManager::scheduledBreakName(), std::nullopt);
    EXPECT_FALSE(rig.reminders.isSuppressed(ReminderSuppressionReason::activeBreak));
    EXPECT_TRUE(rig.scheduler.isRunning());
    EXPECT_EQ(rig.scheduler.timeRemaining(), 60.0);
    EXPECT_EQ(rig.settings.shortBreaksSinceLong(), 0);
}

TEST(BreakSchedulerDueTest, EveryFewShortBreaksTheDueBreakIsALongOne)
{
    BreakSchedulerRig rig({{"longBreakFrequency", integer(4)},
                           {"shortBreaksSinceLong", integer(2)},
                           {"longBreakDuration", integer(300)}});
    rig.runToFirstBreak();
    EXPECT_EQ(rig.settings.shortBreaksSinceLong(), 3);
    EXPECT_TRUE(rig.log.contains("BreakScheduler", "Short break #3 - next long break in 1"));

    rig.scheduler.handleBreakDismissal(BreakDismissalOutcome::completed(20, false, false));
    rig.clock.advance(61);
    EXPECT_EQ(rig.presented, QList<bool>({false, false}));

    rig.scheduler.handleBreakDismissal(BreakDismissalOutcome::completed(20, false, false));
    rig.clock.advance(61);
    EXPECT_EQ(rig.presented, QList<bool>({false, false, true}));
    EXPECT_EQ(rig.events("long_break_due"),
              QStringList({"long_break_due | duration=300s shortBreaksSinceLong=4"}));
    EXPECT_EQ(rig.scheduler.activeBreakContext()->durationSeconds, 300);
    EXPECT_EQ(rig.settings.shortBreaksSinceLong(), 0);
}

TEST(BreakSchedulerDueTest, AManualBreakStopsTheIntervalAndIsRefusedOutsideOfficeHours)
{
    BreakSchedulerRig rig;
    rig.scheduler.start();
    rig.clock.advance(10);
    EXPECT_TRUE(rig.scheduler.takeBreakNow());
    EXPECT_FALSE(rig.scheduler.isRunning());
    EXPECT_EQ(rig.scheduler.activeBreakContext()->source, BreakStatisticsSource::manual);
    EXPECT_EQ(rig.settings.shortBreaksSinceLong(), 1);

    rig.breakShowing = true;
    EXPECT_FALSE(rig.scheduler.takeBreakNow());
    EXPECT_EQ(rig.presented.size(), 1);

    BreakSchedulerRig evening({{"officeHoursEnabled", true}},
                              QDateTime(QDate(2025, 3, 4), QTime(20, 0)));
    EXPECT_FALSE(evening.scheduler.takeBreakNow());
    EXPECT_TRUE(evening.presented.isEmpty());
    EXPECT_TRUE(evening.log.contains("BreakScheduler", "Manual break ignored outside office hours"));
}

TEST(BreakSchedulerDueTest, APlannedBreakTellsTheBreakScreenItsNameAndKeepsTheCadence)
{
    BreakSchedulerRig rig;
    rig.scheduler.start();
    rig.clock.advance(10);
    EXPECT_TRUE(rig.scheduler.presentPlannedBreak(QStringLiteral("Lunch"), 900));
    EXPECT_EQ(rig.presented, QList<bool>({false}));
    EXPECT_EQ(BreakWindowManager::scheduledBreakName(), "Lunch");
    EXPECT_EQ(BreakWindowManager::scheduledBreakDurationSeconds(), 900);
    EXPECT_FALSE(rig.scheduler.isRunning());
    EXPECT_TRUE(rig.clock.scheduledBlocks().isEmpty());
    EXPECT_EQ(rig.settings.shortBreaksSinceLong(), 0);

    rig.breakShowing = true;
    EXPECT_FALSE(rig.scheduler.presentPlannedBreak(QStringLiteral("Walk"), 600));
    EXPECT_EQ(rig.events("scheduled_break_blocked"),
              QStringList({"scheduled_break_blocked | reason=window_busy"}));

    // The next routine break carries no name.
    rig.breakShowing = false;
    rig.scheduler.handleBreakDismissal(BreakDismissalOutcome::completed(900, false, false));
    rig.clock.advance(61);
    EXPECT_EQ(BreakWindowManager::scheduledBreakName(), std::nullopt);
    EXPECT_EQ(BreakWindowManager::scheduledBreakDurationSeconds(), std::nullopt);
    EXPECT_EQ(rig.today().plannedBreaksCompleted, 1);
}
