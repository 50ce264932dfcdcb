#include "core/OfficeHoursWeek.h"

#include <gtest/gtest.h>

#include <ctime>
#include <limits>

namespace {

enum Position { mon, tue, wed, thu, fri, sat, sun };

OfficeHoursDay hours(qint64 startHour, qint64 startMin, qint64 endHour, qint64 endMin)
{
    return {QString(), true, startHour, startMin, endHour, endMin};
}

// A full week with every day off except the given ones.
OfficeHoursWeek weekWith(std::initializer_list<std::pair<Position, OfficeHoursDay>> days)
{
    QList<OfficeHoursDay> week(7);
    for (const auto &[position, day] : days)
        week[position] = day;
    return OfficeHoursWeek(OfficeHoursWeek::toStored(week));
}

// Local wall-clock time in the week of Monday 2 June 2025, which has no clock change.
QDateTime june(Position day, int hour, int minute, int second = 0)
{
    return QDateTime(QDate(2025, 6, 2 + day), QTime(hour, minute, second));
}

// One moment of a timeline: so many minutes of real time after its start, the wall clock
// that moment shows, and whether it lies inside office hours.
struct Moment
{
    int minutesLater;
    QString wallClock;
    bool inside;
};

void expectTimeline(const OfficeHoursWeek &week, const QDateTime &start,
                    std::initializer_list<Moment> moments)
{
    for (const Moment &moment : moments) {
        const QDateTime at = start.addSecs(qint64(moment.minutesLater) * 60);
        EXPECT_EQ(at.toString(QStringLiteral("ddd HH:mm")), moment.wallClock)
            << "+" << moment.minutesLater << " min";
        EXPECT_EQ(week.contains(at), moment.inside) << moment.wallClock.toStdString();
    }
}

// Moments compare as text so that a failure shows them: the instant, in UTC.
QString shown(const std::optional<QDateTime> &moment)
{
    return moment ? moment->toUTC().toString(Qt::ISODate) : QStringLiteral("none");
}

QString hhmm(int hour, int minute)
{
    return QTime(hour, minute).toString(QStringLiteral("HH:mm"));
}

QDateTime utc(const QDate &date, int hour, int minute)
{
    return QDateTime(date, QTime(hour, minute), Qt::UTC);
}

} // namespace

TEST(OfficeHoursWeekTest, DefaultWeekIsWeekdaysNineToSixIgnoringSeconds)
{
    const OfficeHoursWeek week(OfficeHoursWeek::defaultSchedule());
    EXPECT_FALSE(week.contains(june(mon, 8, 59, 59)));
    EXPECT_TRUE(week.contains(june(mon, 9, 0)));
    EXPECT_TRUE(week.contains(june(mon, 17, 59, 59)));
    EXPECT_FALSE(week.contains(june(mon, 18, 0)));
    EXPECT_TRUE(week.contains(june(fri, 12, 0)));
    EXPECT_FALSE(week.contains(june(sat, 12, 0)));
    EXPECT_FALSE(week.contains(june(sun, 12, 0)));
}

TEST(OfficeHoursWeekTest, WindowAcrossMidnightReachesIntoTheNextDayUntilItsEnd)
{
    const OfficeHoursWeek fridayNight = weekWith({{fri, hours(22, 0, 6, 0)}});
    expectTimeline(fridayNight, june(fri, 21, 59),
                   {{0, "Fri 21:59", false},
                    {1, "Fri 22:00", true},
                    {91, "Fri 23:30", true},
                    {480, "Sat 05:59", true}, // Saturday itself is off
                    {481, "Sat 06:00", false}});

    const OfficeHoursWeek withSaturday =
        weekWith({{fri, hours(22, 0, 6, 0)}, {sat, hours(6, 0, 7, 0)}});
    EXPECT_TRUE(withSaturday.contains(june(sat, 6, 0)));

    // Sunday is the day before Monday.
    const OfficeHoursWeek sundayNight = weekWith({{sun, hours(20, 0, 2, 30)}});
    EXPECT_TRUE(sundayNight.contains(june(mon, 2, 29)));
    EXPECT_FALSE(sundayNight.contains(june(mon, 2, 30)));
}

TEST(OfficeHoursWeekTest, OnlyAnEnabledDayAcrossMidnightReachesIntoTheNext)
{
    const OfficeHoursWeek wholeTuesday = weekWith({{tue, hours(7, 15, 7, 15)}});
    EXPECT_FALSE(wholeTuesday.contains(june(mon, 23, 59)));
    EXPECT_TRUE(wholeTuesday.contains(june(tue, 0, 0)));
    EXPECT_TRUE(wholeTuesday.contains(june(tue, 23, 59)));
    EXPECT_FALSE(wholeTuesday.contains(june(wed, 0, 0)));

    OfficeHoursDay disabledNight = hours(22, 0, 6, 0);
    disabledNight.enabled = false;
    const OfficeHoursWeek week = weekWith({{wed, disabledNight}});
    EXPECT_FALSE(week.contains(june(wed, 23, 0)));
    EXPECT_FALSE(week.contains(june(thu, 1, 0)));
}

TEST(OfficeHoursWeekTest, StoredWeekIsTakenWholeOrNotAtAll)
{
    const QVariantList defaults = OfficeHoursWeek::defaultSchedule();
    QVariantList sixDays = defaults.mid(0, 6);
    EXPECT_EQ(OfficeHoursWeek::fromStored(sixDays), sixDays); // length is not judged here
    const OfficeHoursWeek shortWeek(sixDays);
    EXPECT_FALSE(shortWeek.hasFullWeek());
    EXPECT_TRUE(shortWeek.contains(june(sat, 3, 0)));
    EXPECT_EQ(shown(shortWeek.nextStart(june(mon, 8, 0))), "none");

    QVariantList withString = defaults;
    withString[sat] = QStringLiteral("closed");
    EXPECT_EQ(OfficeHoursWeek::fromStored(withString), defaults);
    EXPECT_EQ(OfficeHoursWeek::fromStored(QStringLiteral("weekdays")), defaults);
    EXPECT_EQ(OfficeHoursWeek::fromStored(QVariant()), defaults);
}

TEST(OfficeHoursWeekTest, MissingOrMistypedValuesTakeTheirOwnDefaults)
{
    QVariantList days = OfficeHoursWeek::defaultSchedule();
    QVariantMap monday = days[mon].toMap();
    monday.remove(QStringLiteral("startHour"));        // 9
    monday[QStringLiteral("endHour")] = 12.0;          // a whole double is an integer
    monday[QStringLiteral("endMin")] = QStringLiteral("30"); // text is not: 0
    days[mon] = monday;
    QVariantMap tuesday = days[tue].toMap();
    tuesday.remove(QStringLiteral("enabled"));
    days[tue] = tuesday;
    QVariantMap wednesday = days[wed].toMap();
    wednesday[QStringLiteral("enabled")] = qint64(1); // only a Boolean enables
    days[wed] = wednesday;

    const OfficeHoursWeek week(days);
    EXPECT_FALSE(week.contains(june(mon, 8, 59)));
    EXPECT_TRUE(week.contains(june(mon, 9, 0)));
    EXPECT_FALSE(week.contains(june(mon, 12, 0)));
    EXPECT_FALSE(week.contains(june(tue, 10, 0)));
    EXPECT_FALSE(week.contains(june(wed, 10, 0)));
    EXPECT_EQ(shown(week.nextStart(june(mon, 10, 0))), shown(june(thu, 9, 0)));
}

TEST(OfficeHoursWeekTest, ValuesTooLargeForMinuteArithmeticDoNotWrapAround)
{
    // Taken literally, 9223372036854775807 h 60 min wraps to 00:00, which would make the
    // day equal its 00:00 end and so open all day; it is far past midnight instead.
    constexpr qint64 huge = std::numeric_limits<qint64>::max();
    const OfficeHoursWeek week =
        weekWith({{mon, hours(huge, 60, 0, 0)}, {tue, hours(huge, 0, 5, 0)}});
    EXPECT_FALSE(week.contains(june(mon, 12, 0)));
    EXPECT_FALSE(week.contains(june(tue, 0, 0)));
    EXPECT_EQ(shown(week.nextStart(june(mon, 0, 0))), "none"); // no clock shows those hours
}

TEST(OfficeHoursWeekTest, NextStartIsTheFirstStartStrictlyAfterTheMoment)
{
    const OfficeHoursWeek mondays = weekWith({{mon, hours(9, 0, 18, 0)}});
    EXPECT_EQ(shown(mondays.nextStart(june(mon, 8, 0))), shown(june(mon, 9, 0)));
    EXPECT_EQ(shown(mondays.nextStart(june(mon, 9, 0))), shown(june(mon, 9, 0).addDays(7)));
    EXPECT_EQ(shown(mondays.nextStart(june(mon, 10, 0))), shown(june(mon, 9, 0).addDays(7)));
    EXPECT_EQ(shown(mondays.nextStart(june(sun, 23, 0))), shown(june(mon, 9, 0).addDays(7)));

    const OfficeHoursWeek defaults(OfficeHoursWeek::defaultSchedule());
    EXPECT_EQ(shown(defaults.nextStart(june(mon, 10, 0))), shown(june(tue, 9, 0)));
    EXPECT_EQ(shown(defaults.nextStart(june(fri, 18, 30))), shown(june(mon, 9, 0).addDays(7)));

    const OfficeHoursWeek wholeWednesday = weekWith({{wed, hours(13, 0, 13, 0)}});
    EXPECT_EQ(shown(wholeWednesday.nextStart(june(tue, 20, 0))), shown(june(wed, 0, 0)));

    EXPECT_EQ(shown(weekWith({}).nextStart(june(mon, 8, 0))), "none");
}

namespace {

// Clock changes, in a zone where the clocks jump from 02:00 to 03:00 on a spring Sunday and
// repeat one hour on an autumn Sunday.
struct ClockChanges
{
    const char *zone;
    QDate springSunday;
    QDate autumnSunday;
    int repeatedHour;      // the hour the autumn Sunday shows twice
    int winterUtcOffset;   // hours
};

void PrintTo(const ClockChanges &changes, std::ostream *out)
{
    *out << changes.zone;
}

} // namespace

class OfficeHoursWeekClockChangeTest : public ::testing::TestWithParam<ClockChanges>
{
protected:
    void SetUp() override
    {
        m_hadZone = qEnvironmentVariableIsSet("TZ");
        m_previousZone = qgetenv("TZ");
        qputenv("TZ", GetParam().zone);
        tzset();
    }

    void TearDown() override
    {
        if (m_hadZone)
            qputenv("TZ", m_previousZone);
        else
            qunsetenv("TZ");
        tzset();
    }

    static QDateTime local(const QDate &date, int hour, int minute)
    {
        return QDateTime(date, QTime(hour, minute));
    }
    static QDateTime utcOf(const QDate &date, int localHour, int localMinute, bool summer)
    {
        const int offset = GetParam().winterUtcOffset + (summer ? 1 : 0);
        return utc(date, 0, 0).addSecs((localHour - offset) * 3600 + localMinute * 60);
    }

private:
    bool m_hadZone = false;
    QByteArray m_previousZone;
};

TEST_P(OfficeHoursWeekClockChangeTest, WindowsAroundTheMissingHourFollowTheWallClock)
{
    const QDate sunday = GetParam().springSunday;
    expectTimeline(weekWith({{sun, hours(1, 30, 3, 30)}}), local(sunday, 1, 0),
                   {{0, "Sun 01:00", false},
                    {30, "Sun 01:30", true},
                    {59, "Sun 01:59", true},
                    {60, "Sun 03:00", true}, // the clocks jump
                    {89, "Sun 03:29", true},
                    {90, "Sun 03:30", false}});
    expectTimeline(weekWith({{sun, hours(2, 30, 4, 0)}}), local(sunday, 1, 59),
                   {{0, "Sun 01:59", false}, {1, "Sun 03:00", true}, {60, "Sun 03:59", true}});
    // Saturday night across midnight into the short Sunday.
    expectTimeline(weekWith({{sat, hours(22, 0, 2, 30)}}), local(sunday.addDays(-1), 21, 59),
                   {{0, "Sat 21:59", false},
                    {1, "Sat 22:00", true},
                    {121, "Sun 00:00", true},
                    {240, "Sun 01:59", true},
                    {241, "Sun 03:00", false}});
}

TEST_P(OfficeHoursWeekClockChangeTest, RepeatedHourIsInsideOnBothPasses)
{
    const QDate sunday = GetParam().autumnSunday;
    const int hour = GetParam().repeatedHour;
    expectTimeline(weekWith({{sun, hours(hour, 30, hour + 1, 0)}}), local(sunday, hour - 1, 0),
                   {{60, "Sun " + hhmm(hour, 0), false},
                    {90, "Sun " + hhmm(hour, 30), true},
                    {120, "Sun " + hhmm(hour, 0), false}, // the hour again
                    {150, "Sun " + hhmm(hour, 30), true},
                    {180, "Sun " + hhmm(hour + 1, 0), false}});
    // Saturday night ending inside the repeated hour ends on each pass.
    expectTimeline(weekWith({{sat, hours(22, 0, hour, 30)}}), local(sunday, 0, 0),
                   {{0, "Sun 00:00", true},
                    {hour * 60 + 29, "Sun " + hhmm(hour, 29), true},
                    {hour * 60 + 30, "Sun " + hhmm(hour, 30), false},
                    {hour * 60 + 60, "Sun " + hhmm(hour, 0), true},
                    {hour * 60 + 90, "Sun " + hhmm(hour, 30), false}});
}

TEST_P(OfficeHoursWeekClockChangeTest, NextStartInTheMissingHourIsWhenTheClocksJump)
{
    const QDate sunday = GetParam().springSunday;
    const OfficeHoursWeek week = weekWith({{sun, hours(2, 30, 5, 0)}});
    const std::optional<QDateTime> start = week.nextStart(local(sunday, 0, 0));
    EXPECT_EQ(shown(start), shown(utcOf(sunday, 2, 0, false))); // = 03:00 summer time
    EXPECT_EQ(start.value_or(QDateTime()).toString(QStringLiteral("HH:mm")), "03:00");
}

TEST_P(OfficeHoursWeekClockChangeTest, NextStartInTheRepeatedHourIsItsFirstPass)
{
    const QDate sunday = GetParam().autumnSunday;
    const int hour = GetParam().repeatedHour;
    const OfficeHoursWeek week = weekWith({{sun, hours(hour, 30, 5, 0)}});
    const QDateTime firstPass = utcOf(sunday, hour, 30, true);
    EXPECT_EQ(shown(week.nextStart(local(sunday, 0, 0))), shown(firstPass));

    // Between the two passes the day's start has gone by: the next one is a week later.
    const QDateTime betweenPasses = firstPass.toLocalTime().addSecs(45 * 60);
    EXPECT_EQ(betweenPasses.toString(QStringLiteral("HH:mm")), hhmm(hour, 15)); // second pass
    EXPECT_EQ(shown(week.nextStart(betweenPasses)), shown(local(sunday.addDays(7), hour, 30)));
}

INSTANTIATE_TEST_SUITE_P(Zones, OfficeHoursWeekClockChangeTest,
                         ::testing::Values(ClockChanges{"Europe/Berlin", QDate(2025, 3, 30),
                                                        QDate(2025, 10, 26), 2, 1},
                                           ClockChanges{"America/New_York", QDate(2025, 3, 9),
                                                        QDate(2025, 11, 2), 1, -5}),
                         [](const ::testing::TestParamInfo<ClockChanges> &info) {
                             return info.index == 0 ? "Berlin" : "NewYork";
                         });
