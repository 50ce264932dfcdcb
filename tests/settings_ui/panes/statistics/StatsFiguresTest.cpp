#include "settings_ui/panes/statistics/StatRange.h"
#include "settings_ui/panes/statistics/StatsFigures.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

namespace {

// Tuesday.
const QDate today(2025, 3, 4);
constexpr qint64 int64Max = std::numeric_limits<qint64>::max();

// `count` zero days ending today, each then changed by `fill`.
QList<DayStat> window(int count, const std::function<void(DayStat &, const QDate &)> &fill = {})
{
    QList<DayStat> days;
    for (int offset = count - 1; offset >= 0; --offset) {
        const QDate date = today.addDays(-offset);
        DayStat day{date.toString(QStringLiteral("yyyy-MM-dd"))};
        if (fill)
            fill(day, date);
        days.append(day);
    }
    return days;
}

StatsFigures totals(const std::function<void(DayStat &)> &change)
{
    return StatsFigures(window(7, [&](DayStat &day, const QDate &date) {
        if (date == today)
            change(day);
    }));
}

qint64 valueOf(const QList<StatsBreakdownItem> &items, const QString &id)
{
    for (const StatsBreakdownItem &item : items) {
        if (item.id == id)
            return item.value;
    }
    return -1;
}

} // namespace

TEST(StatsFiguresTest, CompletionRateRoundsHalvesAwayFromZeroAndIgnoresSnoozes)
{
    struct Case {
        qint64 completed, skipped;
        const char *rate;
    };
    const Case cases[] = {
        {1, 1, "50%"}, {1, 2, "33%"}, {1, 7, "13%"}, {2, 1, "67%"},
        {0, 0, "--"},  {0, 3, "0%"},  {7, 1, "88%"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.completed << " completed, " << c.skipped << " skipped");
        const StatsFigures figures = totals([&](DayStat &day) {
            day.breaksCompleted = c.completed;
            day.breaksSkipped = c.skipped;
            day.breaksSnoozed = 5;
            day.breaksAutoSkipped = 4;
        });
        EXPECT_EQ(figures.completionRateText(), c.rate);
    }
}

TEST(StatsFiguresTest, DurationsReadInSecondsMinutesOrHoursAndMinutes)
{
    const std::pair<qint64, const char *> cases[] = {
        {0, "0s"},     {45, "45s"},     {59, "59s"},     {60, "1m"},
        {3599, "59m"}, {3600, "1h 0m"}, {7260, "2h 1m"}, {7500, "2h 5m"},
    };
    for (const auto &[seconds, text] : cases)
        EXPECT_EQ(StatsFigures::formatStatDuration(seconds), text) << seconds;
}

TEST(StatsFiguresTest, TilesSummaryAndBreakdownsComeFromTheWindowsTotals)
{
    const StatsFigures figures(window(7, [](DayStat &day, const QDate &date) {
        if (date.dayOfWeek() > 5)
            return;
        day.breaksCompleted = 2;
        day.routineBreaksCompleted = 1;
        day.manualBreaksCompleted = 1;
        day.breaksEndedEarly = 1;
        day.longBreaksTaken = 1;
        day.idleBreaks = 1;
        day.totalBreakSeconds = 40;
        day.idleBreakSeconds = 144;
        day.breaksSnoozed = 1;
    }));
    EXPECT_EQ(figures.breaksTakenText(), "15");
    EXPECT_EQ(figures.breaksTakenCaption(), "10 timed + 5 away");
    EXPECT_EQ(figures.timeInBreaksText(), "3m");
    EXPECT_EQ(figures.awayLine(), "12m recorded while away");
    EXPECT_EQ(figures.completedText(), "10");
    EXPECT_EQ(figures.snoozedText(), "5");
    EXPECT_EQ(figures.completionRateText(), "100%");
    const QList<StatsBreakdownItem> outcomes = figures.outcomeItems();
    QStringList ids;
    for (const StatsBreakdownItem &item : outcomes)
        ids.append(item.id);
    EXPECT_EQ(
        ids,
        QStringList({"completed", "endedEarly", "skipped", "snoozed", "automatic", "interrupted"}));
    EXPECT_EQ(valueOf(outcomes, "completed"), 5) << "those ended early are counted apart";
    EXPECT_EQ(valueOf(figures.startItems(), "away"), 5);
    EXPECT_EQ(valueOf(figures.typeItems(), "short"), 5);
    EXPECT_EQ(StatsFigures::maxBreakdownValue(outcomes), 5);
    EXPECT_DOUBLE_EQ(StatsFigures::barFraction(5, 5), 1.0);
    EXPECT_DOUBLE_EQ(StatsFigures::barFraction(1, 4), 0.25);
}

TEST(StatsFiguresTest, CompletedAndShortNeverGoBelowZeroAndAnEmptyListHasScaleOne)
{
    const StatsFigures figures = totals([](DayStat &day) {
        day.breaksCompleted = 2;
        day.breaksEndedEarly = 5;
        day.longBreaksTaken = 3;
    });
    EXPECT_EQ(valueOf(figures.outcomeItems(), "completed"), 0);
    EXPECT_EQ(valueOf(figures.typeItems(), "short"), 0);

    const StatsFigures none(window(7));
    for (const QList<StatsBreakdownItem> &list :
         {none.outcomeItems(), none.startItems(), none.typeItems()}) {
        EXPECT_EQ(StatsFigures::maxBreakdownValue(list), 1);
        for (const StatsBreakdownItem &item : list)
            EXPECT_EQ(StatsFigures::barFraction(item.value, 1), 0.0) << item.id.toStdString();
    }
    EXPECT_EQ(StatsFigures::maxBreakdownValue({}), 1);
}

TEST(StatsFiguresTest, ActivityIsABreakAnAbsenceOrANoticeNeverSecondsOrSubCountsAlone)
{
    struct Case {
        const char *name;
        std::function<void(DayStat &)> change;
        bool activity;
    };
    const Case cases[] = {
        {"nothing", [](DayStat &) {}, false},
        {"one heads-up", [](DayStat &d) { d.breakHeadsUpsShown = 1; }, true},
        {"one blink reminder", [](DayStat &d) { d.blinkRemindersShown = 1; }, true},
        {"one interruption", [](DayStat &d) { d.breaksInterrupted = 1; }, true},
        {"long breaks only", [](DayStat &d) { d.longBreaksTaken = 2; }, false},
        {"ended early only", [](DayStat &d) { d.breaksEndedEarly = 2; }, false},
        {"seconds only", [](DayStat &d) { d.totalBreakSeconds = d.idleBreakSeconds = 600; }, false},
        {"reminders summing past the top",
         [](DayStat &d) { d.postureRemindersShown = d.typingRemindersShown = int64Max; }, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(totals(c.change).hasActivity(), c.activity);
    }
}

TEST(StatsFiguresTest, EveryWeekdayIsObservedOnceAWeekAndFourOrFiveTimesAMonth)
{
    const auto observed = [](int days) {
        QList<int> counts;
        for (const WeekdayBreakStat &row : StatsFigures(window(days)).weekdayRhythm())
            counts.append(row.observedDays);
        return counts;
    };
    EXPECT_EQ(observed(7), QList<int>({1, 1, 1, 1, 1, 1, 1}));
    // 3 February to 4 March: Monday and Tuesday come five times.
    EXPECT_EQ(observed(30), QList<int>({5, 5, 4, 4, 4, 4, 4}));

    QStringList letters;
    for (const WeekdayBreakStat &row : StatsFigures(window(7)).weekdayRhythm())
        letters.append(row.shortName + QString::number(row.id));
    EXPECT_EQ(letters, QStringList({"M2", "T3", "W4", "T5", "F6", "S7", "S1"}));
}

// Over 30 days: every Wednesday and Thursday one break (share 1, rate 1), two Fridays eight
// (share 0.5, rate 4), two Saturdays one (share 0.5, rate 0.5).
TEST(StatsFiguresTest, RankingTakesShareBeforeRateThenTheEarlierWeekday)
{
    const StatsFigures figures(window(30, [](DayStat &day, const QDate &date) {
        const int weekday = date.dayOfWeek();
        if (weekday == 3 || weekday == 4)
            day.breaksCompleted = 1;
        if ((weekday == 5 && date.day() % 2 == 0) || (weekday == 6 && date.day() <= 14))
            day.breaksCompleted = weekday == 5 ? 8 : 1;
    }));
    QStringList ranked;
    for (const WeekdayBreakStat &row : figures.rankedWeekdays())
        ranked.append(row.pluralName);
    EXPECT_EQ(ranked, QStringList({"Wednesdays", "Thursdays", "Fridays", "Saturdays"}));
    EXPECT_EQ(figures.consistencyText(), "Wednesdays & Thursdays")
        << "only the first two are named";
    EXPECT_EQ(figures.consistencyLead(), "You were most consistent on");
    EXPECT_DOUBLE_EQ(figures.weeklyAverages().value(4), 4.0);
    EXPECT_EQ(figures.weeklyAxis().top, 4);
}

TEST(StatsFiguresTest, ConsistencyNamesNoneOneOrTwoWeekdays)
{
    struct Case {
        QList<int> weekdaysWithBreaks; // Qt's numbers, Monday = 1
        const char *lead;
        const char *text;
    };
    const Case cases[] = {
        {{}, "Complete a break to reveal your rhythm.", "No pattern yet"},
        {{2}, "You were most consistent on", "Tuesdays"},
        {{7, 5}, "You were most consistent on", "Fridays & Sundays"},
        {{6, 1, 3}, "You were most consistent on", "Mondays & Wednesdays"},
    };
    for (const Case &c : cases) {
        const StatsFigures figures(window(7, [&](DayStat &day, const QDate &date) {
            day.breakHeadsUpsShown = 1;
            if (c.weekdaysWithBreaks.contains(date.dayOfWeek()))
                day.breaksCompleted = 3;
        }));
        EXPECT_EQ(figures.consistencyLead(), c.lead);
        EXPECT_EQ(figures.consistencyText(), c.text);
    }
}

TEST(StatsFiguresTest, AxesTakeRoundStepsAndAtLeastZeroToOne)
{
    struct Case {
        double largest;
        double top, step;
    };
    const Case cases[] = {{0, 1, 1},   {1, 1, 1},    {3, 3, 1},   {7, 8, 2},        {10, 10, 5},
                          {12, 15, 5}, {40, 40, 10}, {2.4, 3, 1}, {1234, 1500, 500}};
    for (const Case &c : cases) {
        const StatsAxis axis = StatsFigures::niceAxis(c.largest, 4);
        EXPECT_EQ(axis.top, c.top) << c.largest;
        EXPECT_EQ(axis.step, c.step) << c.largest;
    }
    EXPECT_EQ((StatsAxis{8, 2}.ticks()), QList<double>({0, 2, 4, 6, 8}));
}

TEST(StatsFiguresTest, DayKeysAreCalendarDaysAndOthersHaveNoSlotOrWeekday)
{
    EXPECT_EQ(StatsFigures::statDayDate("2024-09-08"), QDate(2024, 9, 8));
    EXPECT_FALSE(StatsFigures::statDayDate("2024-9-8").isValid());
    EXPECT_FALSE(StatsFigures::statDayDate("yesterday").isValid());

    QList<DayStat> days = window(7, [](DayStat &day, const QDate &) { day.breaksCompleted = 1; });
    days[3].date = QStringLiteral("not a day");
    const StatsFigures figures(days);
    const std::pair<QDate, QDate> expected(today.addDays(-6), today);
    EXPECT_EQ(figures.dailyChartDomain(), expected);
    int observed = 0;
    for (const WeekdayBreakStat &row : figures.weekdayRhythm())
        observed += row.observedDays;
    EXPECT_EQ(observed, 6);
}

// A hand-edited file can hold any count: sums stop at the top instead of wrapping negative
// (UBSan would report an overflow), and shares and axes are worked out in double.
TEST(StatsFiguresTest, TwoDaysAtTheLargestCountGiveSaturatedFigures)
{
    const StatsFigures figures(window(7, [](DayStat &day, const QDate &date) {
        if (date.daysTo(today) > 1)
            return;
        for (const DayStatCounter &counter : dayStatCounters())
            day.*counter.field = int64Max;
    }));
    EXPECT_EQ(figures.totals().breaksCompleted, int64Max);
    EXPECT_EQ(figures.breaksTakenText(), QString::number(int64Max));
    EXPECT_EQ(figures.completionRateText(), "100%");
    EXPECT_EQ(figures.timeInBreaksText(), "2562047788015215h 30m");
    EXPECT_EQ(valueOf(figures.outcomeItems(), "completed"), 0);
    for (const WeekdayBreakStat &row : figures.weekdayRhythm())
        EXPECT_GE(row.completedBreaks, 0);
    EXPECT_EQ(figures.consistencyText(), "Mondays & Tuesdays");
    const StatsAxis axis = figures.dailyAxis();
    EXPECT_GE(axis.top, 2.0 * double(int64Max));
    EXPECT_LE(axis.ticks().size(), 7);
    EXPECT_DOUBLE_EQ(StatsFigures::barFraction(int64Max, int64Max), 1.0);
}

TEST(StatsFiguresTest, RangesAreSevenOrThirtyDaysByTheirLabels)
{
    EXPECT_EQ(statRangeDayCount(StatRange::week), 7);
    EXPECT_EQ(statRangeDayCount(StatRange::month), 30);
    EXPECT_EQ(statRangeFromRawValue("30 days"), StatRange::month);
    EXPECT_EQ(statRangeFromRawValue("7 days"), StatRange::week);
    EXPECT_EQ(statRangeFromRawValue("7 Days"), std::nullopt);
}
