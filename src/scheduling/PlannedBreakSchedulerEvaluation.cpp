#include "scheduling/PlannedBreakScheduler.h"

#include "core/AppSettings.h"
#include "core/Clock.h"
#include "detection/WellnessScheduler.h"
#include "scheduling/BreakScheduler.h"

#include <algorithm>

namespace {

constexpr qint64 msPerSecond = 1000;

double secondsBetween(const QDateTime &from, const QDateTime &to)
{
    return double(from.msecsTo(to)) / msPerSecond;
}

} // namespace

void PlannedBreakScheduler::evaluate()
{
    const QDateTime now = m_services.clock.now();
    const QString dayKey = formatPlannedDayKey(now);
    const double headsUpLead = headsUpLeadSeconds();
    pruneDueBreaks();
    pruneFiredDates(dayKey);
    // Only a break whose time is near can become due; thousands of others are not looked at.
    for (const PlannedBreakTimetable::Occurrence &occurrence :
         m_timetable.near(now, maximumLateness, headsUpLead))
        markDue(m_breaks[occurrence.position], occurrence.scheduled, now, headsUpLead, dayKey);
    expireStaleDueBreaks(now);
    // Most passes of the day find nothing due and need not ask the gate at all.
    if (m_dueBreaks.isEmpty() || !isRuntimeActive())
        return; // the due breaks wait, and may go stale
    const std::optional<QUuid> chosen = earliestDueBreak();
    // A pending earliest break is already on its way and holds back the later ones.
    if (!chosen || hasPendingPresentation(*chosen))
        return;
    // A copy: what the hand-over sets off must not depend on the list staying as it is.
    if (const PlannedBreak *planned = findBreak(*chosen))
        trigger(PlannedBreak(*planned));
}

// The first test that fails closes the gate. Office hours are asked only once started, as
// the answer's changes are logged.
bool PlannedBreakScheduler::isRuntimeActive()
{
    if (!m_isStarted || !m_services.settings.isWithinOfficeHours(m_services.clock))
        return false;
    if (!m_suspensionReasons.isEmpty())
        return false;
    if (m_services.wellness.breaksPausedByMeeting() || m_services.wellness.breaksPausedByMedia())
        return false;
    const BreakScheduler &breakTimer = m_services.breakScheduler();
    if (breakTimer.isPaused() || breakTimer.isSystemIdle())
        return false;
    return !m_services.isBreakShowing();
}

// A break enters the due table this early, so that its heads-up can be shown in time.
double PlannedBreakScheduler::headsUpLeadSeconds() const
{
    const AppSettings &settings = m_services.settings;
    if (!settings.notificationsEnabled())
        return 0;
    return double(std::max<qint64>(settings.headsUpSeconds(), 0));
}

void PlannedBreakScheduler::pruneDueBreaks()
{
    QMap<QUuid, QDateTime> kept;
    for (auto it = m_dueBreaks.cbegin(); it != m_dueBreaks.cend(); ++it) {
        if (m_timetable.positionOf(it.key()) >= 0)
            kept.insert(it.key(), it.value());
    }
    m_dueBreaks = kept;
}

// Entries of earlier days and of removed breaks fall away; the store is written only when
// something did. Pruned once more only after a new day, a change of the list or a new entry:
// nothing else can leave an entry to drop.
void PlannedBreakScheduler::pruneFiredDates(const QString &dayKey)
{
    if (dayKey == m_firedDatesPrunedFor)
        return;
    m_firedDatesPrunedFor = dayKey;
    QMap<QString, QString> kept;
    for (auto it = m_lastFiredDates.cbegin(); it != m_lastFiredDates.cend(); ++it) {
        if (m_timetable.containsIdKey(it.key()) && it.value() == dayKey)
            kept.insert(it.key(), it.value());
    }
    if (kept == m_lastFiredDates)
        return;
    m_lastFiredDates = kept;
    writeFiredDates();
}

// A break first seen more than the maximum lateness after its time never becomes due that
// day; one already due keeps the first scheduled time it was given.
void PlannedBreakScheduler::markDue(const PlannedBreak &planned, const QDateTime &scheduled,
                                    const QDateTime &now, double headsUpLead,
                                    const QString &dayKey)
{
    if (m_lastFiredDates.value(planned.idKey()) == dayKey)
        return;
    const double lateness = secondsBetween(scheduled, now);
    if (lateness < -headsUpLead || lateness > maximumLateness)
        return;
    if (m_dueBreaks.contains(planned.id))
        return;
    logEvent(LogLevel::Info, QStringLiteral("due"),
             {{QStringLiteral("lateness"), formatSecondsForLog(std::max(lateness, 0.0))},
              {QStringLiteral("name"), planned.name},
              {QStringLiteral("scheduledAt"), planned.scheduledAtText()}});
    m_dueBreaks.insert(planned.id, scheduled);
}

// An expired break is not recorded as fired: it stays out because it stays too late.
void PlannedBreakScheduler::expireStaleDueBreaks(const QDateTime &now)
{
    QList<QUuid> expired;
    for (auto it = m_dueBreaks.cbegin(); it != m_dueBreaks.cend(); ++it) {
        if (secondsBetween(it.value(), now) > maximumLateness)
            expired.append(it.key());
    }
    for (const QUuid &id : expired) {
        forgetState(id);
        cancelPendingPresentation(id);
        logEvent(LogLevel::Warn, QStringLiteral("expired"),
                 {{QStringLiteral("id"), PlannedBreak::idKeyOf(id)}});
    }
}

// Among equal times the break that comes first in the list wins.
std::optional<QUuid> PlannedBreakScheduler::earliestDueBreak() const
{
    std::optional<QUuid> chosen;
    QDateTime chosenTime;
    qsizetype chosenPosition = -1;
    for (auto due = m_dueBreaks.cbegin(); due != m_dueBreaks.cend(); ++due) {
        const qsizetype position = m_timetable.positionOf(due.key());
        if (position < 0)
            continue;
        if (!chosen || due.value() < chosenTime
            || (due.value() == chosenTime && position < chosenPosition)) {
            chosen = due.key();
            chosenTime = due.value();
            chosenPosition = position;
        }
    }
    return chosen;
}

const PlannedBreak *PlannedBreakScheduler::findBreak(const QUuid &id) const
{
    const qsizetype position = m_timetable.positionOf(id);
    return position < 0 ? nullptr : &m_breaks[position];
}

void PlannedBreakScheduler::writeFiredDates()
{
    m_store.saveFiredDates(m_lastFiredDates);
}
