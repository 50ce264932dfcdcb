#include "scheduling/ActiveBreakContext.h"

QString breakSourceLogName(BreakStatisticsSource source)
{
    switch (source) {
    case BreakStatisticsSource::routine:
        return QStringLiteral("routine");
    case BreakStatisticsSource::manual:
        return QStringLiteral("manual");
    case BreakStatisticsSource::planned:
        return QStringLiteral("planned");
    }
    return QString();
}
