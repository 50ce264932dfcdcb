#include "scheduling/PlannedBreakTimetable.h"

#include <QHash>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr qint64 msPerSecond = 1000;
constexpr qint64 toleranceMs = msPerSecond;

} // namespace

void PlannedBreakTimetable::setBreaks(const QList<PlannedBreak> &breaks)
{
    m_breaks = breaks;
    m_positions.clear();
    m_positions.reserve(breaks.size());
    for (qsizetype position = 0; position < breaks.size(); ++position) {
        if (!m_positions.contains(breaks[position].id))
            m_positions.insert(breaks[position].id, position);
    }
    m_day.reset();
    m_byTime.clear();
}

bool PlannedBreakTimetable::containsIdKey(const QString &idKey) const
{
    // Parsed rather than kept as text for each break; the spelling is then checked, as a
    // key written otherwise names no break.
    const QUuid id = QUuid::fromString(idKey);
    return positionOf(id) >= 0 && PlannedBreak::idKeyOf(id) == idKey;
}

QList<PlannedBreakTimetable::Occurrence>
PlannedBreakTimetable::near(const QDateTime &now, double earlierSeconds, double laterSeconds)
{
    if (m_day != dayZoneOf(now))
        arrangeDay(now);
    const qint64 nowMs = now.toMSecsSinceEpoch();
    const qint64 fromMs = nowMs - qint64(std::ceil(earlierSeconds * msPerSecond)) - toleranceMs;
    const qint64 toMs = nowMs + qint64(std::ceil(laterSeconds * msPerSecond)) + toleranceMs;
    const auto first = std::lower_bound(
        m_byTime.cbegin(), m_byTime.cend(), fromMs,
        [](const Occurrence &o, qint64 ms) { return o.scheduled.toMSecsSinceEpoch() < ms; });
    QList<Occurrence> found;
    for (auto it = first; it != m_byTime.cend() && it->scheduled.toMSecsSinceEpoch() <= toMs; ++it)
        found.append(*it);
    std::sort(found.begin(), found.end(),
              [](const Occurrence &a, const Occurrence &b) { return a.position < b.position; });
    return found;
}

PlannedBreakTimetable::DayZone PlannedBreakTimetable::dayZoneOf(const QDateTime &now)
{
    return {now.date(), now.timeSpec(),
            now.timeSpec() == Qt::TimeZone ? now.timeZone() : QTimeZone(), now.offsetFromUtc()};
}

// A day's moments depend only on its date and zone, and breaks share a few hundred distinct
// times at most: each time of day is turned into a moment once.
void PlannedBreakTimetable::arrangeDay(const QDateTime &now)
{
    m_day = dayZoneOf(now);
    m_byTime.clear();
    QHash<std::pair<qint64, qint64>, std::optional<QDateTime>> momentOfTime;
    for (qsizetype position = 0; position < m_breaks.size(); ++position) {
        const PlannedBreak &planned = m_breaks[position];
        if (!planned.isPlannedOn(now.date()))
            continue;
        const std::pair<qint64, qint64> timeKey{planned.hour, planned.minute};
        auto moment = momentOfTime.find(timeKey);
        if (moment == momentOfTime.end())
            moment = momentOfTime.insert(timeKey, planned.scheduledTimeOn(now));
        if (*moment)
            m_byTime.push_back({position, **moment});
    }
    std::sort(m_byTime.begin(), m_byTime.end(), [](const Occurrence &a, const Occurrence &b) {
        const qint64 aMs = a.scheduled.toMSecsSinceEpoch();
        const qint64 bMs = b.scheduled.toMSecsSinceEpoch();
        return aMs != bMs ? aMs < bMs : a.position < b.position;
    });
}
