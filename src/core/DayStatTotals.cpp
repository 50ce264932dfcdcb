#include "core/DayStatTotals.h"

DayStatTotals sumDayStats(const QList<DayStat> &days)
{
    // Summed as one undated record, so the saturating rule lives in one place.
    DayStat sum;
    for (const DayStat &day : days)
        dayStatAddCounters(sum, day);
    return DayStatTotals{
        sum.breaksCompleted,
        sum.routineBreaksCompleted,
        sum.manualBreaksCompleted,
        sum.plannedBreaksCompleted,
        sum.breaksEndedEarly,
        sum.breaksSkipped,
        sum.breaksAutoSkipped,
        sum.breaksSnoozed,
        sum.breaksInterrupted,
        sum.longBreaksTaken,
        sum.idleBreaks,
        sum.totalBreakSeconds,
        sum.idleBreakSeconds,
        sum.postureRemindersShown,
        sum.typingRemindersShown,
        sum.blinkRemindersShown,
        sum.breakHeadsUpsShown,
    };
}
