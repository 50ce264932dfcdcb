#include "core/DayStatTotals.h"
#include "core/InMemoryStatsRepository.h"
#include "core/LocalStatisticsStore.h"
#include "support/FakeClock.h"
#include "support/LogCapture.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr qint64 int64Max = std::numeric_limits<qint64>::max();
const QString pruned = QStringLiteral("Expired local statistics were pruned");

QDateTime utc(int year, int month, int day, int hour, int minute = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute), QTimeZone::utc());
}

DayStat skippedOn(const QString &date, qint64 skipped)
{
    DayStat day{date};
    day.breaksSkipped = skipped;
    return day;
}

QStringList datesOf(const QList<DayStat> &days)
{
    QStringList dates;
    for (const DayStat &day : days)
        dates.append(day.date);
    return dates;
}

struct Stats
{
    explicit Stats(QList<DayStat> stored = {}, QDateTime now = utc(2025, 3, 4, 9),
                   QTimeZone zone = QTimeZone::utc(), bool hourly = false)
        : repository(std::move(stored))
        , clock(std::move(now))
        , store(repository, clock, std::move(zone), hourly)
    {
    }

    InMemoryStatsRepository repository;
    FakeClock clock;
    LocalStatisticsStore store;
};

} // namespace

TEST(LocalStatisticsStoreTest, EventsOfOneDayAddUpInOneSavedRecord)
{
    Stats stats;
    QSignalSpy changes(&stats.store, &LocalStatisticsStore::daysChanged);
    stats.store.record(LocalStatisticsStore::applySkippedBreak());
    stats.store.record(LocalStatisticsStore::applySkippedBreak());

    ASSERT_EQ(stats.store.days(), QList<DayStat>{skippedOn("2025-03-04", 2)});
    EXPECT_EQ(stats.repository.days(), stats.store.days());
    EXPECT_EQ(changes.count(), 2);

    // The next day starts a record of its own after the first.
    stats.clock.advance(15 * 3600);
    stats.store.record(LocalStatisticsStore::applySkippedBreak());
    EXPECT_EQ(datesOf(stats.repository.days()), QStringList({"2025-03-04", "2025-03-05"}));
}

TEST(LocalStatisticsStoreTest, EachEventRaisesItsOwnCounters)
{
    using Store = LocalStatisticsStore;
    using Source = BreakStatisticsSource;
    Stats stats;
    stats.store.record(Store::applyCompletedBreak(20, false, false, Source::routine));
    stats.store.record(Store::applyCompletedBreak(600, true, true, Source::manual));
    // A negative length (the clock went backwards) counts the break but no time.
    stats.store.record(Store::applyCompletedBreak(-30, false, false, Source::planned));
    stats.store.record(Store::applyAutoSkippedBreak());
    stats.store.record(Store::applySnoozedBreak());
    stats.store.record(Store::applyInterruptedBreak());
    stats.store.record(Store::applyIdleBreak(300));
    stats.store.record(Store::applyIdleBreak(-1));
    stats.store.record(Store::applyReminderShown(StatsReminderKind::posture));
    stats.store.record(Store::applyReminderShown(StatsReminderKind::typing));
    stats.store.record(Store::applyReminderShown(StatsReminderKind::typing));
    stats.store.record(Store::applyReminderShown(StatsReminderKind::blink));
    stats.store.record(Store::applyHeadsUpShown());

    DayStat expected{QStringLiteral("2025-03-04")};
    expected.breaksCompleted = 3;
    expected.routineBreaksCompleted = 1;
    expected.manualBreaksCompleted = 1;
    expected.plannedBreaksCompleted = 1;
    expected.breaksEndedEarly = 1;
    expected.longBreaksTaken = 1;
    expected.totalBreakSeconds = 620;
    expected.breaksAutoSkipped = 1;
    expected.breaksSnoozed = 1;
    expected.breaksInterrupted = 1;
    expected.idleBreaks = 2;
    expected.idleBreakSeconds = 300;
    expected.postureRemindersShown = 1;
    expected.typingRemindersShown = 2;
    expected.blinkRemindersShown = 1;
    expected.breakHeadsUpsShown = 1;
    EXPECT_EQ(stats.repository.days(), QList<DayStat>{expected});
}

TEST(LocalStatisticsStoreTest, CountersStopAtTheLargestValue)
{
    DayStat full = skippedOn("2025-03-04", int64Max);
    full.totalBreakSeconds = int64Max - 5;
    Stats stats({full});
    stats.store.record(LocalStatisticsStore::applySkippedBreak());
    stats.store.record(LocalStatisticsStore::applyCompletedBreak(
        int64Max, false, false, BreakStatisticsSource::routine));
    EXPECT_EQ(stats.repository.days().value(0).breaksSkipped, int64Max);
    EXPECT_EQ(stats.repository.days().value(0).totalBreakSeconds, int64Max);
    EXPECT_EQ(stats.repository.days().value(0).breaksCompleted, 1);
}

// Today is 2025-03-04: the window runs from 2025-02-03 to today, across February's end.
TEST(LocalStatisticsStoreTest, LoadingKeepsThirtyDaysMergesDuplicatesAndSavesTheResult)
{
    DayStat morning = skippedOn("2025-03-01", 2);
    morning.idleBreaks = int64Max;
    DayStat evening = skippedOn("2025-03-01", 3);
    evening.idleBreaks = 1;
    Stats stats({skippedOn("2025-03-05", 1), // tomorrow
                 morning,
                 skippedOn("2025-02-02", 1), // 30 days ago
                 skippedOn("2025-02-03", 4), // 29 days ago
                 skippedOn("2025-02-30", 1), // no such day
                 skippedOn("yesterday", 1),
                 evening,
                 skippedOn("2025-03-04", 6)});

    const QList<DayStat> &days = stats.store.days();
    EXPECT_EQ(datesOf(days), QStringList({"2025-02-03", "2025-03-01", "2025-03-04"}));
    EXPECT_EQ(days.value(1).breaksSkipped, 5);
    EXPECT_EQ(days.value(1).idleBreaks, int64Max);
    EXPECT_EQ(stats.repository.days(), days + QList<DayStat>{skippedOn("2025-03-05", 1)})
        << "the pruned history replaces the stored one; a day after today is kept aside";
}

// A clock ten days behind at start-up (a dead clock battery, a restored virtual machine, no
// network time yet) must not cost the history: the days "after today" stay stored, unseen and
// uncounted, and come back as soon as the clock is right, in the same run or the next.
TEST(LocalStatisticsStoreTest, AClockTenDaysBehindKeepsTheHistory)
{
    const QList<DayStat> history = {skippedOn("2025-03-01", 1), skippedOn("2025-03-02", 1),
                                    skippedOn("2025-03-03", 1), skippedOn("2025-03-04", 1),
                                    skippedOn("2025-03-05", 1)};
    InMemoryStatsRepository repository(history);
    {
        FakeClock behind(utc(2025, 2, 23, 9));
        LocalStatisticsStore store(repository, behind, QTimeZone::utc(), true);
        EXPECT_TRUE(store.days().isEmpty());
        EXPECT_FALSE(store.hasRecordedActivity());
        EXPECT_EQ(store.laterDays(), history);
        EXPECT_EQ(repository.days(), history) << "saved at start-up, days after today included";

        store.record(LocalStatisticsStore::applyHeadsUpShown());
        behind.advance(3 * 3600); // the hourly pruning finds nothing to drop
        EXPECT_EQ(datesOf(repository.days()),
                  QStringList({"2025-02-23", "2025-03-01", "2025-03-02", "2025-03-03",
                               "2025-03-04", "2025-03-05"}));

        // Network time arrives: the stored day that is today now takes today's events.
        behind.setNow(utc(2025, 3, 5, 12));
        store.record(LocalStatisticsStore::applySkippedBreak());
        EXPECT_EQ(store.days().constLast(), skippedOn("2025-03-05", 2));
        EXPECT_EQ(store.days().size(), 6);
        EXPECT_TRUE(store.laterDays().isEmpty());
    }
    repository.save(history); // as the first run left it, had nothing been recorded

    FakeClock right(utc(2025, 3, 5, 9));
    LocalStatisticsStore store(repository, right, QTimeZone::utc(), false);
    EXPECT_EQ(store.days(), history);
    EXPECT_EQ(sumDayStats(store.days()).breaksSkipped, 5);
}

TEST(LocalStatisticsStoreTest, DaysFollowTheStoresTimeZoneNotUtc)
{
    // 23:30 UTC on the 4th is already the 5th in Tokyo.
    Stats stats({}, utc(2025, 3, 4, 23, 30), QTimeZone("Asia/Tokyo"));
    stats.store.record(LocalStatisticsStore::applyHeadsUpShown());
    EXPECT_EQ(datesOf(stats.store.days()), QStringList({"2025-03-05"}));
}

TEST(LocalStatisticsStoreTest, RecentDaysAreZeroFilledEndingToday)
{
    Stats stats({skippedOn("2025-03-02", 3), skippedOn("2025-03-04", 1)});
    EXPECT_TRUE(stats.store.recentDays(0).isEmpty());
    EXPECT_TRUE(stats.store.recentDays(-3).isEmpty());

    const QList<DayStat> week = stats.store.recentDays(7);
    EXPECT_EQ(datesOf(week), QStringList({"2025-02-26", "2025-02-27", "2025-02-28", "2025-03-01",
                                          "2025-03-02", "2025-03-03", "2025-03-04"}));
    EXPECT_EQ(week.value(4), skippedOn("2025-03-02", 3));
    EXPECT_EQ(week.value(5), DayStat{"2025-03-03"});
    EXPECT_EQ(week.value(6), skippedOn("2025-03-04", 1));

    // Across a change to summer time every day appears once, in order.
    Stats spring({}, utc(2025, 3, 20, 12), QTimeZone("America/New_York"));
    const QStringList month = datesOf(spring.store.recentDays(30));
    ASSERT_EQ(month.size(), 30);
    EXPECT_EQ(month.first(), "2025-02-19");
    EXPECT_EQ(month.last(), "2025-03-20");
    for (qsizetype i = 1; i < month.size(); ++i)
        EXPECT_EQ(QDate::fromString(month[i - 1], Qt::ISODate).addDays(1),
                  QDate::fromString(month[i], Qt::ISODate));
}

TEST(LocalStatisticsStoreTest, ActivityMeansSomethingHappenedNotJustTimeCounted)
{
    struct Case
    {
        const char *name;
        std::function<void(DayStat &)> change;
        bool activity;
    };
    const Case cases[] = {
        {"nothing", [](DayStat &) {}, false},
        {"seconds only", [](DayStat &d) { d.totalBreakSeconds = d.idleBreakSeconds = 99; }, false},
        {"per-source only",
         [](DayStat &d) { d.routineBreaksCompleted = d.breaksEndedEarly = d.longBreaksTaken = 2; },
         false},
        {"heads-up", [](DayStat &d) { d.breakHeadsUpsShown = 1; }, true},
        {"completed", [](DayStat &d) { d.breaksCompleted = 1; }, true},
        {"auto-skipped", [](DayStat &d) { d.breaksAutoSkipped = 1; }, true},
        {"idle", [](DayStat &d) { d.idleBreaks = 1; }, true},
        {"blink", [](DayStat &d) { d.blinkRemindersShown = 1; }, true},
        // Reminder counts are added up: huge ones must not wrap into "nothing".
        {"reminders at the limit",
         [](DayStat &d) { d.postureRemindersShown = d.typingRemindersShown = int64Max; }, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        DayStat day{QStringLiteral("2025-03-04")};
        c.change(day);
        Stats stats({day});
        EXPECT_EQ(stats.store.hasRecordedActivity(), c.activity);
    }
    EXPECT_FALSE(Stats().store.hasRecordedActivity());
}

TEST(LocalStatisticsStoreTest, ClearingEmptiesMemoryAndRepositoryAndCountingStartsAfresh)
{
    Stats stats({skippedOn("2025-03-03", 1), skippedOn("2025-03-04", 5)});
    QSignalSpy changes(&stats.store, &LocalStatisticsStore::daysChanged);
    EXPECT_TRUE(stats.store.clearAll().historyGone);
    EXPECT_TRUE(stats.store.days().isEmpty());
    EXPECT_TRUE(stats.repository.days().isEmpty());
    EXPECT_FALSE(stats.store.hasRecordedActivity());
    stats.store.clearAll();
    stats.store.setDays({});
    EXPECT_EQ(changes.count(), 1) << "an empty history emptied again is no change";

    stats.store.record(LocalStatisticsStore::applySkippedBreak());
    EXPECT_EQ(stats.repository.days(), QList<DayStat>{skippedOn("2025-03-04", 1)});
}

// 2025-03-30 22:30 UTC: the window starts on 2025-03-01, and midnight moves it twice into
// the next month.
TEST(LocalStatisticsStoreTest, HourlyPruningDropsDaysAsTheyLeaveTheWindow)
{
    LogCapture log;
    Stats stats({skippedOn("2025-02-28", 1), skippedOn("2025-03-01", 1), skippedOn("2025-03-02", 1),
                 skippedOn("2025-03-30", 1)},
                utc(2025, 3, 30, 22, 30), QTimeZone::utc(), true);
    EXPECT_EQ(datesOf(stats.store.days()), QStringList({"2025-03-01", "2025-03-02", "2025-03-30"}));
    EXPECT_EQ(log.count("Stats", pruned), 0) << "start-up pruning is not the hourly one";
    QSignalSpy changes(&stats.store, &LocalStatisticsStore::daysChanged);

    stats.clock.advance(3600); // 23:30, nothing expires
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(log.count("Stats", pruned), 0);

    stats.clock.advance(3600); // 00:30 on the 31st
    EXPECT_EQ(datesOf(stats.store.days()), QStringList({"2025-03-02", "2025-03-30"}));
    EXPECT_EQ(stats.repository.days(), stats.store.days());
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(log.count("Stats", pruned), 1);

    stats.clock.advance(24 * 3600); // 00:30 on 1 April: the window starts on 3 March
    EXPECT_EQ(datesOf(stats.repository.days()), QStringList({"2025-03-30"}));
    EXPECT_EQ(log.count("Stats", pruned), 2);

    stats.clock.advance(29 * 24 * 3600); // 30 April: the last record goes as well
    EXPECT_TRUE(stats.repository.days().isEmpty());
    EXPECT_EQ(log.count("Stats", pruned), 3);
}

TEST(LocalStatisticsStoreTest, TheRetentionTimerLivesExactlyAsLongAsItsStore)
{
    FakeClock clock;
    InMemoryStatsRepository repository;
    {
        LocalStatisticsStore store(repository, clock, QTimeZone::utc(), true);
        ASSERT_EQ(clock.scheduledBlocks().size(), 1);
        EXPECT_EQ(clock.scheduledBlocks().first().interval, 3600.0);
    }
    EXPECT_TRUE(clock.scheduledBlocks().isEmpty());
    LocalStatisticsStore withoutTimer(repository, clock, QTimeZone::utc(), false);
    EXPECT_TRUE(clock.scheduledBlocks().isEmpty());
}
