#include "core/OfficeHoursWeek.h"

#include "core/SettingsRepository.h"
#include "core/WallClockMoment.h"

#include <QtNumeric>

#include <limits>

namespace {

constexpr int kDaysInWeek = 7;
constexpr int kSaturday = 5; // Monday first, from 0
constexpr int kMinutesPerHour = 60;
// Eight days, so that the same weekday one week later is still a candidate.
constexpr int kLastSearchOffset = 7;

struct DayWindow
{
    bool enabled = false;
    qint64 startHour = 9;
    qint64 startMin = 0;
    qint64 endHour = 18;
    qint64 endMin = 0;
};

// Minutes since midnight. Hand-edited stores may hold values far outside a day; the sum
// saturates at the limits of qint64 instead of overflowing, which keeps every comparison
// with a real time of day correct (such a value lies before or after all of them). Two such
// values may saturate alike and compare equal; the settings editor never writes either.
qint64 minutesSinceMidnight(qint64 hour, qint64 minute)
{
    constexpr qint64 lowest = std::numeric_limits<qint64>::min();
    constexpr qint64 highest = std::numeric_limits<qint64>::max();
    qint64 hourMinutes = 0;
    if (qMulOverflow(hour, qint64(kMinutesPerHour), &hourMinutes))
        return hour < 0 ? lowest : highest;
    qint64 total = 0;
    if (qAddOverflow(hourMinutes, minute, &total))
        return minute < 0 ? lowest : highest;
    return total;
}

qint64 integerOr(const QVariantMap &entry, const char *key, qint64 fallback)
{
    return SettingsRepository::toInteger(entry.value(QLatin1String(key))).value_or(fallback);
}

// A value that is missing or of another type takes its own default; the rest of the
// entry still counts.
DayWindow readDay(const QVariant &stored)
{
    const QVariantMap entry = stored.toMap();
    DayWindow day;
    day.enabled =
        SettingsRepository::toBool(entry.value(QStringLiteral("enabled"))).value_or(false);
    day.startHour = integerOr(entry, "startHour", day.startHour);
    day.startMin = integerOr(entry, "startMin", day.startMin);
    day.endHour = integerOr(entry, "endHour", day.endHour);
    day.endMin = integerOr(entry, "endMin", day.endMin);
    return day;
}

qint64 startMinutes(const DayWindow &day)
{
    return minutesSinceMidnight(day.startHour, day.startMin);
}

qint64 endMinutes(const DayWindow &day)
{
    return minutesSinceMidnight(day.endHour, day.endMin);
}

bool inRange(qint64 value, qint64 lowest, qint64 highest)
{
    return value >= lowest && value <= highest;
}

// Where the day's office hours begin. A start hour or minute that no clock shows (a
// hand-edited 25:00) names no moment of the day.
std::optional<QDateTime> dayStartMoment(const QDate &day, const DayWindow &window,
                                        const QDateTime &reference)
{
    if (startMinutes(window) == endMinutes(window)) {
        const QDateTime start = startOfDayLike(day, reference);
        return start.isValid() ? std::optional(start) : std::nullopt;
    }
    if (!inRange(window.startHour, 0, 23) || !inRange(window.startMin, 0, 59))
        return std::nullopt;
    return wallClockMoment(day, QTime(int(window.startHour), int(window.startMin)), reference);
}

QVariantMap storedDay(int position, bool enabled, qint64 startHour, qint64 startMin,
                      qint64 endHour, qint64 endMin)
{
    return {
        {QStringLiteral("day"), QVariant::fromValue(qint64(position))},
        {QStringLiteral("enabled"), enabled},
        {QStringLiteral("startHour"), QVariant::fromValue(startHour)},
        {QStringLiteral("startMin"), QVariant::fromValue(startMin)},
        {QStringLiteral("endHour"), QVariant::fromValue(endHour)},
        {QStringLiteral("endMin"), QVariant::fromValue(endMin)},
    };
}

} // namespace

QVariantList OfficeHoursWeek::defaultSchedule()
{
    QVariantList days;
    for (int position = 0; position < kDaysInWeek; ++position)
        days.append(storedDay(position, position < kSaturday, 9, 0, 18, 0));
    return days;
}

QVariantList OfficeHoursWeek::fromStored(const QVariant &stored)
{
    if (stored.typeId() != QMetaType::QVariantList)
        return defaultSchedule();
    const QVariantList days = stored.toList();
    for (const QVariant &day : days) {
        if (day.typeId() != QMetaType::QVariantMap)
            return defaultSchedule();
    }
    return days;
}

QVariantList OfficeHoursWeek::toStored(const QList<OfficeHoursDay> &days)
{
    QVariantList stored;
    for (qsizetype position = 0; position < days.size(); ++position) {
        const OfficeHoursDay &day = days.at(position);
        stored.append(storedDay(int(position), day.enabled, day.startHour, day.startMin,
                                day.endHour, day.endMin));
    }
    return stored;
}

int OfficeHoursWeek::dayPosition(const QDate &date)
{
    return date.dayOfWeek() - 1; // QDate counts from 1 for Monday; -1 for an invalid date
}

OfficeHoursWeek::OfficeHoursWeek(QVariantList days)
    : m_days(std::move(days))
{
}

bool OfficeHoursWeek::hasFullWeek() const
{
    return m_days.size() >= kDaysInWeek;
}

bool OfficeHoursWeek::contains(const QDateTime &date) const
{
    if (!hasFullWeek())
        return true;
    const int position = dayPosition(date.date());
    if (position < 0)
        return false;
    const QTime time = date.time();
    const qint64 now = qint64(time.hour()) * kMinutesPerHour + time.minute();

    const DayWindow today = readDay(m_days.at(position));
    if (today.enabled) {
        const qint64 start = startMinutes(today);
        const qint64 end = endMinutes(today);
        if (start == end || (start < end && start <= now && now < end)
            || (start > end && now >= start)) {
            return true;
        }
    }
    const DayWindow yesterday = readDay(m_days.at((position + kDaysInWeek - 1) % kDaysInWeek));
    return yesterday.enabled && endMinutes(yesterday) < startMinutes(yesterday)
           && now < endMinutes(yesterday);
}

std::optional<QDateTime> OfficeHoursWeek::nextStart(const QDateTime &date) const
{
    if (!hasFullWeek() || !date.isValid())
        return std::nullopt;
    const QDate firstDay = date.date();
    for (int offset = 0; offset <= kLastSearchOffset; ++offset) {
        const QDate day = firstDay.addDays(offset);
        if (!day.isValid())
            continue;
        const DayWindow window = readDay(m_days.at(dayPosition(day)));
        if (!window.enabled)
            continue;
        const std::optional<QDateTime> start = dayStartMoment(day, window, date);
        if (start && *start > date)
            return start;
    }
    return std::nullopt;
}
