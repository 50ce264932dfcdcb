#include "core/SystemProviders.h"
#include "support/PlannedBreakRig.h"

#include <gtest/gtest.h>

// Desktops where nothing reads the user's idle time (Wayland other than GNOME, a compositor
// whose idle monitor fails): nobody is seen busy, and nobody is seen leaving.

namespace {

QVariant integer(qint64 value)
{
    return QVariant::fromValue(value);
}

} // namespace

// The stand-in the application runs on when no idle source exists.
TEST(BreakSchedulerWithoutIdleReadingTest, WhereNoIdleSourceExistsADueBreakIsNotHeld)
{
    InputStateProvider &standIn = SystemProviders::inputState();
    EXPECT_FALSE(standIn.hasReading());
    EXPECT_EQ(standIn.idleSeconds(), std::nullopt);

    for (const char *sensitivity : {"Gentle", "Normal"}) {
        SCOPED_TRACE(sensitivity);
        BreakSchedulerRig rig({{"reminderSensitivity", sensitivity},
                               {"idleDetectionEnabled", true}});
        BreakScheduler timer(rig.servicesOn(rig.clock, rig.sessionEvents, &standIn));
        int presented = 0;
        timer.setBreakPresenter([&](bool) { return ++presented == 1; });
        timer.start();
        rig.clock.advance(61);
        EXPECT_EQ(presented, 1);
        EXPECT_EQ(timer.statusMessage(), "");
        EXPECT_TRUE(rig.events("break_due_delayed").isEmpty());
        const QStringList evaluated = rig.events("break_due_evaluating");
        ASSERT_EQ(evaluated.size(), 1);
        EXPECT_TRUE(evaluated.first().contains("userActive=false")) << evaluated.first().toStdString();
        EXPECT_TRUE(rig.events("idle_started").isEmpty());
    }
}

// Idle detection on: the interval runs down however long nothing is read, while a locked
// session is still time away and its end still the return.
TEST(BreakSchedulerWithoutIdleReadingTest, OnlyALockSleepOrDarkDisplayMarksTheUserAway)
{
    BreakSchedulerRig rig({{"idleDetectionEnabled", true}, {"breakInterval", integer(25)},
                           {"idleTimeoutMinutes", integer(5)}});
    rig.input.setIdleSeconds(0);
    rig.scheduler.start();
    // A reading that shows the user leaving, then the reading is lost: the candidate
    // absence is let go and its seconds given back.
    for (int second = 1; second <= 30; ++second) {
        rig.input.setIdleSeconds(second);
        rig.clock.advance(1);
    }
    rig.input.setHasReading(false);
    rig.clock.advance(1);
    EXPECT_EQ(rig.scheduler.timeRemaining(), 1499.0);

    rig.clock.advance(20 * 60);
    EXPECT_FALSE(rig.scheduler.isSystemIdle());
    EXPECT_EQ(rig.scheduler.timeRemaining(), 299.0);
    EXPECT_TRUE(rig.events("idle_started").isEmpty());

    rig.sessionEvents.emitSessionDidResignActive();
    rig.clock.advance(120);
    EXPECT_TRUE(rig.scheduler.isSystemIdle());
    EXPECT_EQ(rig.scheduler.timeRemaining(), 299.0);
    rig.sessionEvents.emitSessionDidBecomeActive();
    rig.clock.advance(1);
    EXPECT_FALSE(rig.scheduler.isSystemIdle());
    EXPECT_EQ(rig.events("idle_completed"),
              QStringList({"idle_completed | countedAsBreak=false departureRemaining=299s "
                           "duration=121s nextRemaining=299s outcome=resume"}));

    rig.display.setMainDisplayActive(false);
    rig.clock.advance(1);
    EXPECT_TRUE(rig.scheduler.isSystemIdle());
    rig.display.setMainDisplayActive(true);
    rig.clock.advance(1);
    EXPECT_FALSE(rig.scheduler.isSystemIdle());
    EXPECT_EQ(rig.events("idle_started").size(), 2);
}

// Waiting for input nobody can read would stop the timer for good; a wait begun while the
// reading worked goes on through a failing reading and ends at the first input read.
TEST(BreakSchedulerWithoutIdleReadingTest, TheWaitForActivityNeedsAReading)
{
    BreakSchedulerRig rig;
    rig.input.setHasReading(false);
    rig.runToFirstBreak();
    rig.scheduler.handleBreakDismissal(BreakDismissalOutcome::completed(20, false, true));
    EXPECT_FALSE(rig.scheduler.isWaitingForActivity());
    EXPECT_TRUE(rig.scheduler.isRunning());
    EXPECT_EQ(rig.scheduler.timeRemaining(), 60.0);
    EXPECT_TRUE(rig.log.contains("BreakScheduler",
                                 "No idle reading to wait for user activity - starting timer"));
    EXPECT_TRUE(rig.reminders.isSuppressed(ReminderSuppressionReason::postBreakCooldown));

    rig.input.setHasReading(true);
    rig.clock.advance(61);
    rig.scheduler.handleBreakDismissal(BreakDismissalOutcome::completed(20, false, true));
    ASSERT_TRUE(rig.scheduler.isWaitingForActivity());
    rig.input.setHasReading(false);
    rig.input.setIdleSeconds(0); // meaningless without a reading
    rig.clock.advance(10);
    EXPECT_TRUE(rig.scheduler.isWaitingForActivity());
    rig.input.setHasReading(true);
    rig.clock.advance(1);
    EXPECT_FALSE(rig.scheduler.isWaitingForActivity());
    EXPECT_TRUE(rig.scheduler.isRunning());
}

TEST(BreakSchedulerWithoutIdleReadingTest, APlannedBreakIsNotHeldWithoutAReading)
{
    for (const char *sensitivity : {"Gentle", "Normal"}) {
        SCOPED_TRACE(sensitivity);
        PlannedBreakRig rig({{"reminderSensitivity", sensitivity}});
        rig.add(QStringLiteral("Lunch"), QTime(9, 1));
        rig.input.setIdleSeconds(0);
        rig.input.setHasReading(false);
        rig.startRuntime();
        rig.clock.advance(60);
        ASSERT_EQ(rig.shown.size(), 1);
        EXPECT_EQ(rig.shown.first().at.time(), QTime(9, 1));
        EXPECT_TRUE(rig.plannedEvents("delayed").isEmpty());
    }
}
