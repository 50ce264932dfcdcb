#include "settings_ui/panes/breaks/DaySchedule.h"

#include "core/SettingsRepository.h"

#include <QStringList>
#include <QVariantMap>

#include <array>

namespace {

const std::array<const char *, DaySchedule::daysInWeek> names = {
    "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};
const std::array<const char *, DaySchedule::daysInWeek> shortNames = {"Mon", "Tue", "Wed", "Thu",
                                                                     "Fri", "Sat", "Sun"};

qint64 integerOr(const QVariantMap &entry, const char *key, qint64 fallback)
{
    return SettingsRepository::toInteger(entry.value(QLatin1String(key))).value_or(fallback);
}

} // namespace

bool DaySchedule::operator==(const DaySchedule &other) const
{
    return name == other.name && isEnabled == other.isEnabled && startHour == other.startHour
           && startMinute == other.startMinute && endHour == other.endHour
           && endMinute == other.endMinute;
}

QList<DaySchedule> DaySchedule::weekFrom(const QVariantList &stored)
{
    QList<DaySchedule> week;
    for (int index = 0; index < daysInWeek; ++index) {
        const QVariantMap entry = index < stored.size() ? stored[index].toMap() : QVariantMap();
        DaySchedule day;
        day.id = index;
        day.name = QString::fromLatin1(names[std::size_t(index)]);
        day.shortName = QString::fromLatin1(shortNames[std::size_t(index)]);
        day.isEnabled = SettingsRepository::toBool(entry.value(QStringLiteral("enabled")))
                            .value_or(index < weekdays);
        day.startHour = integerOr(entry, "startHour", day.startHour);
        day.startMinute = integerOr(entry, "startMin", day.startMinute);
        day.endHour = integerOr(entry, "endHour", day.endHour);
        day.endMinute = integerOr(entry, "endMin", day.endMinute);
        week.append(day);
    }
    return week;
}

QList<OfficeHoursDay> DaySchedule::toStored(const QList<DaySchedule> &week)
{
    QList<OfficeHoursDay> days;
    for (const DaySchedule &day : week)
        days.append({day.name, day.isEnabled, day.startHour, day.startMinute, day.endHour, day.endMinute});
    return days;
}

QString DaySchedule::activeDaysText(const QList<DaySchedule> &week)
{
    QStringList active;
    for (const DaySchedule &day : week) {
        if (day.isEnabled)
            active.append(QLatin1Char('"') + day.shortName + QLatin1Char('"'));
    }
    return QLatin1Char('[') + active.join(QStringLiteral(", ")) + QLatin1Char(']');
}
