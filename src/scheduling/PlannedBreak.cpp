#include "scheduling/PlannedBreak.h"

#include "core/DayKey.h"
#include "core/OfficeHoursWeek.h"
#include "core/SettingsRepository.h"
#include "core/WallClockMoment.h"

#include <QTextBoundaryFinder>

#include <algorithm>

namespace {

constexpr int saturday = 5;
constexpr int sunday = 6;
constexpr int weekdayCount = 5;
constexpr int hoursPerHalfDay = 12;

const QString idField = QStringLiteral("id");
const QString nameField = QStringLiteral("name");
const QString emojiField = QStringLiteral("emoji");
const QString hourField = QStringLiteral("hour");
const QString minuteField = QStringLiteral("minute");
const QString durationField = QStringLiteral("durationSeconds");
const QString daysField = QStringLiteral("days");
const QString enabledField = QStringLiteral("enabled");

QList<bool> sevenFlags(QList<bool> days)
{
    days.resize(PlannedBreak::daysInWeek, false);
    return days;
}

// Counted in graphemes, so that an emoji or a letter with combining marks is one character
// and is never cut in half.
QString firstCharacters(const QString &text, int count)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    for (int taken = 0; taken < count; ++taken) {
        if (finder.toNextBoundary() < 0)
            return text;
    }
    return text.left(finder.position());
}

std::optional<QString> storedText(const QVariantMap &map, const QString &key)
{
    const QVariant value = map.value(key);
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    return value.toString();
}

std::optional<QUuid> storedId(const QVariantMap &map)
{
    const std::optional<QString> text = storedText(map, idField);
    // Only the bare 8-4-4-4-12 form: QUuid would also take braces.
    if (!text || text->size() != 36)
        return std::nullopt;
    const QUuid id = QUuid::fromString(*text);
    if (id.toString(QUuid::WithoutBraces).compare(*text, Qt::CaseInsensitive) != 0)
        return std::nullopt;
    return id;
}

std::optional<QList<bool>> storedFlags(const QVariantMap &map)
{
    const QVariant value = map.value(daysField);
    if (value.typeId() != QMetaType::QVariantList)
        return std::nullopt;
    QList<bool> flags;
    for (const QVariant &entry : value.toList()) {
        const std::optional<bool> flag = SettingsRepository::toBool(entry);
        if (!flag)
            return std::nullopt;
        flags.append(*flag);
    }
    return flags;
}

} // namespace

std::optional<PlannedBreak> PlannedBreak::normalized() const
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    PlannedBreak result = *this;
    result.name = firstCharacters(trimmed, maxNameLength);
    result.hour = std::clamp<qint64>(hour, 0, 23);
    result.minute = std::clamp<qint64>(minute, 0, 59);
    result.durationSeconds = std::max<qint64>(durationSeconds, 1);
    result.days = sevenFlags(days);
    return result;
}

QString PlannedBreak::formattedTime() const
{
    const qint64 shownHour = hour % hoursPerHalfDay == 0 ? hoursPerHalfDay : hour % hoursPerHalfDay;
    return QStringLiteral("%1:%2 %3")
        .arg(shownHour)
        .arg(minute, 2, 10, QLatin1Char('0'))
        .arg(hour < hoursPerHalfDay ? QStringLiteral("AM") : QStringLiteral("PM"));
}

QString PlannedBreak::daysSummary() const
{
    static const QStringList shortNames = {
        QStringLiteral("Mon"), QStringLiteral("Tue"), QStringLiteral("Wed"),
        QStringLiteral("Thu"), QStringLiteral("Fri"), QStringLiteral("Sat"),
        QStringLiteral("Sun"),
    };
    const QList<bool> flags = sevenFlags(days);
    QStringList chosen;
    for (int day = 0; day < daysInWeek; ++day) {
        if (flags[day])
            chosen.append(shortNames[day]);
    }
    const bool weekend = flags[saturday] || flags[sunday];
    if (chosen.size() == daysInWeek)
        return QStringLiteral("Every day");
    if (chosen.size() == weekdayCount && !weekend)
        return QStringLiteral("Weekdays");
    if (chosen.size() == 2 && flags[saturday] && flags[sunday])
        return QStringLiteral("Weekends");
    return chosen.join(QStringLiteral(", "));
}

QString PlannedBreak::scheduledAtText() const
{
    return QStringLiteral("%1:%2")
        .arg(hour, 2, 10, QLatin1Char('0'))
        .arg(minute, 2, 10, QLatin1Char('0'));
}

QString PlannedBreak::idKeyOf(const QUuid &id)
{
    return id.toString(QUuid::WithoutBraces).toUpper();
}

bool PlannedBreak::isPlannedOn(const QDate &date) const
{
    const int position = OfficeHoursWeek::dayPosition(date);
    return enabled && position >= 0 && position < days.size() && days[position];
}

std::optional<QDateTime> PlannedBreak::scheduledTimeOn(const QDateTime &now) const
{
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59)
        return std::nullopt;
    return wallClockMoment(now.date(), QTime(int(hour), int(minute)), now);
}

QVariantMap PlannedBreak::toStored() const
{
    QVariantList flags;
    for (bool flag : days)
        flags.append(flag);
    return {
        {idField, idKey()},
        {nameField, name},
        {emojiField, emoji},
        {hourField, QVariant::fromValue(hour)},
        {minuteField, QVariant::fromValue(minute)},
        {durationField, QVariant::fromValue(durationSeconds)},
        {daysField, flags},
        {enabledField, enabled},
    };
}

std::optional<PlannedBreak> PlannedBreak::fromStored(const QVariant &stored)
{
    if (stored.typeId() != QMetaType::QVariantMap)
        return std::nullopt;
    const QVariantMap map = stored.toMap();
    const std::optional<QUuid> id = storedId(map);
    const std::optional<QString> name = storedText(map, nameField);
    const std::optional<QString> emoji = storedText(map, emojiField);
    const std::optional<qint64> hour = SettingsRepository::toInteger(map.value(hourField));
    const std::optional<qint64> minute = SettingsRepository::toInteger(map.value(minuteField));
    const std::optional<qint64> duration = SettingsRepository::toInteger(map.value(durationField));
    const std::optional<QList<bool>> days = storedFlags(map);
    const std::optional<bool> enabled = SettingsRepository::toBool(map.value(enabledField));
    if (!id || !name || !emoji || !hour || !minute || !duration || !days || !enabled)
        return std::nullopt;
    return PlannedBreak{*id, *name, *emoji, *hour, *minute, *duration, *days, *enabled};
}

QString formatPlannedDayKey(const QDateTime &moment)
{
    return formatDayKey(moment);
}
