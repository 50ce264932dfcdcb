#include "core/AppSettings.h"
#include "core/DayKey.h"
#include "core/InMemorySettingsRepository.h"
#include "core/InMemoryStatsRepository.h"
#include "core/LocalStatisticsStore.h"
#include "support/FakeClock.h"

#include <QLocale>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr qint64 int64Max = std::numeric_limits<qint64>::max();
constexpr qint64 int64Min = std::numeric_limits<qint64>::min();

QVariant integer(qint64 value)
{
    return QVariant::fromValue(value);
}

// The fake clock starts on Tuesday 2025-03-04 at 09:00.
const QString today = QStringLiteral("2025-03-04");
const QString yesterday = QStringLiteral("2025-03-03");

struct Rules
{
    explicit Rules(const QVariantMap &stored)
        : store(stored)
        , statistics(statsRepository, clock, QTimeZone::systemTimeZone(), false)
        , settings(store, clock, nullptr, &statistics)
    {
    }
    qint64 stored(const char *key) const
    {
        return store.persistentDomain().value(key).toLongLong();
    }

    InMemorySettingsRepository store;
    FakeClock clock;
    InMemoryStatsRepository statsRepository;
    LocalStatisticsStore statistics;
    AppSettings settings;
};

} // namespace

// Hand-edited stores give no overflow, and never a break on every tick; the stored values stay.
TEST(AppSettingsRulesTest, IntervalComesFromThePresetOrTheCustomTimeAndIsBounded)
{
    struct Case
    {
        bool custom;
        qint64 preset, hours, minutes, seconds;
    };
    const Case cases[] = {
        {false, 20, 1, 0, 1200},
        {true, 20, 1, 30, 5400},
        // A preset of no minutes or fewer is no interval at all: the default's 20 minutes.
        {false, 0, 0, 0, 1200},
        {false, -5, 0, 0, 1200},
        {false, int64Max, 0, 0, int64Max},
        {false, int64Min, 0, 0, 1200},
        {true, 20, 0, 0, 60},
        {true, 20, -1, 30, 60},
        {true, 20, int64Max / 3600 + 1, 0, int64Max},
        {true, 20, int64Max / 3600, int64Max / 60, int64Max},
        {true, 20, int64Min, int64Max, 60},
        {true, 20, 0, 1, 60},
        {true, 20, 0, 2, 120},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(::testing::Message() << c.custom << " " << c.preset << " " << c.hours << " "
                                          << c.minutes);
        Rules rules({{"useCustomInterval", c.custom},
                     {"breakInterval", integer(c.preset)},
                     {"customHours", integer(c.hours)},
                     {"customMinutes", integer(c.minutes)}});
        EXPECT_EQ(rules.settings.breakIntervalSeconds(), c.seconds);
        EXPECT_EQ(rules.stored("breakInterval"), c.preset);
        EXPECT_EQ(rules.stored("customHours"), c.hours);
    }
}

TEST(AppSettingsRulesTest, EveryThirdShortBreakMakesTheNextOneLong)
{
    Rules rules({});
    QSignalSpy changes(&rules.settings, &AppSettings::shortBreaksSinceLongChanged);
    for (int shortBreaks = 0; shortBreaks < 3; ++shortBreaks) {
        EXPECT_FALSE(rules.settings.isLongBreakDue());
        rules.settings.incrementShortBreaksSinceLong();
    }
    EXPECT_TRUE(rules.settings.isLongBreakDue());
    EXPECT_EQ(rules.stored("shortBreaksSinceLong"), 3);
    EXPECT_EQ(changes.count(), 3);

    rules.settings.setLongBreaksEnabled(false);
    EXPECT_FALSE(rules.settings.isLongBreakDue());
    rules.settings.setLongBreaksEnabled(true);
    rules.settings.setShortBreaksSinceLong(0);
    rules.settings.setLongBreakFrequency(0);
    EXPECT_TRUE(rules.settings.isLongBreakDue()); // every break is long
}

TEST(AppSettingsRulesTest, CountersStopAtTheLargestValueInsteadOfWrapping)
{
    Rules rules({{"shortBreaksSinceLong", integer(int64Max)},
                 {"skipsUsedToday", integer(int64Max)},
                 {"snoozesUsedToday", integer(int64Max)},
                 {"lastSnoozeResetDate", today}});
    rules.settings.incrementShortBreaksSinceLong();
    rules.settings.recordSkipUsed();
    rules.settings.recordSnoozeUsed();

    EXPECT_EQ(rules.settings.shortBreaksSinceLong(), int64Max);
    EXPECT_TRUE(rules.settings.isLongBreakDue());
    EXPECT_EQ(rules.stored("skipsUsedToday"), int64Max);
    EXPECT_EQ(rules.stored("snoozesUsedToday"), int64Max);
    // The statistics count on whatever the daily counters say.
    EXPECT_EQ(rules.statsRepository.days().value(0).breaksSkipped, 1);
    EXPECT_EQ(rules.statsRepository.days().value(0).breaksSnoozed, 1);
}

TEST(AppSettingsRulesTest, AllowancesFollowTheEnforcementModeAndTheDay)
{
    struct Case
    {
        const char *enforcement;
        qint64 perDay, used;
        QString day;
        bool allowed;
    };
    const Case cases[] = {
        {"Balanced", 3, 3, today, false},
        {"Balanced", 3, 2, today, true},
        {"Balanced", 3, 3, yesterday, true},
        {"Balanced", 3, 3, "", true},
        {"Balanced", 3, 3, "not a day", true},
        {"Balanced", 0, 99, today, true},
        {"Balanced", -1, 0, today, false},
        {"Hardcore", 0, 0, yesterday, false},
        {"Casual", 1, 5, today, true},
        {"balanced", 3, 3, today, true}, // unknown text behaves as "Casual"
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(::testing::Message() << c.enforcement << " " << c.perDay << " " << c.used
                                          << " " << c.day.toStdString());
        // Skips and snoozes follow the same rule with their own counters: swap them over.
        Rules skips({{"enforcement", c.enforcement},
                     {"skipsPerDay", integer(c.perDay)},
                     {"skipsUsedToday", integer(c.used)},
                     {"snoozesPerDay", integer(0)},
                     {"lastSnoozeResetDate", c.day}});
        Rules snoozes({{"enforcement", c.enforcement},
                       {"snoozesPerDay", integer(c.perDay)},
                       {"snoozesUsedToday", integer(c.used)},
                       {"skipsPerDay", integer(0)},
                       {"lastSnoozeResetDate", c.day}});
        EXPECT_EQ(skips.settings.canSkip(), c.allowed);
        EXPECT_EQ(snoozes.settings.canSnooze(), c.allowed);
        if (QLatin1String(c.enforcement) != QLatin1String("Hardcore")) {
            EXPECT_TRUE(skips.settings.canSnooze());
            EXPECT_TRUE(snoozes.settings.canSkip());
        }
        // Asking consumes nothing and resets nothing.
        EXPECT_EQ(skips.stored("skipsUsedToday"), c.used);
        EXPECT_EQ(skips.store.persistentDomain().value("lastSnoozeResetDate"), c.day);
    }
}

TEST(AppSettingsRulesTest, TheFirstRecordOfADayStartsBothCountersAfresh)
{
    Rules rules({{"enforcement", "Balanced"},
                 {"skipsUsedToday", integer(3)},
                 {"snoozesUsedToday", integer(2)},
                 {"lastSnoozeResetDate", yesterday}});
    rules.settings.recordSkipUsed();

    EXPECT_EQ(rules.settings.skipsUsedToday(), 1);
    EXPECT_EQ(rules.settings.snoozesUsedToday(), 0);
    EXPECT_EQ(rules.settings.lastSnoozeResetDate(), today);
    EXPECT_EQ(rules.stored("skipsUsedToday"), 1);
    EXPECT_EQ(rules.stored("snoozesUsedToday"), 0);
    EXPECT_EQ(rules.store.persistentDomain().value("lastSnoozeResetDate"), today);

    rules.settings.recordSkipUsed();
    rules.settings.recordSkipUsed();
    EXPECT_FALSE(rules.settings.canSkip());
    EXPECT_TRUE(rules.settings.canSnooze());

    // Midnight makes today's counters yesterday's: allowed again before anything is reset.
    rules.clock.advance(15 * 3600);
    EXPECT_TRUE(rules.settings.canSkip());
    EXPECT_EQ(rules.settings.skipsUsedToday(), 3);
    rules.settings.recordSnoozeUsed();
    EXPECT_EQ(rules.settings.skipsUsedToday(), 0);
    EXPECT_EQ(rules.settings.snoozesUsedToday(), 1);
    EXPECT_EQ(rules.settings.lastSnoozeResetDate(), "2025-03-05");
}

TEST(AppSettingsRulesTest, CountersGrowUnderEveryModeEvenWhenNothingIsAllowed)
{
    Rules rules({{"enforcement", "Hardcore"}, {"lastSnoozeResetDate", today}});
    QSignalSpy skips(&rules.settings, &AppSettings::skipsUsedTodayChanged);
    rules.settings.recordSkipUsed();
    rules.settings.recordSkipUsed();
    rules.settings.recordSnoozeUsed();
    EXPECT_EQ(rules.stored("skipsUsedToday"), 2);
    EXPECT_EQ(rules.stored("snoozesUsedToday"), 1);
    EXPECT_EQ(skips.count(), 2);

    // Each one is also today's entry in the saved statistics.
    ASSERT_EQ(rules.statsRepository.days().size(), 1);
    const DayStat day = rules.statsRepository.days().first();
    EXPECT_EQ(day.date, today);
    EXPECT_EQ(day.breaksSkipped, 2);
    EXPECT_EQ(day.breaksSnoozed, 1);
    EXPECT_EQ(day.breaksCompleted, 0);
}

TEST(DayKeyTest, LocalDateWithAsciiDigitsWhateverTheLocale)
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
    EXPECT_EQ(formatDayKey(QDateTime(QDate(2025, 3, 4), QTime(23, 59, 59))), "2025-03-04");
    EXPECT_EQ(formatDayKey(QDateTime(QDate(987, 1, 2), QTime(0, 0))), "0987-01-02");
    QLocale::setDefault(previous);
}
