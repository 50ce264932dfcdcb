#include "support/PlannedBreakRig.h"
#include "support/ScopedTimeZone.h"

#include <gtest/gtest.h>

namespace {

const QString firedKey = QStringLiteral("plannedBreakLastFiredDates");

QDateTime tuesdayAt(QTime time)
{
    return QDateTime(QDate(2025, 3, 4), time);
}

QStringList shownTimes(const PlannedBreakRig &rig)
{
    QStringList times;
    for (const PlannedBreakRig::ShownBreak &shown : rig.shown)
        times.append(shown.name + QLatin1Char('@') + shown.at.toString(QStringLiteral("ddd HH:mm:ss")));
    return times;
}

} // namespace

TEST(PlannedBreakEvaluationTest, AHeadsUpComesAMinuteAheadAndTheBreakAtItsTime)
{
    PlannedBreakRig rig({}, tuesdayAt(QTime(8, 59, 30)));
    const PlannedBreak lunch = rig.add(QStringLiteral("Lunch"), QTime(9, 1), 1200);
    rig.startRuntime();

    rig.clock.advance(29);
    EXPECT_TRUE(rig.hud.presented().isEmpty());
    rig.clock.advance(1); // 09:00:00, the first check inside the minute
    ASSERT_EQ(rig.hud.presented().size(), 1);
    EXPECT_EQ(rig.hud.presented().first().title, "Lunch in 60s");
    EXPECT_EQ(rig.hud.presented().first().subtitle, "Scheduled break starting soon");
    EXPECT_EQ(rig.hud.presented().first().secondsLeft, 60);
    EXPECT_EQ(rig.today().breakHeadsUpsShown, 1);

    rig.clock.advance(59.9);
    EXPECT_TRUE(rig.shown.isEmpty());
    rig.clock.advance(0.1);
    EXPECT_EQ(shownTimes(rig), QStringList{"Lunch@Tue 09:01:00"});
    EXPECT_EQ(rig.shown.first().durationSeconds, 1200);
    EXPECT_FALSE(rig.hud.showing()); // the notice goes when the break comes
    EXPECT_FALSE(rig.reminders.isSuppressed(ReminderSuppressionReason::plannedBreak));
    EXPECT_EQ(rig.plannedLines(),
              (QStringList{"due | lateness=0s name=Lunch scheduledAt=09:01",
                           "heads_up_shown | name=Lunch secondsLeft=60s",
                           "presented | duration=1200s name=Lunch"}));
    EXPECT_EQ(rig.store.dictionary(firedKey), (QVariantMap{{lunch.idKey(), "2025-03-04"}}));
}

TEST(PlannedBreakEvaluationTest, ARefusedHandOverIsRetriedEveryTwoSecondsUntilAQuarterHourLate)
{
    PlannedBreakRig rig;
    const PlannedBreak lunch = rig.add(QStringLiteral("Lunch"), QTime(9, 1));
    rig.presenterAccepts = false;
    rig.startRuntime();
    rig.clock.advance(60);
    EXPECT_EQ(rig.attempts.size(), 1);
    EXPECT_EQ(rig.plannedEvents("presentation_failed"),
              QStringList{"presentation_failed | name=Lunch"});
    EXPECT_EQ(rig.plannedEvents("retry_scheduled"), QStringList{"retry_scheduled | delay=2s"});

    rig.clock.advance(1200);
    // The retries and the five-second checks share the work: never more than 2 s apart.
    for (qsizetype i = 1; i < rig.attempts.size(); ++i)
        ASSERT_LE(rig.attempts[i - 1].secsTo(rig.attempts[i]), 2) << i;
    EXPECT_EQ(rig.attempts.constLast(), tuesdayAt(QTime(9, 16))); // exactly 900 s late
    EXPECT_EQ(rig.plannedWarnings().first(), "presentation_failed | name=Lunch");
    EXPECT_EQ(rig.plannedWarnings().last(), "expired | id=[REDACTED_ID]");
    EXPECT_TRUE(rig.plannedBreaks.dueBreaks().isEmpty());

    // Given up for today: it is neither shown nor recorded as fired.
    rig.presenterAccepts = true;
    rig.clock.advance(3600);
    EXPECT_TRUE(rig.shown.isEmpty());
    EXPECT_FALSE(rig.store.dictionary(firedKey).value_or(QVariantMap()).contains(lunch.idKey()));
}

TEST(PlannedBreakEvaluationTest, ABreakFirstSeenAQuarterHourLateIsStillDueButNotASecondLater)
{
    PlannedBreakRig onTime({}, tuesdayAt(QTime(9, 15)));
    onTime.add(QStringLiteral("Lunch"), QTime(9, 0));
    onTime.startRuntime();
    EXPECT_EQ(shownTimes(onTime), QStringList{"Lunch@Tue 09:15:00"});
    EXPECT_EQ(onTime.plannedEvents("due"),
              QStringList{"due | lateness=900s name=Lunch scheduledAt=09:00"});

    PlannedBreakRig tooLate({}, tuesdayAt(QTime(9, 15, 0, 500)));
    tooLate.add(QStringLiteral("Lunch"), QTime(9, 0));
    tooLate.startRuntime();
    tooLate.clock.advance(3600);
    EXPECT_TRUE(tooLate.shown.isEmpty());
    EXPECT_TRUE(tooLate.plannedLines().isEmpty()); // skipped without a word
}

TEST(PlannedBreakEvaluationTest, ABreakFiresOncePerDayAndAfreshTheNextDay)
{
    PlannedBreakRig rig;
    const PlannedBreak walk = rig.add(QStringLiteral("Walk"), QTime(9, 1), 60);
    rig.startRuntime();
    rig.clock.advance(120);
    rig.finishBreak();
    rig.clock.advance(15 * 3600); // to 00:03 on Wednesday
    EXPECT_EQ(shownTimes(rig), QStringList{"Walk@Tue 09:01:00"});
    // The first check of the new day drops yesterday's record, in memory and in the store.
    EXPECT_TRUE(rig.plannedBreaks.lastFiredDates().isEmpty());
    EXPECT_EQ(rig.store.dictionary(firedKey), QVariantMap());

    rig.clock.advance(9 * 3600);
    EXPECT_EQ(shownTimes(rig), (QStringList{"Walk@Tue 09:01:00", "Walk@Wed 09:01:00"}));
    EXPECT_EQ(rig.store.dictionary(firedKey), (QVariantMap{{walk.idKey(), "2025-03-05"}}));
}

TEST(PlannedBreakEvaluationTest, ALateEveningBreakShownPastMidnightLeavesTheNextDaysOwnInPlace)
{
    PlannedBreakRig rig({{"notificationsEnabled", false}}, tuesdayAt(QTime(23, 50)));
    const PlannedBreak bedtime = rig.add(QStringLiteral("Bedtime"), QTime(23, 55), 60);
    rig.breakShowing = true; // a long routine break holds the screen across midnight
    rig.startRuntime();
    rig.clock.advance(12 * 60); // to 00:02 on Wednesday, seven minutes late
    rig.finishBreak();
    EXPECT_EQ(shownTimes(rig), QStringList{"Bedtime@Wed 00:02:00"});
    EXPECT_EQ(rig.store.dictionary(firedKey), (QVariantMap{{bedtime.idKey(), "2025-03-04"}}));

    rig.clock.advance(60);
    rig.finishBreak();
    rig.clock.advance(24 * 3600);
    EXPECT_EQ(shownTimes(rig), (QStringList{"Bedtime@Wed 00:02:00", "Bedtime@Wed 23:55:00"}));
}

TEST(PlannedBreakEvaluationTest, TheFiredTableIsWrittenOnlyWhenItChanges)
{
    const QString gone = QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
    PlannedBreakRig rig({{firedKey, QVariantMap{{gone, "2025-03-04"}}}});
    rig.add(QStringLiteral("Walk"), QTime(17, 0));
    EXPECT_EQ(rig.plannedBreaks.lastFiredDates().size(), 1); // loaded as stored
    rig.startRuntime(); // the entry's break is no longer listed
    EXPECT_EQ(rig.store.dictionary(firedKey), QVariantMap());

    const int writes = rig.store.writeCount();
    rig.clock.advance(600);
    EXPECT_EQ(rig.store.writeCount(), writes);
}

TEST(PlannedBreakEvaluationTest, OnlyTheEarliestDueBreakIsHandedOnAtATime)
{
    PlannedBreakRig rig;
    rig.add(QStringLiteral("Lunch"), QTime(9, 2));
    rig.add(QStringLiteral("Tea"), QTime(9, 1));
    rig.startRuntime();
    rig.clock.advance(60); // Tea is handed over while Lunch is inside its heads-up minute
    EXPECT_EQ(shownTimes(rig), QStringList{"Tea@Tue 09:01:00"});
    ASSERT_EQ(rig.hud.presented().size(), 1);
    EXPECT_EQ(rig.hud.presented().first().title, "Tea in 60s");

    rig.clock.advance(30); // Tea's screen keeps Lunch back until it goes
    EXPECT_TRUE(rig.plannedEvents("heads_up_skipped").isEmpty());
    rig.finishBreak();
    // Just after a break the queue keeps notices back; Lunch still comes at its time.
    EXPECT_EQ(rig.plannedEvents("heads_up_skipped"),
              QStringList{"heads_up_skipped | name=Lunch"});
    rig.clock.advance(30);
    EXPECT_EQ(shownTimes(rig), (QStringList{"Tea@Tue 09:01:00", "Lunch@Tue 09:02:00"}));
}

TEST(PlannedBreakEvaluationTest, ADueBreakHeldBackByAnotherScreenExpiresUnshown)
{
    PlannedBreakRig rig;
    const PlannedBreak lunch = rig.add(QStringLiteral("Lunch"), QTime(9, 1));
    rig.breakShowing = true; // a long routine break is on screen
    rig.startRuntime();
    rig.clock.advance(16 * 60 + 4);
    EXPECT_TRUE(rig.plannedEvents("expired").isEmpty());
    EXPECT_TRUE(rig.hud.presented().isEmpty());
    rig.clock.advance(1); // 09:16:05, the first check past 900 s
    EXPECT_EQ(rig.plannedEvents("expired"), QStringList{"expired | id=[REDACTED_ID]"});

    rig.finishBreak();
    rig.clock.advance(600);
    EXPECT_TRUE(rig.shown.isEmpty());
    EXPECT_EQ(rig.plannedEvents("due").size(), 1);
}

TEST(PlannedBreakEvaluationTest, OnlyTheChosenWeekdaysCount)
{
    const QDateTime sunday(QDate(2025, 3, 9), QTime(9, 0));
    PlannedBreakRig rig({}, sunday);
    PlannedBreak mondays = everyDay(QStringLiteral("Mondays"), QTime(9, 1));
    mondays.days = {true, false, false, false, false, false, false};
    PlannedBreak sundays = everyDay(QStringLiteral("Sundays"), QTime(9, 2));
    sundays.days = {false, false, false, false, false, false, true};
    rig.plannedBreaks.add(mondays);
    rig.plannedBreaks.add(sundays);
    rig.startRuntime();
    rig.clock.advance(24 * 3600);
    rig.finishBreak();
    rig.clock.advance(3600);
    EXPECT_EQ(shownTimes(rig), (QStringList{"Sundays@Sun 09:02:00", "Mondays@Mon 09:01:00"}));
}

TEST(PlannedBreakEvaluationTest, AnEarlyMorningBreakWithALongNoticeBecomesDueAtMidnight)
{
    PlannedBreakRig rig({{"headsUpSeconds", QVariant::fromValue(qint64(600))}},
                        tuesdayAt(QTime(23, 59, 50)));
    rig.add(QStringLiteral("Stretch"), QTime(0, 5));
    rig.startRuntime();
    rig.clock.advance(10);
    ASSERT_EQ(rig.hud.presented().size(), 1);
    EXPECT_EQ(rig.hud.presented().first().title, "Stretch in 300s");
}

TEST(PlannedBreakEvaluationTest, OnTheDayTheClocksGoForwardASkippedTimeComesAtThreeOClock)
{
    const ScopedTimeZone zone("America/New_York");
    PlannedBreakRig rig({{"notificationsEnabled", false}},
                        QDateTime(QDate(2025, 3, 9), QTime(1, 50)));
    rig.add(QStringLiteral("Stretch"), QTime(2, 30));
    rig.startRuntime();
    rig.clock.advance(9 * 60 + 59); // 01:59:59 EST
    EXPECT_TRUE(rig.shown.isEmpty());
    rig.clock.advance(1); // one second on, the clocks show 03:00 EDT
    EXPECT_EQ(shownTimes(rig), QStringList{"Stretch@Sun 03:00:00"});
    EXPECT_EQ(rig.plannedEvents("due"),
              QStringList{"due | lateness=0s name=Stretch scheduledAt=02:30"});
}

TEST(PlannedBreakEvaluationTest, OnTheDayTheClocksGoBackARepeatedTimeFiresOnlyOnItsFirstPass)
{
    const ScopedTimeZone zone("America/New_York");
    const QDate sunday(2025, 11, 2);
    PlannedBreakRig rig({{"notificationsEnabled", false}}, QDateTime(sunday, QTime(0, 55)));
    rig.add(QStringLiteral("Stretch"), QTime(1, 30), 60);
    rig.startRuntime();
    rig.clock.advance(35 * 60);
    rig.finishBreak();
    rig.clock.advance(3 * 3600); // through the second 01:30 (EST) and well past it
    ASSERT_EQ(rig.shown.size(), 1);
    EXPECT_EQ(rig.shown.first().at.toUTC(), QDateTime(sunday, QTime(5, 30), QTimeZone::utc()));
}
