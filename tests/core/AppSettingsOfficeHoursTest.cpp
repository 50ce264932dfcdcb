#include "core/AppSettings.h"
#include "core/InMemorySettingsRepository.h"
#include "support/FakeClock.h"
#include "support/LogCapture.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

// Monday 2025-03-03 at the given time.
QDateTime monday(int hour, int minute)
{
    return QDateTime(QDate(2025, 3, 3), QTime(hour, minute, 42));
}

struct OfficeHours
{
    explicit OfficeHours(QVariantMap stored = {{"officeHoursEnabled", true}})
        : store(std::move(stored))
        , settings(store, clock)
    {
    }
    QStringList lines() const { return log.messages("OfficeHours"); }

    LogCapture log;
    InMemorySettingsRepository store;
    FakeClock clock;
    AppSettings settings;
};

} // namespace

TEST(AppSettingsOfficeHoursTest, TheStateLineIsLoggedOncePerChange)
{
    OfficeHours hours;
    QSignalSpy stateChanges(&hours.settings, &AppSettings::lastOfficeHoursStateChanged);
    EXPECT_FALSE(hours.settings.lastOfficeHoursState().has_value());

    EXPECT_TRUE(hours.settings.isWithinOfficeHours(monday(9, 0)));
    EXPECT_TRUE(hours.settings.isWithinOfficeHours(monday(17, 59)));
    EXPECT_EQ(hours.lines(), QStringList({"State changed - day:0 now:09:00 -> ACTIVE"}));

    EXPECT_FALSE(hours.settings.isWithinOfficeHours(monday(18, 0)));
    EXPECT_FALSE(hours.settings.isWithinOfficeHours(monday(18, 1)));
    EXPECT_EQ(hours.lines(), QStringList({"State changed - day:0 now:09:00 -> ACTIVE",
                                          "State changed - day:0 now:18:00 -> OUTSIDE"}));
    EXPECT_EQ(hours.settings.lastOfficeHoursState(), false);
    EXPECT_EQ(stateChanges.count(), 2);
}

TEST(AppSettingsOfficeHoursTest, SwitchedOffEveryMomentIsInsideAndTheLastStateIsKept)
{
    OfficeHours hours;
    EXPECT_FALSE(hours.settings.isWithinOfficeHours(QDateTime(QDate(2025, 3, 8), QTime(12, 0))));
    hours.settings.setOfficeHoursEnabled(false);

    EXPECT_TRUE(hours.settings.isWithinOfficeHours(monday(3, 0)));
    EXPECT_FALSE(hours.settings.nextOfficeHoursStart(monday(3, 0)).has_value());
    EXPECT_EQ(hours.settings.lastOfficeHoursState(), false);

    // Back on with the same answer as before: nothing new to log.
    hours.settings.setOfficeHoursEnabled(true);
    EXPECT_FALSE(hours.settings.isWithinOfficeHours(monday(3, 0)));
    EXPECT_EQ(hours.lines(), QStringList({"State changed - day:5 now:12:00 -> OUTSIDE"}));
}

TEST(AppSettingsOfficeHoursTest, AnIncompleteWeekLiftsTheRestrictionWithoutStateOrLog)
{
    QVariantList sixDays = OfficeHoursWeek::defaultSchedule();
    sixDays.removeLast();
    OfficeHours hours({{"officeHoursEnabled", true}, {"officeHoursSchedule", sixDays}});

    EXPECT_TRUE(hours.settings.isWithinOfficeHours(monday(3, 0)));
    EXPECT_FALSE(hours.settings.nextOfficeHoursStart(monday(3, 0)).has_value());
    EXPECT_FALSE(hours.settings.lastOfficeHoursState().has_value());
    EXPECT_TRUE(hours.lines().isEmpty());
}

TEST(AppSettingsOfficeHoursTest, SavedWeekIsStoredReadBackAndAnnounced)
{
    OfficeHours hours;
    QSignalSpy assigned(&hours.settings, &AppSettings::officeHoursSettingsAssigned);
    EXPECT_EQ(hours.settings.loadOfficeHoursSchedule(), OfficeHoursWeek::defaultSchedule());

    QList<OfficeHoursDay> week(7);
    week[0] = {"Monday", true, 7, 30, 12, 0};
    hours.settings.saveOfficeHoursSchedule(week);

    EXPECT_EQ(assigned.count(), 1);
    EXPECT_EQ(hours.store.persistentDomain().value("officeHoursSchedule"),
              OfficeHoursWeek::toStored(week));
    EXPECT_EQ(hours.settings.loadOfficeHoursSchedule(), OfficeHoursWeek::toStored(week));
    EXPECT_TRUE(hours.settings.isWithinOfficeHours(monday(7, 30)));
    EXPECT_EQ(hours.settings.nextOfficeHoursStart(monday(8, 0)),
              QDateTime(QDate(2025, 3, 10), QTime(7, 30)));
}

TEST(AppSettingsOfficeHoursTest, EveryAssignmentOfTheSwitchIsAnnouncedButOnlyChangesNotify)
{
    OfficeHours hours(QVariantMap{});
    QSignalSpy assigned(&hours.settings, &AppSettings::officeHoursSettingsAssigned);
    QSignalSpy changed(&hours.settings, &AppSettings::officeHoursEnabledChanged);
    QVariant storedWhenAnnounced;
    QObject::connect(&hours.settings, &AppSettings::officeHoursSettingsAssigned,
                     [&] { storedWhenAnnounced = hours.store.object("officeHoursEnabled"); });

    hours.settings.setOfficeHoursEnabled(false);
    EXPECT_EQ(assigned.count(), 1);
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(hours.store.persistentDomain().value("officeHoursEnabled"), false);

    hours.settings.setOfficeHoursEnabled(true);
    EXPECT_EQ(assigned.count(), 2);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(storedWhenAnnounced, true); // a listener re-evaluating sees the new value
}
