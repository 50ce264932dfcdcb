#include "menubar/ReminderQueue.h"

#include "core/AppSettings.h"
#include "core/Clock.h"
#include "core/Logger.h"
#include "core/RunningTests.h"
#include "core/SystemClock.h"
#include "menubar/FloatingHUD.h"

#include <QPointer>

#include <algorithm>

namespace {

const QString category = QStringLiteral("ReminderQueue");
constexpr int minimumCountdownLifetimeSeconds = 10;
constexpr int welcomeBackLifetimeSeconds = 10;

bool isBreakCountdownReason(ReminderSuppressionReason reason)
{
    return reason == ReminderSuppressionReason::upcomingBreak
        || reason == ReminderSuppressionReason::plannedBreak;
}

} // namespace

ReminderQueue::ReminderQueue(AppSettings &settings, Clock &clock, HUDPresenter &hud, QObject *parent)
    : QObject(parent)
    , m_settings(settings)
    , m_clock(clock)
    , m_hud(hud)
{
}

ReminderQueue &ReminderQueue::shared()
{
    static ReminderQueue *queue = [] {
        auto *clock = new SystemClock;
        auto *instance = new ReminderQueue(AppSettings::shared(), *clock, FloatingHUD::shared());
        clock->setParent(instance);
        return instance;
    }();
    return *queue;
}

void ReminderQueue::beginSuppression(ReminderSuppressionReason reason)
{
    m_suppressionReasons.insert(reason);
    // A break countdown survives its own heads-up suppression; every other notice goes.
    const bool keepCountdown = isBreakCountdownReason(reason)
        && (activeHasPriority(HUDNotificationPriority::breakHeadsUp)
            || activeHasPriority(HUDNotificationPriority::scheduledBreak));
    if (m_activeRequest && !keepCountdown) {
        m_activeRequest.reset();
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
    // A planned-break countdown is never replaced by a routine one.
    if (activeHasPriority(HUDNotificationPriority::scheduledBreak))
        return false;
    return showCountdown(countdownRequest(HUDNotificationCategory::breakHeadsUp,
                                          HUDPresentationKind::regular, title, subtitle,
                                          secondsLeft));
}

bool ReminderQueue::showPlannedBreakHeadsUp(const QString &title, const QString &subtitle,
                                            int secondsLeft)
{
    if (!gateOpen() || !onlyBreakCountdownReasons())
        return refuse(title);
    return showCountdown(countdownRequest(HUDNotificationCategory::scheduledBreak,
                                          HUDPresentationKind::scheduledBreak, title, subtitle,
                                          secondsLeft));
}

bool ReminderQueue::showWelcomeBack(HUDStyle style, const QString &title, const QString &subtitle)
{
    if (!gateOpen() || !m_suppressionReasons.empty())
        return refuse(title);
    if (activeHasPriority(HUDNotificationPriority::breakHeadsUp)
        || activeHasPriority(HUDNotificationPriority::scheduledBreak)
        || (activeHasPriority(HUDNotificationPriority::welcomeBack)
            && m_activeRequest->category == HUDNotificationCategory::welcomeBack))
        return false;
    return present({QUuid::createUuid(), HUDNotificationCategory::welcomeBack,
                    HUDNotificationPriority::welcomeBack, style, title, subtitle, 0,
                    HUDPresentationKind::regular,
                    m_clock.now().addSecs(welcomeBackLifetimeSeconds)});
}

void ReminderQueue::clearAll()
{
    m_activeRequest.reset();
}

bool ReminderQueue::isSuppressed(ReminderSuppressionReason reason) const
{
    return m_suppressionReasons.count(reason) > 0;
}

bool ReminderQueue::gateOpen()
{
    return m_settings.notificationsEnabled() && m_settings.isWithinOfficeHours(m_clock.now());
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

HUDNotificationRequest ReminderQueue::countdownRequest(HUDNotificationCategory category,
                                                       HUDPresentationKind kind,
                                                       const QString &title,
                                                       const QString &subtitle,
                                                       int secondsLeft) const
{
    const auto priority = category == HUDNotificationCategory::scheduledBreak
        ? HUDNotificationPriority::scheduledBreak
        : HUDNotificationPriority::breakHeadsUp;
    const int lifetime = std::max(secondsLeft, minimumCountdownLifetimeSeconds);
    return {QUuid::createUuid(), category, priority, HUDStyle::breakReminder, title, subtitle,
            secondsLeft, kind, m_clock.now().addSecs(lifetime)};
}

// A countdown of the same kind on screen is updated in place, keeping its id and expiry;
// anything else is replaced.
bool ReminderQueue::showCountdown(const HUDNotificationRequest &request)
{
    if (activeHasPriority(request.priority) && m_activeRequest->category == request.category
        && m_hud.update(request.title, request.subtitle, request.secondsLeft))
        return true;
    return present(request);
}

bool ReminderQueue::present(const HUDNotificationRequest &request)
{
    if (request.expiresAt <= m_clock.now())
        return false;
    if (!gateOpen() || isRunningTests())
        return false;
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
    return true;
}

void ReminderQueue::handleDismissal(const QUuid &id)
{
    if (m_activeRequest && m_activeRequest->id == id)
        m_activeRequest.reset();
}
