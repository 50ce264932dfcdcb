// The wellness side of the reminder queue: batching, merging into the notice on screen,
// and counting what was shown.

#include "menubar/ReminderQueue.h"

#include "core/Clock.h"
#include "core/LocalStatisticsStore.h"
#include "core/Logger.h"
#include "menubar/HUDPresenter.h"

#include <algorithm>

namespace {

const QString category = QStringLiteral("ReminderQueue");

std::optional<StatsReminderKind> statisticsKind(HUDStyle style)
{
    switch (style) {
    case HUDStyle::posture: return StatsReminderKind::posture;
    case HUDStyle::typing: return StatsReminderKind::typing;
    case HUDStyle::blink: return StatsReminderKind::blink;
    default: return std::nullopt;
    }
}

} // namespace

void ReminderQueue::enqueueWellness(HUDStyle style, const QString &title, const QString &subtitle)
{
    if (!gateOpen() || !m_suppressionReasons.empty()) {
        logDebug(category, QStringLiteral("Wellness reminder suppressed: ") + title);
        return;
    }
    const PendingReminder reminder{hudNotificationCategory(style), style, title, subtitle};
    forgetActiveIfGone();
    if (activeHasPriority(HUDNotificationPriority::wellness)) {
        if (mergeIntoActiveWellness(reminder))
            return;
        // The notice refused the change. If it has gone meanwhile it is forgotten; either
        // way the reminder waits for the next batch rather than being lost.
        forgetActiveIfGone();
    } else if (m_activeRequest) {
        logDebug(category,
                 QStringLiteral("Wellness reminder dropped while higher-priority HUD is active"));
        return;
    }
    queueWellness(reminder);
}

void ReminderQueue::queueWellness(const PendingReminder &reminder)
{
    const bool duplicate =
        std::any_of(m_pendingWellness.begin(), m_pendingWellness.end(),
                    [&](const PendingReminder &p) { return p.category == reminder.category; });
    if (duplicate) {
        logDebug(category, QStringLiteral("Skipping duplicate wellness category: ")
                               + hudNotificationCategoryName(reminder.category));
        return;
    }
    m_pendingWellness.append(reminder);
    logDebug(category, QStringLiteral("Queued wellness reminder: ") + reminder.title);
    // The window runs from the first reminder: later ones do not hold the batch back.
    if (!m_batchTimer)
        scheduleBatchTimer();
}

// False only when the notice on screen refused the new texts; every other outcome,
// a skipped duplicate included, leaves nothing more to do.
bool ReminderQueue::mergeIntoActiveWellness(const PendingReminder &reminder)
{
    const bool alreadyShown =
        std::any_of(m_activeWellness.begin(), m_activeWellness.end(),
                    [&](const PendingReminder &a) { return a.category == reminder.category; });
    if (alreadyShown) {
        logDebug(category, QStringLiteral("Skipping duplicate active wellness category"));
        return true;
    }
    if (!activeHasPriority(HUDNotificationPriority::wellness)
        || m_activeRequest->category == reminder.category)
        return true;

    QList<PendingReminder> combined = m_activeWellness;
    combined.append(reminder);
    const WellnessSummary summary = wellnessSummary(combined);
    if (!m_hud.update(summary.title, summary.subtitle, 0))
        return false;
    // The request keeps its id and expiry: the HUD's dismissal still names it.
    m_activeWellness = combined;
    recordReminderShown(reminder.style);
    return true;
}

void ReminderQueue::dropPendingWellness()
{
    m_pendingWellness.clear();
    m_batchTimer.reset();
}

// The handle belongs to the queue and cancels with it, so the block never outlives `this`.
void ReminderQueue::scheduleBatchTimer(double delaySeconds)
{
    m_batchTimer.reset();
    m_batchTimer = m_clock.schedule(delaySeconds, false, [this] { flushWellness(); });
}

void ReminderQueue::flushWellness()
{
    m_batchTimer.reset();
    forgetActiveIfGone();
    if (m_activeRequest || m_pendingWellness.isEmpty() || !m_suppressionReasons.empty()
        || !gateOpen()) {
        m_pendingWellness.clear();
        return;
    }
    const QList<PendingReminder> reminders = std::exchange(m_pendingWellness, {});
    if (!present(HUDNotificationRequest::wellness(reminders, m_clock.now())))
        return;
    m_activeWellness = reminders;
    for (const PendingReminder &reminder : reminders)
        recordReminderShown(reminder.style);
}

void ReminderQueue::recordReminderShown(HUDStyle style)
{
    if (const auto kind = statisticsKind(style))
        m_statistics.record(LocalStatisticsStore::applyReminderShown(*kind));
}
