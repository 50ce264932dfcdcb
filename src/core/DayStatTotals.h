#pragma once

#include <QList>

struct DayStat;

// The counters of several days added up, for the statistics pane's summary figures. A day's
// own record (DayStat) holds the same counters, with its date.
struct DayStatTotals
{
    qint64 breaksCompleted = 0;
    qint64 routineBreaksCompleted = 0;
    qint64 manualBreaksCompleted = 0;
    qint64 plannedBreaksCompleted = 0;
    qint64 breaksEndedEarly = 0;
    qint64 breaksSkipped = 0;
    qint64 breaksAutoSkipped = 0;
    qint64 breaksSnoozed = 0;
    qint64 breaksInterrupted = 0;
    qint64 longBreaksTaken = 0;
    qint64 idleBreaks = 0;
    qint64 totalBreakSeconds = 0;
    qint64 idleBreakSeconds = 0;
    qint64 postureRemindersShown = 0;
    qint64 typingRemindersShown = 0;
    qint64 blinkRemindersShown = 0;
    qint64 breakHeadsUpsShown = 0;

    bool operator==(const DayStatTotals &other) const = default;
};

// Field by field, saturating; no days give all zeros.
DayStatTotals sumDayStats(const QList<DayStat> &days);
