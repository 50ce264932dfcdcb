#include "core/DayStat.h"
#include "core/DayStatTotals.h"

#include <QJsonDocument>

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr qint64 int64Max = std::numeric_limits<qint64>::max();

std::optional<DayStat> decodeRecord(const char *json)
{
    const std::optional<QList<DayStat>> days =
        decodeDayStats(QByteArray("[") + json + QByteArray("]"));
    if (!days)
        return std::nullopt;
    EXPECT_EQ(days->size(), 1);
    return days->value(0);
}

// Every counter different, so that two fields mixed up anywhere show.
DayStat numberedDay(const QString &date, qint64 base)
{
    DayStat day{date};
    qint64 offset = 0;
    for (const DayStatCounter &counter : dayStatCounters())
        day.*counter.field = base + offset++; // base + 16 at most: callers keep it in range
    return day;
}

} // namespace

// Hand-edited and older files: what a record may hold and still count, and what spoils it.
TEST(DayStatTest, RecordsAreReadForgivinglyButNeverGuessed)
{
    struct Case
    {
        const char *json;
        bool decodes;
        qint64 completed = 0, routine = 0, manual = 0, planned = 0, skipped = 0;
    };
    const Case cases[] = {
        {R"({"date":"2025-03-04"})", true},
        {R"({"date":"2025-03-04","breaksSkipped":null,"breaksCompleted":null})", true},
        {R"({"date":"2025-03-04","breaksSkipped":-4})", true},
        {R"({"date":"2025-03-04","breaksSkipped":3.0})", true, 0, 0, 0, 0, 3},
        {R"({"date":"2025-03-04","breaksSkipped":1e3})", true, 0, 0, 0, 0, 1000},
        {R"({"date":"2025-03-04","breaksSkipped":9223372036854775807})", true, 0, 0, 0, 0,
         int64Max},
        {R"({"date":"2025-03-04","breaksSkipped":2,"note":"mine","extra":[1]})", true, 0, 0, 0, 0,
         2},
        // Written before completed breaks were counted by source: the rest is routine.
        {R"({"date":"d","breaksCompleted":10,"manualBreaksCompleted":2,
             "plannedBreaksCompleted":1})",
         true, 10, 7, 2, 1},
        {R"({"date":"d","breaksCompleted":1,"manualBreaksCompleted":2})", true, 1, 0, 2, 0},
        {R"({"date":"d","breaksCompleted":3,"manualBreaksCompleted":1,"plannedBreaksCompleted":2})",
         true, 3, 0, 1, 2},
        {R"({"date":"d","breaksCompleted":5,"routineBreaksCompleted":null})", true, 5, 5},
        {R"({"date":"d","breaksCompleted":5,"routineBreaksCompleted":0})", true, 5, 0},
        {R"({"date":"d","breaksCompleted":5,"routineBreaksCompleted":-2})", true, 5, 0},
        {R"({"date":"d","manualBreaksCompleted":9223372036854775807,
             "plannedBreaksCompleted":9223372036854775807})",
         true, 0, 0, int64Max, int64Max},
        {R"({"breaksSkipped":1})", false},
        {R"({"date":null})", false},
        {R"({"date":20250304})", false},
        {R"({"date":"2025-03-04","breaksSkipped":"3"})", false},
        {R"({"date":"2025-03-04","breaksSkipped":true})", false},
        {R"({"date":"2025-03-04","breaksSkipped":2.5})", false},
        {R"({"date":"2025-03-04","breaksSkipped":1e19})", false},
        {R"({"date":"2025-03-04","breaksSkipped":[1]})", false},
        {R"({"date":"2025-03-04","routineBreaksCompleted":"7"})", false},
        {R"("2025-03-04")", false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.json);
        const std::optional<DayStat> day = decodeRecord(c.json);
        ASSERT_EQ(day.has_value(), c.decodes);
        if (!day)
            continue;
        EXPECT_EQ(day->breaksCompleted, c.completed);
        EXPECT_EQ(day->routineBreaksCompleted, c.routine);
        EXPECT_EQ(day->manualBreaksCompleted, c.manual);
        EXPECT_EQ(day->plannedBreaksCompleted, c.planned);
        EXPECT_EQ(day->breaksSkipped, c.skipped);
    }
}

TEST(DayStatTest, OneUnusableRecordOrANonArraySpoilsTheWholeFile)
{
    EXPECT_EQ(decodeDayStats("[]"), QList<DayStat>());
    EXPECT_EQ(decodeDayStats(R"([{"date":"a"},{"date":"b","idleBreaks":"1"}])"), std::nullopt);
    EXPECT_EQ(decodeDayStats(R"({"date":"a"})"), std::nullopt);
    EXPECT_EQ(decodeDayStats(""), std::nullopt);
    EXPECT_EQ(decodeDayStats("[{\"date\":\"a\"}"), std::nullopt);
    QString error;
    decodeDayStats(R"([{"date":"a"},{"date":1}])", &error);
    EXPECT_TRUE(error.contains("index 1")) << error.toStdString();
}

TEST(DayStatTest, WritesAllKeysInFieldOrderAndReadsBackTheSame)
{
    const DayStat day = numberedDay(QStringLiteral("2025-03-04"), 1);
    EXPECT_EQ(day.toJson(),
              R"({"date":"2025-03-04","breaksCompleted":1,"routineBreaksCompleted":2,)"
              R"("manualBreaksCompleted":3,"plannedBreaksCompleted":4,"breaksEndedEarly":5,)"
              R"("breaksSkipped":6,"breaksAutoSkipped":7,"breaksSnoozed":8,)"
              R"("breaksInterrupted":9,"longBreaksTaken":10,"idleBreaks":11,)"
              R"("totalBreakSeconds":12,"idleBreakSeconds":13,"postureRemindersShown":14,)"
              R"("typingRemindersShown":15,"blinkRemindersShown":16,"breakHeadsUpsShown":17})");

    // A date that needs escaping, and the largest counter, survive the trip.
    DayStat odd = numberedDay(QStringLiteral("quote \" slash \\ «é»\n"), int64Max - 16);
    const QList<DayStat> days{day, odd};
    const QByteArray json = encodeDayStats(days);
    EXPECT_FALSE(json.contains('\n'));
    EXPECT_TRUE(QJsonDocument::fromJson(json).isArray());
    EXPECT_EQ(decodeDayStats(json), days);
    EXPECT_EQ(encodeDayStats({}), "[]");
}

TEST(DayStatTest, SumsStopAtTheLargestValueInsteadOfWrapping)
{
    DayStat into = numberedDay(QStringLiteral("kept"), int64Max - 20);
    dayStatAddCounters(into, numberedDay(QStringLiteral("other"), 1));
    EXPECT_EQ(into.date, "kept");
    EXPECT_EQ(into.breaksCompleted, int64Max - 19); // (max - 20) + 1
    EXPECT_EQ(into.breakHeadsUpsShown, int64Max);   // (max - 4) + 17
    EXPECT_EQ(saturatingCounterAdd(std::numeric_limits<qint64>::min(), -1),
              std::numeric_limits<qint64>::min());

    const DayStatTotals totals = sumDayStats({numberedDay("a", 1), numberedDay("b", 100)});
    const qint64 expected[] = {101, 103, 105, 107, 109, 111, 113, 115, 117,
                               119, 121, 123, 125, 127, 129, 131, 133};
    const qint64 actual[] = {totals.breaksCompleted,       totals.routineBreaksCompleted,
                             totals.manualBreaksCompleted, totals.plannedBreaksCompleted,
                             totals.breaksEndedEarly,      totals.breaksSkipped,
                             totals.breaksAutoSkipped,     totals.breaksSnoozed,
                             totals.breaksInterrupted,     totals.longBreaksTaken,
                             totals.idleBreaks,            totals.totalBreakSeconds,
                             totals.idleBreakSeconds,      totals.postureRemindersShown,
                             totals.typingRemindersShown,  totals.blinkRemindersShown,
                             totals.breakHeadsUpsShown};
    for (size_t i = 0; i < std::size(expected); ++i)
        EXPECT_EQ(actual[i], expected[i]) << "counter " << i;

    EXPECT_EQ(sumDayStats({}), DayStatTotals{});
    const DayStatTotals big = sumDayStats({numberedDay("a", int64Max - 17), numberedDay("b", 1)});
    EXPECT_EQ(big.breakHeadsUpsShown, int64Max);
    EXPECT_EQ(big.breaksCompleted, int64Max - 16);
}
