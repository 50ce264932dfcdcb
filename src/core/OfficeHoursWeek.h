#pragma once

#include <QDateTime>
#include <QList>
#include <QVariantList>

#include <optional>

// One day of the week as the office-hours editor hands it over, Monday first.
struct OfficeHoursDay
{
    QString name;
    bool enabled = false;
    qint64 startHour = 9;
    qint64 startMin = 0;
    qint64 endHour = 18;
    qint64 endMin = 0;
};

// The weekly office hours as stored under "officeHoursSchedule": seven day dictionaries,
// Monday first, each with "day", "enabled", "startHour", "startMin", "endHour", "endMin".
// A window includes its start and excludes its end; an end before the start crosses
// midnight into the next day; equal start and end mean the whole day.
class OfficeHoursWeek
{
public:
    // Monday to Friday 09:00 to 18:00; Saturday and Sunday off.
    static QVariantList defaultSchedule();
    // The stored array, or the default week when the value is not an array of dictionaries.
    static QVariantList fromStored(const QVariant &stored);
    static QVariantList toStored(const QList<OfficeHoursDay> &days);
    // Monday 0 ... Sunday 6.
    static int dayPosition(const QDate &date);

    explicit OfficeHoursWeek(QVariantList days);

    // A week of fewer than seven days lifts the restriction altogether.
    bool hasFullWeek() const;
    // Whether the moment (in its own time zone; seconds ignored) lies inside the windows of
    // its day or of the previous day's window across midnight. Needs a full week.
    bool contains(const QDateTime &date) const;
    // The first start of office hours strictly after the moment, within eight days.
    std::optional<QDateTime> nextStart(const QDateTime &date) const;

private:
    QVariantList m_days;
};
