#include "core/DayStatTotals.h"

#include "core/DayStat.h"

DayStatTotals sumDayStats(const QList<DayStat> &days)
{
    // Summed as one undated record, so the saturating rule lives in one place.
    DayStat sum;
    for (const DayStat &day : days)
        dayStatAddCounters(sum, day);
    return sum;
}
