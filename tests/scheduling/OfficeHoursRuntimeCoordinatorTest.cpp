#include "scheduling/OfficeHoursRuntimeCoordinator.h"
#include "support/BreakSchedulerRig.h"

#include <gtest/gtest.h>

namespace {

// Tuesday 2025-03-04 at the given time; office hours are the default 09:00 to 18:00 on weekdays.
QDateTime tuesday(int hour, int minute, int second = 0)
{
    return QDateTime(QDate(2025, 3, 4), QTime(hour, minute, second));
}

struct CoordinatorRig : BreakSchedulerRig
{
    explicit CoordinatorRig(QDateTime start, QVariantMap stored = {})
        : BreakSchedulerRig(withOfficeHours(std::move(stored)), std::move(start))
        , coordinator({
              .settings = settings,
              .clock = clock,
              .breakTimer = scheduler,
              .wellness = wellness,
              .plannedBreaks = plannedBreaks,
              .reminders = reminders,
              .typingHealth = typing,
              .hud = hud,
              .isBreakShowing = [this] { return breakShowing; },
          })
    {
        hud.setPresentAccepts(true);
    }

    static QVariantMap withOfficeHours(QVariantMap stored)
    {
        if (!stored.contains("officeHoursEnabled"))
            stored.insert("officeHoursEnabled", true);
        return stored;
    }

    // The coordinator's own lines; the settings log their state changes in the same category.
    QStringList lines() const
    {
        QStringList own;
        for (const QString &line : log.messages("OfficeHours")) {
            if (!line.startsWith("State changed"))
                own.append(line);
        }
        return own;
    }

    bool heldForOfficeHours() const
    {
        return scheduler.pauseReasons().contains(PauseReason::officeHours)
            && reminders.isSuppressed(ReminderSuppressionReason::officeHours)
            && wellness.pauseReasons().contains(PauseReason::officeHours)
            && plannedBreaks.suspensionReasons().contains(PauseReason::officeHours)
            && !wellness.officeHoursActive() && !typing.isMonitoring();
    }

    bool releasedFromOfficeHours() const
    {
        return !scheduler.pauseReasons().contains(PauseReason::officeHours)
            && !reminders.isSuppressed(ReminderSuppressionReason::officeHours)
            && !wellness.pauseReasons().contains(PauseReason::officeHours)
            && !plannedBreaks.suspensionReasons().contains(PauseReason::officeHours)
            && wellness.officeHoursActive() && typing.isMonitoring();
    }

    OfficeHoursRuntimeCoordinator coordinator;
};

const QString resumedLine = "Runtime services resumed inside configured hours";
const QString suspendedLine = "Runtime services suspended outside configured hours";
const QString activeBreakLine = "Active break will finish before office-hours suspension completes";

} // namespace

TEST(OfficeHoursRuntimeCoordinatorTest, TheFirstEvaluationInsideReleasesWhatAnEarlierRunLeftHeld)
{
    CoordinatorRig rig(tuesday(9, 0));
    rig.plannedBreaks.suspend(PauseReason::officeHours);
    rig.wellness.pause(PauseReason::officeHours);
    rig.reminders.beginSuppression(ReminderSuppressionReason::officeHours);
    rig.scheduler.start();

    rig.coordinator.start();
    EXPECT_TRUE(rig.releasedFromOfficeHours());
    EXPECT_EQ(rig.lines(), QStringList({resumedLine}));

    rig.clock.advance(30);
    rig.coordinator.start(); // started already: evaluates, nothing more
    EXPECT_EQ(rig.lines(), QStringList({resumedLine}));
    // Staying inside tells the other services nothing again.
    EXPECT_EQ(rig.log.messages("TypingHealth").size(), 1);
    EXPECT_EQ(rig.queueLines().filter("Suppression ended (officeHours)").size(), 1);
    // The break tick, one evaluation and the typing sampler.
    EXPECT_EQ(rig.clock.scheduledBlocks().size(), 3);
}

TEST(OfficeHoursRuntimeCoordinatorTest, LeavingOfficeHoursHoldsEverythingAndEnteringReleasesIt)
{
    CoordinatorRig rig(tuesday(17, 59), {{"breakInterval", QVariant::fromValue(qint64(25))}});
    rig.scheduler.start();
    rig.coordinator.start();
    rig.clock.advance(30);
    ASSERT_TRUE(rig.reminders.showWelcomeBack(HUDStyle::blink, "Welcome back", "Timer resumed"));

    rig.clock.advance(30); // 18:00
    EXPECT_TRUE(rig.heldForOfficeHours());
    EXPECT_EQ(rig.scheduler.currentPauseReason(), PauseReason::officeHours);
    EXPECT_FALSE(rig.scheduler.isRunning());
    EXPECT_EQ(rig.scheduler.timeRemaining(), 1441.0); // the tick at 18:00 already holds still
    EXPECT_FALSE(rig.reminders.activeRequest().has_value());
    EXPECT_FALSE(rig.hud.showing().has_value());
    EXPECT_EQ(rig.lines(), QStringList({resumedLine, suspendedLine}));

    // Every second outside, not only at the crossing, whatever else put a notice up.
    rig.clock.advance(600);
    rig.hud.present(HUDStyle::posture, "Sit up", QString(), 0, HUDPresentationKind::regular,
                    true, {});
    rig.clock.advance(1);
    EXPECT_FALSE(rig.hud.showing().has_value());
    EXPECT_EQ(rig.events("timer_paused").size(), 1); // the pause is never applied twice

    rig.clock.setNow(tuesday(23, 59, 59));
    rig.clock.advance(9 * 3600 + 1); // Wednesday 09:00
    EXPECT_TRUE(rig.releasedFromOfficeHours());
    EXPECT_TRUE(rig.scheduler.isRunning());
    EXPECT_EQ(rig.events("timer_resumed"),
              QStringList({"timer_resumed | reason=officeHours remaining=1441s"}));
    EXPECT_EQ(rig.lines(), QStringList({resumedLine, suspendedLine, resumedLine}));
}

TEST(OfficeHoursRuntimeCoordinatorTest, ABreakOnScreenAtTheEndOfTheDayIsLeftToFinish)
{
    CoordinatorRig rig(tuesday(17, 58, 30));
    rig.runToFirstBreak(); // a one-minute interval: due at 17:59:31
    rig.breakShowing = true;
    rig.coordinator.start();
    rig.clock.advance(60);
    EXPECT_EQ(rig.lines(), QStringList({resumedLine, activeBreakLine, suspendedLine}));
    EXPECT_TRUE(rig.scheduler.isPaused());

    rig.breakShowing = false;
    rig.scheduler.handleBreakDismissal(BreakDismissalOutcome::completed(20, false, false));
    EXPECT_FALSE(rig.scheduler.isRunning());
    EXPECT_EQ(rig.events("interval_ready_while_paused").size(), 1);
    rig.clock.advance(60);
    EXPECT_EQ(rig.scheduler.timeRemaining(), 60.0);
    EXPECT_EQ(rig.lines().count(activeBreakLine), 1);
}

TEST(OfficeHoursRuntimeCoordinatorTest, AStoppedCoordinatorDoesNothingAndLogsItsSideAgainOnStart)
{
    CoordinatorRig rig(tuesday(17, 59));
    rig.scheduler.start();
    rig.coordinator.start();
    rig.coordinator.stop();
    rig.coordinator.evaluate(); // as a settings change would while stopped
    rig.clock.advance(120);
    EXPECT_FALSE(rig.scheduler.isPaused());
    EXPECT_EQ(rig.lines(), QStringList({resumedLine}));
    EXPECT_FALSE(rig.coordinator.lastWithinOfficeHours().has_value());

    rig.coordinator.start();
    EXPECT_TRUE(rig.heldForOfficeHours());
    rig.coordinator.stop();
    rig.coordinator.start();
    EXPECT_EQ(rig.lines(), QStringList({resumedLine, suspendedLine, suspendedLine}));
}

TEST(OfficeHoursRuntimeCoordinatorTest, SwitchingOfficeHoursOffOutsideThemReleasesAtOnce)
{
    CoordinatorRig rig(tuesday(20, 0));
    rig.scheduler.start();
    rig.coordinator.start();
    ASSERT_TRUE(rig.heldForOfficeHours());

    rig.settings.setOfficeHoursEnabled(false); // no tick in between
    EXPECT_TRUE(rig.releasedFromOfficeHours());
    EXPECT_TRUE(rig.scheduler.isRunning());
    EXPECT_EQ(rig.lines().constLast(), resumedLine);
}
