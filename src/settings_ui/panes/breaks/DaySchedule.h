#pragma once

#include "core/OfficeHoursWeek.h"

#include <QList>
#include <QString>
#include <QVariantList>

// One weekday of the week the working-hours page edits. Two days are equal when what the
// page shows and stores of them is: the name, the switch and the four times (the index and
// the short name follow from the name).
struct DaySchedule
{
    static constexpr int daysInWeek = 7;
    static constexpr int weekdays = 5;

    int id = 0; // 0 Monday ... 6 Sunday
    QString name;
    QString shortName;
    bool isEnabled = false;
    qint64 startHour = 9;
    qint64 startMinute = 0;
    qint64 endHour = 18;
    qint64 endMinute = 0;

    bool operator==(const DaySchedule &other) const;

    // The seven days from the stored records, field by field: an entry that is missing or a
    // value of another type takes that field's default (weekdays on, the weekend off, 09:00
    // to 18:00); entries past the seventh are ignored.
    static QList<DaySchedule> weekFrom(const QVariantList &stored);
    // As AppSettings stores a week, in order.
    static QList<OfficeHoursDay> toStored(const QList<DaySchedule> &week);
    // "["Mon", "Wed"]": the short names of the days switched on.
    static QString activeDaysText(const QList<DaySchedule> &week);
};
