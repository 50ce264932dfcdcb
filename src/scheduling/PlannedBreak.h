#pragma once

#include <QDateTime>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QUuid>
#include <QVariant>

#include <optional>

// A break the user pins to a time of day on chosen weekdays ("Lunch" at 12:30, Monday to
// Friday), beside the rolling work interval. A plain value: `id` names the record across
// edits, but equality compares every field, so that toggling `enabled` counts as a change
// of the list.
struct PlannedBreak
{
    static constexpr int daysInWeek = 7;
    static constexpr int maxNameLength = 80; // user-perceived characters

    QUuid id = QUuid::createUuid();
    QString name;
    QString emoji; // the user's decoration, never checked or changed
    qint64 hour = 0;
    qint64 minute = 0;
    qint64 durationSeconds = 1;
    QList<bool> days; // Monday first
    bool enabled = true;

    bool operator==(const PlannedBreak &other) const = default;

    // The form in which every record is held: the name trimmed and cut to its first 80
    // characters, the time and length clamped to what a clock and a break can show, exactly
    // seven day flags. Nothing for a name that is blank once trimmed.
    std::optional<PlannedBreak> normalized() const;

    // "12:30 PM": a fixed 12-hour text, whatever the user's locale.
    QString formattedTime() const;
    // "Weekdays", "Weekends", "Every day", or the short names of the days ("Mon, Wed, Fri").
    QString daysSummary() const;
    // The 24-hour "12:30" under which the log names the time.
    QString scheduledAtText() const;
    // The id as upper-case hexadecimal groups: the key of the fired-today table.
    QString idKey() const { return idKeyOf(id); }
    static QString idKeyOf(const QUuid &id);

    // Enabled, and planned for the weekday of that date.
    bool isPlannedOn(const QDate &date) const;
    // The planned time on the day of `now`, in its time zone. A time the clocks skip becomes
    // the first time after the jump; a time shown twice is its first occurrence.
    std::optional<QDateTime> scheduledTimeOn(const QDateTime &now) const;

    // The record as one object of the settings file (eight keys, no more).
    QVariantMap toStored() const;
    // Every one of the eight keys must be there with a value of its type; nothing otherwise.
    static std::optional<PlannedBreak> fromStored(const QVariant &stored);
};

Q_DECLARE_METATYPE(PlannedBreak)

// The local day of a moment as "yyyy-MM-dd" with ASCII digits: what the fired-today table
// remembers for each break.
QString formatPlannedDayKey(const QDateTime &moment);
