#include "menubar/ReminderQueue.h"

#include "core/AppSettings.h"
#include "core/Clock.h"
#include "core/LocalStatisticsStore.h"
#include "core/Logger.h"
#include "core/RunningTests.h"
#include "core/SystemClock.h"
#include "menubar/FloatingHUD.h"

#include <QPointer>

#include <algorithm>

namespace {

const QString category = QStringLiteral("ReminderQueue");

bool isBreakCountdownReason(ReminderSuppressionReason reason)
{
    return reason == ReminderSuppressionReason::upcomingBreak
        || reason == ReminderSuppressionReason::plannedBreak;
}

} // namespace

ReminderQueue::ReminderQueue(AppSettings &settings, Clock &clock, HUDPresenter &hud,
                             LocalStatisticsStore &statistics, QObject *parent)
    : QObject(parent)
    , m_settings(settings)
    , m_clock(clock)
    , m_hud(hud)
    , m_statistics(statistics)
{
}

ReminderQueue &ReminderQueue::shared()
{
    static ReminderQueue *queue = [] {
        auto *clock = new SystemClock;
        auto *instance = new ReminderQueue(AppSettings::shared(), *clock, FloatingHUD::shared(),
                                           LocalStatisticsStore::shared());
        clock->setParent(instance);
        return instance;
    }();
    return *queue;
}

void ReminderQueue::beginSuppression(ReminderSuppressionReason reason)
{
    m_suppressionReasons.insert(reason);
    dropPendingWellness();
    forgetActiveIfGone();
    // A break countdown survives its own heads-up suppression; every other notice goes.
    const bool keepCountdown = isBreakCountdownReason(reason)
        && (activeHasPriority(HUDNotificationPriority::breakHeadsUp)
            || activeHasPriority(HUDNotificationPriority::scheduledBreak));
    if (m_activeRequest && !keepCountdown) {
        forgetActive();
        m_hud.dismiss(true);
    }
    logDebug(category, QStringLiteral("Suppression started (%1) - queue cleared")
                           .arg(reminderSuppressionReasonName(reason)));
}

void ReminderQueue::endSuppression(ReminderSuppressionReason reason)
{
    m_suppressionReasons.erase(reason);
    logDebug(category, QStringLiteral("Suppression ended (%1) - active: %2")
                           .arg(reminderSuppressionReasonName(reason))
                           .arg(m_suppressionReasons.size()));
}

bool ReminderQueue::showBreakHeadsUp(const QString &title, const QString &subtitle, int secondsLeft)
{
    if (!gateOpen() || !onlyBreakCountdownReasons())
        return refuse(title);
    const auto request =
        HUDNotificationRequest::breakHeadsUp(title, subtitle, secondsLeft, m_clock.now());
    forgetActiveIfGone();
    // A planned-break countdown is never replaced by a routine one.
    if (activeHasPriority(HUDNotificationPriority::scheduledBreak))
        return false;
    return showCountdown(request);
}

bool ReminderQueue::showPlannedBreakHeadsUp(const QString &title, const QString &subtitle,
                                            int secondsLeft)
{
    if (!gateOpen() || !onlyBreakCountdownReasons())
        return refuse(title);
    const auto request =
        HUDNotificationRequest::plannedBreakHeadsUp(title, subtitle, secondsLeft, m_clock.now());
    forgetActiveIfGone();
    return showCountdown(request);
}

bool ReminderQueue::showWelcomeBack(HUDStyle style, const QString &title, const QString &subtitle)
{
    if (!gateOpen() || !m_suppressionReasons.empty())
        return refuse(title);
    const auto request = HUDNotificationRequest::welcomeBack(style, title, subtitle, m_clock.now());
    forgetActiveIfGone();
    if (activeHasPriority(HUDNotificationPriority::breakHeadsUp)
        || activeHasPriority(HUDNotificationPriority::scheduledBreak)
        || (activeHasPriority(HUDNotificationPriority::welcomeBack)
            && m_activeRequest->category == HUDNotificationCategory::welcomeBack))
        return false;
    dropPendingWellness();
    return present(request);
}

void ReminderQueue::clearAll()
{
    dropPendingWellness();
    forgetActive();
}

bool ReminderQueue::isSuppressed(ReminderSuppressionReason reason) const
{
    return m_suppressionReasons.count(reason) > 0;
}

bool ReminderQueue::gateOpen()
{
    return m_settings.notificationsEnabled() && m_settings.isWithinOfficeHours(m_clock);
}

bool ReminderQueue::onlyBreakCountdownReasons() const
{
    return std::all_of(m_suppressionReasons.begin(), m_suppressionReasons.end(),
                       isBreakCountdownReason);
}

bool ReminderQueue::activeHasPriority(HUDNotificationPriority priority) const
{
    return m_activeRequest && m_activeRequest->priority == priority;
}

bool ReminderQueue::refuse(const QString &title)
{
    logDebug(category, QStringLiteral("HUD suppressed: ") + title);
    return false;
}

// A countdown of the same kind on screen is updated in place, keeping its id and expiry;
// anything else is replaced, and reminders waiting for their batch give way to it.
bool ReminderQueue::showCountdown(const HUDNotificationRequest &request)
{
    if (activeHasPriority(request.priority) && m_activeRequest->category == request.category
        && m_hud.update(request.title, request.subtitle, request.secondsLeft))
        return true;
    dropPendingWellness();
    return present(request);
}

bool ReminderQueue::present(const HUDNotificationRequest &request)
{
    if (request.expiresAt <= m_clock.now())
        return false;
    if (!gateOpen() || isRunningTests())
        return false;
    // The HUD drops a replaced notice's handler without calling it, and a late call for an
    // older notice is told apart by its id.
    QPointer<ReminderQueue> self(this);
    const QUuid id = request.id;
    const bool shown = m_hud.present(request.style, request.title, request.subtitle,
                                     request.secondsLeft, request.kind, false, [self, id] {
                                         if (self)
                                             self->handleDismissal(id);
                                     });
    if (!shown)
        return false;
    m_activeRequest = request;
    m_activePresentationId = m_hud.presentationId();
    if (request.priority != HUDNotificationPriority::wellness)
        m_activeWellness.clear();
    return true;
}

void ReminderQueue::handleDismissal(const QUuid &id)
{
    if (!m_activeRequest || m_activeRequest->id != id)
        return;
    forgetActive();
    if (!m_pendingWellness.isEmpty() && m_suppressionReasons.empty())
        scheduleBatchTimer(afterDismissalFlushSeconds);
}

void ReminderQueue::forgetActive()
{
    m_activeRequest.reset();
    m_activePresentationId = QUuid();
    m_activeWellness.clear();
}

// The HUD does not always report a notice's end: one replaced by another presenter, or
// still fading out, calls no handler yet. Trusting the remembered request then would
// update someone else's notice, or refuse every later reminder behind a notice long gone.
void ReminderQueue::forgetActiveIfGone()
{
    if (!m_activeRequest)
        return;
    const QUuid shown = m_hud.presentationId();
    if (shown.isNull() || shown != m_activePresentationId)
        forgetActive();
}
