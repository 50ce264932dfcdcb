#include "scheduling/PlannedBreak.h"
#include "support/ScopedTimeZone.h"

#include <QTimeZone>

#include <gtest/gtest.h>

namespace {

PlannedBreak record(const QString &name, qint64 hour = 12, qint64 minute = 30)
{
    PlannedBreak planned;
    planned.name = name;
    planned.hour = hour;
    planned.minute = minute;
    planned.durationSeconds = 600;
    planned.days = {true, true, true, true, true, false, false};
    return planned;
}

PlannedBreak withDays(QList<bool> days)
{
    PlannedBreak planned = record(QStringLiteral("Walk"));
    planned.days = std::move(days);
    return planned;
}

QString hhmmUtc(const QDateTime &moment)
{
    return moment.toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

} // namespace

TEST(PlannedBreakTest, NormalisingTrimsCutsAndClamps)
{
    EXPECT_FALSE(record(QStringLiteral(" \n\t  \r\n")).normalized().has_value());

    PlannedBreak wild = record(QStringLiteral("  Lunch \n"), -3, 75);
    wild.durationSeconds = -20;
    wild.days = {true, false, true, false, true, false, true, true, true}; // nine flags
    const std::optional<PlannedBreak> tidy = wild.normalized();
    ASSERT_TRUE(tidy);
    EXPECT_EQ(tidy->name, "Lunch");
    EXPECT_EQ(tidy->hour, 0);
    EXPECT_EQ(tidy->minute, 59);
    EXPECT_EQ(tidy->durationSeconds, 1);
    EXPECT_EQ(tidy->days, (QList<bool>{true, false, true, false, true, false, true}));
    EXPECT_EQ(tidy->id, wild.id);

    PlannedBreak late = record(QStringLiteral("Tea"), 25, 0);
    late.days = {true, true, true};
    late.emoji = QStringLiteral("  ");
    const PlannedBreak lateTidy = *late.normalized();
    EXPECT_EQ(lateTidy.hour, 23);
    EXPECT_EQ(lateTidy.days, (QList<bool>{true, true, true, false, false, false, false}));
    EXPECT_EQ(lateTidy.emoji, "  "); // the decoration is the user's
}

TEST(PlannedBreakTest, LongNamesAreCutAtEightyCharactersAsTheUserSeesThem)
{
    EXPECT_EQ(record(QString(81, QLatin1Char('a'))).normalized()->name, QString(80, 'a'));
    EXPECT_EQ(record(QString(80, QLatin1Char('b'))).normalized()->name, QString(80, 'b'));

    // A family emoji is seven code points and eleven UTF-16 units; a letter with a combining
    // accent is two. Each still counts as one character and is never split.
    const QString family = QString::fromUtf8("\xF0\x9F\x91\xA8\xE2\x80\x8D\xF0\x9F\x91\xA9\xE2\x80"
                                             "\x8D\xF0\x9F\x91\xA7\xE2\x80\x8D\xF0\x9F\x91\xA6");
    const QString accented = QStringLiteral("e\u0301");
    const QString name = family.repeated(79) + accented + family;
    EXPECT_EQ(record(QStringLiteral(" ") + name).normalized()->name, family.repeated(79) + accented);
}

TEST(PlannedBreakTest, TimeIsShownOnATwelveHourClock)
{
    const struct
    {
        qint64 hour, minute;
        const char *text;
    } cases[] = {{0, 0, "12:00 AM"}, {0, 5, "12:05 AM"}, {9, 0, "9:00 AM"},
                 {12, 0, "12:00 PM"}, {13, 30, "1:30 PM"}, {23, 59, "11:59 PM"}};
    for (const auto &c : cases)
        EXPECT_EQ(record(QStringLiteral("x"), c.hour, c.minute).formattedTime(), c.text) << c.text;
    EXPECT_EQ(record(QStringLiteral("x"), 7, 5).scheduledAtText(), "07:05");
}

TEST(PlannedBreakTest, DaysAreSummarisedInWords)
{
    const bool x = true, o = false;
    EXPECT_EQ(withDays({x, x, x, x, x, o, o}).daysSummary(), "Weekdays");
    EXPECT_EQ(withDays({x, x, x, x, o, x, o}).daysSummary(), "Mon, Tue, Wed, Thu, Sat");
    EXPECT_EQ(withDays({o, o, o, o, o, x, x}).daysSummary(), "Weekends");
    EXPECT_EQ(withDays({o, o, o, o, x, x, o}).daysSummary(), "Fri, Sat");
    EXPECT_EQ(withDays({x, x, x, x, x, x, x}).daysSummary(), "Every day");
    EXPECT_EQ(withDays({o, o, o, o, o, o, o}).daysSummary(), "");
    EXPECT_EQ(withDays({x, o, x}).daysSummary(), "Mon, Wed"); // short lists read as padded
}

TEST(PlannedBreakTest, WeekdaysCountFromMonday)
{
    const QDate monday(2025, 3, 3);
    const QDate sunday(2025, 3, 9);
    EXPECT_TRUE(withDays({true}).isPlannedOn(monday));
    EXPECT_FALSE(withDays({true}).isPlannedOn(sunday));
    EXPECT_TRUE(withDays({false, false, false, false, false, false, true}).isPlannedOn(sunday));
    EXPECT_FALSE(withDays({true, true, true}).isPlannedOn(sunday)); // no flag for the day

    PlannedBreak off = withDays(QList<bool>(7, true));
    off.enabled = false;
    EXPECT_FALSE(off.isPlannedOn(monday));
}

TEST(PlannedBreakTest, StoredFormRoundTripsAndRejectsAnyMissingOrMistypedKey)
{
    PlannedBreak lunch = *record(QStringLiteral("Lunch")).normalized();
    lunch.emoji = QStringLiteral("\U0001F957");
    const QVariantMap stored = lunch.toStored();
    EXPECT_EQ(stored.keys(), (QStringList{"days", "durationSeconds", "emoji", "enabled", "hour",
                                          "id", "minute", "name"}));
    EXPECT_EQ(stored.value("id").toString(), lunch.id.toString(QUuid::WithoutBraces).toUpper());
    EXPECT_EQ(PlannedBreak::fromStored(stored), lunch);

    // JSON keeps numbers as doubles and tells nothing of the id's case; extra keys are ignored.
    QVariantMap fromJson = stored;
    fromJson["hour"] = 12.0;
    fromJson["id"] = stored.value("id").toString().toLower();
    fromJson["colour"] = "red";
    EXPECT_EQ(PlannedBreak::fromStored(fromJson), lunch);

    const QList<std::pair<QString, QVariant>> damaged = {
        {"emoji", QVariant()},          {"hour", "12"},
        {"minute", 30.5},               {"enabled", 1},
        {"days", QVariantList{true, 1}}, {"id", "not-a-uuid"},
        {"id", "{" + stored.value("id").toString() + "}"}, {"name", QVariant::fromValue(nullptr)},
    };
    for (const auto &[key, value] : damaged) {
        QVariantMap broken = stored;
        if (value.isValid())
            broken[key] = value;
        else
            broken.remove(key);
        EXPECT_FALSE(PlannedBreak::fromStored(broken)) << key.toStdString();
    }
}

TEST(PlannedBreakTest, DayKeyIsTheLocalCalendarDayInAsciiDigits)
{
    const ScopedTimeZone zone("America/New_York");
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt)); // digits of its own
    // 03:30 UTC on the 15th is still the evening of the 14th in New York.
    const QDateTime moment(QDate(2025, 3, 15), QTime(3, 30), QTimeZone::utc());
    EXPECT_EQ(formatPlannedDayKey(moment), "2025-03-14");
    QLocale::setDefault(previous);
}

TEST(PlannedBreakTest, ATimeTheClocksSkipComesAtTheNextTimeThatExists)
{
    const ScopedTimeZone zone("America/New_York");
    // On 2025-03-09 the clocks jump from 02:00 EST to 03:00 EDT: 02:30 never happens.
    const QDateTime morning(QDate(2025, 3, 9), QTime(0, 10));
    const std::optional<QDateTime> skipped = record(QStringLiteral("x"), 2, 30).scheduledTimeOn(morning);
    ASSERT_TRUE(skipped);
    EXPECT_EQ(hhmmUtc(*skipped), "2025-03-09 07:00"); // 03:00 EDT
    EXPECT_EQ(hhmmUtc(*record(QStringLiteral("x"), 3, 30).scheduledTimeOn(morning)),
              "2025-03-09 07:30");
    EXPECT_EQ(hhmmUtc(*record(QStringLiteral("x"), 1, 30).scheduledTimeOn(morning)),
              "2025-03-09 06:30");
}

TEST(PlannedBreakTest, ATimeTheClocksShowTwiceComesAtItsFirstPass)
{
    const ScopedTimeZone zone("America/New_York");
    // On 2025-11-02 the clocks go back from 02:00 EDT to 01:00 EST: 01:30 happens twice.
    const QDate sunday(2025, 11, 2);
    const QDateTime morning(sunday, QTime(0, 10));
    EXPECT_EQ(hhmmUtc(*record(QStringLiteral("x"), 1, 30).scheduledTimeOn(morning)),
              "2025-11-02 05:30"); // 01:30 EDT
    // Asked during the second pass, the answer is still the day's first 01:30.
    const QDateTime secondPass = QDateTime(sunday, QTime(6, 45), QTimeZone::utc()).toLocalTime();
    EXPECT_EQ(hhmmUtc(*record(QStringLiteral("x"), 1, 30).scheduledTimeOn(secondPass)),
              "2025-11-02 05:30");
    EXPECT_EQ(hhmmUtc(*record(QStringLiteral("x"), 2, 30).scheduledTimeOn(morning)),
              "2025-11-02 07:30");
}
