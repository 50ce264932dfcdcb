#pragma once

#include <QList>
#include <QVariantList>

class AppSettings;

// Whether a planned break would fall outside the working hours on any of its days, so that
// the list and the sheets can warn that it will not be shown. A pure rule over the break's
// time and days, the office-hours switch and the stored week; each day record is read on
// its own terms: a key missing or of another type counts as off, 09:00 to 18:00.
class WorkingHoursWarning
{
public:
    // Never while office hours are off or the week has fewer than seven days. A day is
    // inside when its own window holds the time (start inclusive, end exclusive; equal
    // ends: the whole day; a window past midnight: from its start on), or the previous
    // day's window past midnight still runs (Sunday before Monday).
    static bool isOutsideWorkingHours(qint64 hour, qint64 minute, const QList<bool> &days,
                                      bool officeHoursEnabled, const QVariantList &schedule);
    // The same on the settings' switch and stored week, read now.
    static bool isOutsideWorkingHours(qint64 hour, qint64 minute, const QList<bool> &days,
                                      const AppSettings &settings);
};
