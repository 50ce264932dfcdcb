#include "core/AppSettings.h"

#include "core/Clock.h"
#include "core/DayKey.h"
#include "core/LocalStatisticsStore.h"

#include <limits>

// The rules below work on values a user can edit by hand in the settings file, so their
// arithmetic saturates instead of overflowing.
namespace {

constexpr qint64 minimumIntervalSeconds = 60;

qint64 saturated(bool overflowed, qint64 result, bool towardsMax)
{
    if (!overflowed)
        return result;
    return towardsMax ? std::numeric_limits<qint64>::max() : std::numeric_limits<qint64>::min();
}

qint64 saturatingMultiply(qint64 value, qint64 factor)
{
    qint64 result = 0;
    const bool overflowed = __builtin_mul_overflow(value, factor, &result);
    return saturated(overflowed, result, (value < 0) == (factor < 0));
}

qint64 saturatingAdd(qint64 left, qint64 right)
{
    qint64 result = 0;
    const bool overflowed = __builtin_add_overflow(left, right, &result);
    return saturated(overflowed, result, right > 0);
}

} // namespace

qint64 AppSettings::breakIntervalSeconds() const
{
    const qint64 seconds = m_useCustomInterval
        ? saturatingAdd(saturatingMultiply(m_customHours, 3600),
                        saturatingMultiply(m_customMinutes, 60))
        : saturatingMultiply(m_breakInterval, 60);
    return std::max(seconds, minimumIntervalSeconds);
}

bool AppSettings::isLongBreakDue() const
{
    return m_longBreaksEnabled && m_shortBreaksSinceLong >= m_longBreakFrequency;
}

void AppSettings::incrementShortBreaksSinceLong()
{
    setShortBreaksSinceLong(saturatingAdd(m_shortBreaksSinceLong, 1));
}

void AppSettings::resetDailyCountersIfNeeded()
{
    const QString today = formatDayKey(m_clock.now());
    if (m_lastSnoozeResetDate == today)
        return;
    setSnoozesUsedToday(0);
    setSkipsUsedToday(0);
    setLastSnoozeResetDate(today);
}

// Only "Balanced" has daily limits; "Hardcore" allows nothing, and any other text, including
// a misspelt mode, behaves as "Casual".
bool AppSettings::withinDailyAllowance(qint64 perDay, qint64 usedToday) const
{
    if (m_enforcement == QLatin1String("Hardcore"))
        return false;
    if (m_enforcement != QLatin1String("Balanced") || perDay == 0)
        return true;
    if (m_lastSnoozeResetDate != formatDayKey(m_clock.now()))
        return true; // the counters are from an earlier day
    return usedToday < perDay;
}

bool AppSettings::canSkip() const
{
    return withinDailyAllowance(m_skipsPerDay, m_skipsUsedToday);
}

bool AppSettings::canSnooze() const
{
    return withinDailyAllowance(m_snoozesPerDay, m_snoozesUsedToday);
}

void AppSettings::recordSkipUsed()
{
    resetDailyCountersIfNeeded();
    setSkipsUsedToday(saturatingAdd(m_skipsUsedToday, 1));
    if (m_statistics)
        m_statistics->record(LocalStatisticsStore::applySkippedBreak());
}

void AppSettings::recordSnoozeUsed()
{
    resetDailyCountersIfNeeded();
    setSnoozesUsedToday(saturatingAdd(m_snoozesUsedToday, 1));
    if (m_statistics)
        m_statistics->record(LocalStatisticsStore::applySnoozedBreak());
}
