#pragma once

#include "core/DayStatTotals.h"

#include <QByteArray>
#include <QJsonValue>
#include <QList>
#include <QMetaType>
#include <QString>

#include <optional>

// What happened to breaks and reminders on one calendar day: the day's counters, under the
// same names and in the same order as the totals of several days. Counters are never
// negative once decoded; a hand-edited file is the only way to reach huge values, so every
// sum saturates instead of wrapping into a negative count.
struct DayStat : DayStatTotals
{
    DayStat() = default;
    explicit DayStat(QString day)
        : date(std::move(day))
    {
    }

    QString date; // "yyyy-MM-dd" in the statistics store's time zone

    bool operator==(const DayStat &other) const = default;

    // One record as stored: "date" must be a string; each counter may be absent or null
    // (0), otherwise it must be a whole number (negative gives 0). A record written before
    // breaks were counted by source has no routine count: it is what the other two leave.
    static std::optional<DayStat> fromJson(const QJsonValue &value);
    // All 18 keys, "date" first and the counters in declaration order, compactly.
    QByteArray toJson() const;
};

Q_DECLARE_METATYPE(DayStat)

struct DayStatCounter
{
    const char *key;
    qint64 DayStatTotals::*field;
};
// The 17 counters in declaration order, with their JSON keys.
const QList<DayStatCounter> &dayStatCounters();

// Adds without wrapping: the result stops at the largest or smallest qint64.
qint64 saturatingCounterAdd(qint64 left, qint64 right);
// Adds each counter of `from` to `into`, saturating; the date of `into` stays.
void dayStatAddCounters(DayStat &into, const DayStat &from);

// The statistics file's content: a JSON array of records. Decoding fails as a whole when
// the text is not an array or any one record is unusable, so that a damaged file is never
// mistaken for a shorter history.
std::optional<QList<DayStat>> decodeDayStats(const QByteArray &json, QString *error = nullptr);
QByteArray encodeDayStats(const QList<DayStat> &days);
