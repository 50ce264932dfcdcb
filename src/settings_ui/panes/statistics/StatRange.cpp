#include "settings_ui/panes/statistics/StatRange.h"

QString statRangeRawValue(StatRange range)
{
    return range == StatRange::month ? QStringLiteral("30 days") : QStringLiteral("7 days");
}

std::optional<StatRange> statRangeFromRawValue(const QString &raw)
{
    for (StatRange range : allStatRanges()) {
        if (statRangeRawValue(range) == raw)
            return range;
    }
    return std::nullopt;
}

int statRangeDayCount(StatRange range)
{
    return range == StatRange::month ? 30 : 7;
}

const QList<StatRange> &allStatRanges()
{
    static const QList<StatRange> ranges = {StatRange::week, StatRange::month};
    return ranges;
}
