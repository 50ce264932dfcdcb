#include "settings_ui/panes/breaks/WorkingHoursWarning.h"

#include "core/AppSettings.h"
#include "core/SettingsRepository.h"

#include <QVariantMap>
#include <QtNumeric>

#include <limits>

namespace {

constexpr int daysInWeek = 7;

struct DayWindow
{
    bool enabled;
    qint64 start; // minutes since midnight
    qint64 end;
};

// Hand-edited stores may hold hours far outside a day; the sum saturates instead of
// overflowing, which keeps it before or after every real time of day.
qint64 minutesOf(qint64 hour, qint64 minute)
{
    qint64 hourMinutes = 0;
    qint64 total = 0;
    if (qMulOverflow(hour, qint64(60), &hourMinutes))
        return hour < 0 ? std::numeric_limits<qint64>::min() : std::numeric_limits<qint64>::max();
    if (qAddOverflow(hourMinutes, minute, &total))
        return minute < 0 ? std::numeric_limits<qint64>::min() : std::numeric_limits<qint64>::max();
    return total;
}

qint64 integerOr(const QVariantMap &record, const char *key, qint64 fallback)
{
    return SettingsRepository::toInteger(record.value(QLatin1String(key))).value_or(fallback);
}

DayWindow windowOf(const QVariant &stored)
{
    const QVariantMap record = stored.toMap();
    return {SettingsRepository::toBool(record.value(QStringLiteral("enabled"))).value_or(false),
            minutesOf(integerOr(record, "startHour", 9), integerOr(record, "startMin", 0)),
            minutesOf(integerOr(record, "endHour", 18), integerOr(record, "endMin", 0))};
}

bool insideOwnWindow(const DayWindow &day, qint64 time)
{
    if (!day.enabled)
        return false;
    if (day.start == day.end)
        return true;
    if (day.start < day.end)
        return day.start <= time && time < day.end;
    return time >= day.start;
}

bool insidePreviousNight(const DayWindow &previous, qint64 time)
{
    return previous.enabled && previous.end < previous.start && time < previous.end;
}

} // namespace

bool WorkingHoursWarning::isOutsideWorkingHours(qint64 hour, qint64 minute, const QList<bool> &days,
                                                bool officeHoursEnabled, const QVariantList &schedule)
{
    if (!officeHoursEnabled || schedule.size() < daysInWeek)
        return false;
    const qint64 time = minutesOf(hour, minute);
    for (int index = 0; index < days.size() && index < daysInWeek; ++index) {
        if (!days[index])
            continue;
        const int previous = index == 0 ? daysInWeek - 1 : index - 1;
        if (!insideOwnWindow(windowOf(schedule[index]), time)
            && !insidePreviousNight(windowOf(schedule[previous]), time))
            return true;
    }
    return false;
}

bool WorkingHoursWarning::isOutsideWorkingHours(qint64 hour, qint64 minute, const QList<bool> &days,
                                                const AppSettings &settings)
{
    if (!settings.officeHoursEnabled())
        return false;
    return isOutsideWorkingHours(hour, minute, days, true, settings.loadOfficeHoursSchedule());
}
