#include "support/BreakSchedulerRig.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

QVariant integer(qint64 value)
{
    return QVariant::fromValue(value);
}

int count(const QStringList &lines, const QString &line)
{
    return int(lines.count(line));
}

} // namespace

TEST(BreakSchedulerTickTest, ASixtySecondIntervalFallsDueOnTheSixtyFirstTick)
{
    BreakSchedulerRig rig;
    rig.scheduler.start();
    EXPECT_TRUE(rig.scheduler.isRunning());
    EXPECT_EQ(rig.scheduler.timeRemaining(), 60.0);
    EXPECT_EQ(rig.events("timer_started"),
              QStringList({"timer_started | interval=60s officeHoursEnabled=false "
                           "withinOfficeHours=true"}));

    rig.clock.advance(60);
    EXPECT_EQ(rig.scheduler.timeRemaining(), 0.0);
    EXPECT_TRUE(rig.presented.isEmpty());
    EXPECT_TRUE(rig.events("break_due_evaluating").isEmpty());

    rig.clock.advance(1);
    EXPECT_EQ(rig.presented, QList<bool>({false}));
    EXPECT_FALSE(rig.scheduler.isRunning());
    ASSERT_TRUE(rig.scheduler.activeBreakContext().has_value());
    EXPECT_EQ(*rig.scheduler.activeBreakContext(),
              (ActiveBreakContext{20, false, BreakStatisticsSource::routine}));
    EXPECT_EQ(rig.events("break_due_evaluating"),
              QStringList({"break_due_evaluating | breakDuration=20s canSkip=true "
                           "enforcement=Casual longBreaksEnabled=true nextLong=false "
                           "officeHoursEnabled=false sensitivity=Gentle "
                           "shortBreaksSinceLong=0/3 time=Tue-09:01 userActive=false "
                           "withinOfficeHours=true"}));
    EXPECT_EQ(rig.events("break_presenting"),
              QStringList({"break_presenting | duration=20s isLong=false source=routine"}));
    EXPECT_TRUE(rig.reminders.isSuppressed(ReminderSuppressionReason::activeBreak));
    EXPECT_FALSE(rig.reminders.isSuppressed(ReminderSuppressionReason::upcomingBreak));

    // With the break on screen the tick is gone: nothing more happens however long it shows.
    rig.clock.advance(600);
    EXPECT_EQ(rig.presented.size(), 1);
}

TEST(BreakSchedulerTickTest, TheHeadsUpIsRequestedOnceAtItsLeadAndTheLastSecondsAreQuiet)
{
    BreakSchedulerRig rig;
    rig.scheduler.start();
    rig.clock.advance(29);
    EXPECT_TRUE(rig.events("heads_up_shown").isEmpty());
    EXPECT_FALSE(rig.scheduler.headsUpSent());

    rig.clock.advance(1); // 30 seconds left
    EXPECT_EQ(rig.events("heads_up_shown"), QStringList({"heads_up_shown | secondsLeft=30s"}));
    EXPECT_TRUE(rig.scheduler.headsUpSent());
    EXPECT_TRUE(rig.reminders.isSuppressed(ReminderSuppressionReason::upcomingBreak));
    // The HUD has no panel to show the notice on, so no heads-up is counted.
    EXPECT_EQ(rig.today().breakHeadsUpsShown, 0);

    rig.clock.advance(30);
    EXPECT_EQ(rig.events("heads_up_shown").size(), 1);
    // Begun for the heads-up and again with five seconds left.
    EXPECT_EQ(count(rig.queueLines(), "Suppression started (upcomingBreak) - queue cleared"), 2);
}

TEST(BreakSchedulerTickTest, NoHeadsUpWithoutALeadOrWithALeadLongerThanTheInterval)
{
    for (qint64 lead : {qint64(0), qint64(-5), qint64(90)}) {
        BreakSchedulerRig rig({{"headsUpSeconds", integer(lead)}});
        rig.scheduler.start();
        rig.clock.advance(60);
        EXPECT_TRUE(rig.events("heads_up_shown").isEmpty()) << lead;
        EXPECT_TRUE(rig.events("heads_up_suppressed").isEmpty()) << lead;
        // The five-second quiet still comes.
        EXPECT_EQ(count(rig.queueLines(), "Suppression started (upcomingBreak) - queue cleared"), 1)
            << lead;
    }
}

TEST(BreakSchedulerTickTest, AHeadsUpWithNotificationsOffIsLoggedAsSuppressed)
{
    BreakSchedulerRig rig({{"notificationsEnabled", false}});
    rig.scheduler.start();
    rig.clock.advance(30);
    EXPECT_TRUE(rig.events("heads_up_shown").isEmpty());
    EXPECT_EQ(rig.events("heads_up_suppressed"),
              QStringList({"heads_up_suppressed | isPaused=false isSystemIdle=false "
                           "notificationsEnabled=false suppressedByActivity=false "
                           "withinOfficeHours=true"}));
}

TEST(BreakSchedulerTickTest, HeadsUpTitlesNameSecondsBelowAMinuteAndWholeMinutesAbove)
{
    const std::pair<qint64, QString> cases[] = {
        {30, "HUD suppressed: Break in 30s"},
        {90, "HUD suppressed: Break in 1 min"},
        {120, "HUD suppressed: Break in 2 min"},
    };
    for (const auto &[lead, line] : cases) {
        BreakSchedulerRig rig({{"headsUpSeconds", integer(lead)}, {"breakInterval", integer(5)}});
        // A manual pause of reminders refuses the notice, which logs its title.
        rig.reminders.beginSuppression(ReminderSuppressionReason::manualPause);
        rig.scheduler.start();
        rig.clock.advance(300 - double(lead));
        EXPECT_TRUE(rig.queueLines().contains(line)) << line.toStdString();
    }
}

TEST(BreakSchedulerTickTest, OutsideOfficeHoursTheCountdownHoldsUntilTheyBeginAgain)
{
    // Tuesday, two minutes before office hours end at 18:00.
    BreakSchedulerRig rig({{"officeHoursEnabled", true}, {"breakInterval", integer(20)}},
                          QDateTime(QDate(2025, 3, 4), QTime(17, 58)));
    rig.scheduler.start();
    rig.clock.advance(120);
    const double heldAt = rig.scheduler.timeRemaining();
    EXPECT_EQ(heldAt, 1200.0 - 119.0); // the tick at 18:00:00 is outside

    rig.clock.advance(3600);
    EXPECT_EQ(rig.scheduler.timeRemaining(), heldAt);
    EXPECT_TRUE(rig.scheduler.isRunning()); // the tick keeps firing and changes nothing

    rig.clock.setNow(QDateTime(QDate(2025, 3, 5), QTime(8, 59, 58)));
    rig.clock.advance(1);
    EXPECT_EQ(rig.scheduler.timeRemaining(), heldAt);
    rig.clock.advance(1); // 09:00:00
    EXPECT_EQ(rig.scheduler.timeRemaining(), heldAt - 1);
}

TEST(BreakSchedulerTickTest, CountdownTextShowsMinutesAndTwoDigitSeconds)
{
    BreakSchedulerRig rig({{"breakInterval", integer(25)}});
    QSignalSpy changes(&rig.scheduler, &BreakScheduler::timeRemainingChanged);
    EXPECT_EQ(rig.scheduler.countdownText(), "0:00");
    rig.scheduler.start();
    EXPECT_EQ(rig.scheduler.countdownText(), "25:00");
    rig.clock.advance(1500 - 65);
    EXPECT_EQ(rig.scheduler.countdownText(), "1:05");
    rig.clock.advance(6);
    EXPECT_EQ(rig.scheduler.countdownText(), "0:59");
    EXPECT_EQ(changes.count(), 1 + 1441);
}
