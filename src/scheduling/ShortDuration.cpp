#include "scheduling/ShortDuration.h"

#include <cmath>

QString formatShortDuration(double seconds)
{
    const qint64 whole = seconds > 0 ? qint64(std::ceil(seconds)) : 0;
    if (whole < 60)
        return QStringLiteral("%1s").arg(whole);
    return QStringLiteral("%1m").arg((whole + 59) / 60);
}
