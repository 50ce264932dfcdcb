#include "core/AppSettings.h"

#include "core/Clock.h"
#include "core/Logger.h"
#include "core/SettingsRepository.h"

namespace {

const QString scheduleKey = QStringLiteral("officeHoursSchedule");

} // namespace

QVariantList AppSettings::loadOfficeHoursSchedule() const
{
    return OfficeHoursWeek::fromStored(m_store.object(scheduleKey));
}

void AppSettings::saveOfficeHoursSchedule(const QList<OfficeHoursDay> &days)
{
    m_store.setObject(scheduleKey, OfficeHoursWeek::toStored(days));
    emit officeHoursSettingsAssigned();
}

bool AppSettings::isWithinOfficeHours(const QDateTime &date)
{
    if (!m_officeHoursEnabled)
        return true;
    const OfficeHoursWeek week(loadOfficeHoursSchedule());
    if (!week.hasFullWeek())
        return true;
    const bool inside = week.contains(date);
    rememberOfficeHoursState(inside, OfficeHoursWeek::dayPosition(date.date()), date.time());
    return inside;
}

bool AppSettings::isWithinOfficeHours(const Clock &clock)
{
    return !m_officeHoursEnabled || isWithinOfficeHours(clock.now());
}

// Asked every second by several components: only a change between inside and outside, and
// the first answer after launch, is worth a line.
void AppSettings::rememberOfficeHoursState(bool inside, int dayPosition, const QTime &time)
{
    if (m_lastOfficeHoursState == inside)
        return;
    m_lastOfficeHoursState = inside;
    logInfo(QStringLiteral("OfficeHours"),
            QStringLiteral("State changed - day:%1 now:%2:%3 -> %4")
                .arg(dayPosition)
                .arg(time.hour(), 2, 10, QLatin1Char('0'))
                .arg(time.minute(), 2, 10, QLatin1Char('0'))
                .arg(inside ? QStringLiteral("ACTIVE") : QStringLiteral("OUTSIDE")));
    emit lastOfficeHoursStateChanged();
}

std::optional<QDateTime> AppSettings::nextOfficeHoursStart(const QDateTime &date) const
{
    if (!m_officeHoursEnabled)
        return std::nullopt;
    const OfficeHoursWeek week(loadOfficeHoursSchedule());
    if (!week.hasFullWeek())
        return std::nullopt;
    return week.nextStart(date);
}
