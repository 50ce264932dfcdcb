#pragma once

#include "scheduling/PlannedBreak.h"

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QTimeZone>

#include <optional>
#include <vector>

// The planned breaks as the check every few seconds needs them: where each id first stands
// in the list, and the breaks of one day in the order of their times. Both are worked out
// when the list changes, the day's order again when the day (or its time zone) does, so that
// a check among thousands of breaks looks only at the few whose time is near.
class PlannedBreakTimetable
{
public:
    struct Occurrence
    {
        qsizetype position; // in the list
        QDateTime scheduled;
    };

    void setBreaks(const QList<PlannedBreak> &breaks);

    // The first position of a break with that id in the list; -1 when none has it.
    qsizetype positionOf(const QUuid &id) const { return m_positions.value(id, -1); }
    // Whether a break of the list has that id key, spelt exactly as PlannedBreak::idKey().
    bool containsIdKey(const QString &idKey) const;

    // The breaks planned on now's day whose time that day lies from `earlierSeconds` before
    // now to `laterSeconds` after it, in list order. The ends are widened by a second: the
    // caller applies its exact rule to the few it gets.
    QList<Occurrence> near(const QDateTime &now, double earlierSeconds, double laterSeconds);

private:
    struct DayZone
    {
        QDate date;
        Qt::TimeSpec timeSpec = Qt::LocalTime;
        QTimeZone zone;
        int offsetSeconds = 0;

        bool operator==(const DayZone &other) const = default;
    };

    static DayZone dayZoneOf(const QDateTime &now);
    void arrangeDay(const QDateTime &now);

    QList<PlannedBreak> m_breaks;
    QHash<QUuid, qsizetype> m_positions;
    // The day arranged, and its breaks by time (then by position); none until asked.
    std::optional<DayZone> m_day;
    std::vector<Occurrence> m_byTime;
};
