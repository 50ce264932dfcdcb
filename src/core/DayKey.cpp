#include "core/DayKey.h"

QString formatDayKey(const QDateTime &moment)
{
    // A date format string is applied in the C locale, which keeps the digits ASCII.
    return moment.toLocalTime().date().toString(QStringLiteral("yyyy-MM-dd"));
}
