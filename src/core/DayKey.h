#pragma once

#include <QDateTime>
#include <QString>

// The day a moment falls on in the local time zone, as "yyyy-MM-dd" with ASCII digits
// whatever the user's locale, so that keys written under one locale match under another.
QString formatDayKey(const QDateTime &moment);
