#include "scheduling/BreakScheduler.h"

#include "breakscreen/BreakWindowManager.h"
#include "breakscreen/WindowManager.h"
#include "core/AppNotifier.h"
#include "core/AppSettings.h"
#include "core/Clock.h"
#include "core/LocalStatisticsStore.h"
#include "core/SystemClock.h"
#include "core/SystemProviders.h"
#include "detection/TypingHealthEngine.h"
#include "detection/WellnessScheduler.h"
#include "menubar/ReminderQueue.h"
#include "scheduling/PlannedBreakScheduler.h"

#include <cmath>

namespace {

constexpr double tickIntervalSeconds = 1.0;
// In the last seconds before a break no wellness notice may start.
constexpr double lastQuietSeconds = 5.0;

} // namespace

BreakScheduler::BreakScheduler(BreakSchedulerServices services, QObject *parent)
    : QObject(parent)
    , m_services(std::move(services))
    , m_breakPresenter(&BreakWindowManager::presentBreak)
{
    if (!m_services.isBreakShowing)
        m_services.isBreakShowing = &WindowManager::isBreakShowing;
    m_maxScreenCountThisSession = screenCount();
    installLifecycleObservers();
    connect(&m_services.notifier, &AppNotifier::breakDidHide, this,
            &BreakScheduler::setPostBreakIdleBaseline);
}

BreakScheduler &BreakScheduler::shared()
{
    static BreakScheduler *scheduler = [] {
        auto *clock = new SystemClock;
        auto *instance = new BreakScheduler({
            .settings = AppSettings::shared(),
            .clock = *clock,
            .inputState = SystemProviders::inputState(),
            .displayState = SystemProviders::displayState(),
            .battery = SystemProviders::battery(),
            .statistics = LocalStatisticsStore::shared(),
            .reminders = ReminderQueue::shared(),
            .wellness = WellnessScheduler::shared(),
            .plannedBreaks = PlannedBreakScheduler::shared(),
            .typingHealth = TypingHealthEngine::shared(),
            .notifier = AppNotifier::instance(),
            .sessionEvents = SystemProviders::sessionEvents(),
        });
        clock->setParent(instance);
        // The wellness scheduler is one of this timer's services, so it is made first and
        // learns of the timer it pauses only now.
        WellnessScheduler::shared().bindBreakTimer(*instance);
        return instance;
    }();
    return *scheduler;
}

void BreakScheduler::setBreakPresenter(BreakPresenter presenter)
{
    m_breakPresenter = std::move(presenter);
}

QString BreakScheduler::countdownText() const
{
    const qint64 seconds = qint64(m_timeRemaining);
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

bool BreakScheduler::isDelayingBreak() const
{
    return m_isRunning && m_deliveryDelayAccumulated > 0
        && m_statusMessage == QLatin1String("waiting...");
}

bool BreakScheduler::withinOfficeHours() const
{
    return m_services.settings.isWithinOfficeHours(m_services.clock);
}

void BreakScheduler::scheduleTick()
{
    // The handle is this object's, so the tick never outlives it.
    m_timer = m_services.clock.schedule(tickIntervalSeconds, true, [this] { tick(); });
}

void BreakScheduler::cancelTick()
{
    if (m_timer)
        m_timer->cancel();
    m_timer.reset();
}

// Outside office hours the tick keeps firing but changes nothing; pausing for office hours
// is the office-hours coordinator's business.
void BreakScheduler::tick()
{
    if (!withinOfficeHours())
        return;
    if (m_services.settings.idleDetectionEnabled()) {
        if (processIdleStep())
            return;
    } else if (m_isSystemIdle || m_awaySession) {
        cancelIdleTracking();
    }
    if (m_timeRemaining <= 0) {
        evaluateDueBreak();
        return;
    }
    countDownOneSecond();
}

// The heads-up compares whole seconds for equality, so it comes at most once per interval and
// never when the interval starts with less time left than the heads-up lead.
void BreakScheduler::countDownOneSecond()
{
    setTimeRemaining(m_timeRemaining - tickIntervalSeconds);
    const double wholeSeconds = std::trunc(m_timeRemaining);
    const qint64 headsUpSeconds = m_services.settings.headsUpSeconds();
    if (headsUpSeconds >= 1 && !m_headsUpSent && wholeSeconds == double(headsUpSeconds)) {
        m_headsUpSent = true;
        m_services.reminders.beginSuppression(ReminderSuppressionReason::upcomingBreak);
        showHeadsUp(headsUpSeconds);
    }
    if (wholeSeconds == lastQuietSeconds)
        m_services.reminders.beginSuppression(ReminderSuppressionReason::upcomingBreak);
}

void BreakScheduler::logEvent(LogLevel level, const QString &event, const LogFields &fields)
{
    const QString category = QStringLiteral("BreakScheduler");
    const QString message = formatLogEvent(event, fields);
    switch (level) {
    case LogLevel::Debug:
        logDebug(category, message);
        break;
    case LogLevel::Info:
        logInfo(category, message);
        break;
    case LogLevel::Warn:
        logWarn(category, message);
        break;
    case LogLevel::Error:
        logError(category, message);
        break;
    }
}

void BreakScheduler::setTimeRemaining(double seconds)
{
    if (seconds == m_timeRemaining)
        return;
    m_timeRemaining = seconds;
    emit timeRemainingChanged(seconds);
}

void BreakScheduler::setIsRunning(bool running)
{
    if (running == m_isRunning)
        return;
    const bool wasDelaying = isDelayingBreak();
    m_isRunning = running;
    emit isRunningChanged(running);
    notifyIfDelayingChanged(wasDelaying);
}

void BreakScheduler::setIsPaused(bool paused)
{
    if (paused == m_isPaused)
        return;
    m_isPaused = paused;
    emit isPausedChanged(paused);
}

void BreakScheduler::setCurrentPauseReason(std::optional<PauseReason> reason)
{
    if (reason == m_currentPauseReason)
        return;
    m_currentPauseReason = reason;
    emit currentPauseReasonChanged();
}

void BreakScheduler::setStatusMessage(const QString &message)
{
    if (message == m_statusMessage)
        return;
    const bool wasDelaying = isDelayingBreak();
    m_statusMessage = message;
    emit statusMessageChanged(message);
    notifyIfDelayingChanged(wasDelaying);
}

void BreakScheduler::setDeliveryDelayAccumulated(double seconds)
{
    const bool wasDelaying = isDelayingBreak();
    m_deliveryDelayAccumulated = seconds;
    notifyIfDelayingChanged(wasDelaying);
}

void BreakScheduler::setIsSystemIdle(bool idle)
{
    if (idle == m_isSystemIdle)
        return;
    m_isSystemIdle = idle;
    emit isSystemIdleChanged(idle);
}

void BreakScheduler::setIsScreenLocked(bool locked)
{
    if (locked == m_isScreenLocked)
        return;
    m_isScreenLocked = locked;
    emit isScreenLockedChanged(locked);
}

void BreakScheduler::setIsWaitingForActivity(bool waiting)
{
    if (waiting == m_isWaitingForActivity)
        return;
    m_isWaitingForActivity = waiting;
    emit isWaitingForActivityChanged(waiting);
}

bool BreakScheduler::insertPauseReason(PauseReason reason)
{
    const bool inserted = m_pauseReasons.insert(reason);
    if (inserted)
        emit pauseReasonsChanged();
    return inserted;
}

void BreakScheduler::removePauseReason(PauseReason reason)
{
    if (m_pauseReasons.remove(reason))
        emit pauseReasonsChanged();
}

void BreakScheduler::notifyIfDelayingChanged(bool wasDelaying)
{
    const bool delaying = isDelayingBreak();
    if (delaying != wasDelaying)
        emit isDelayingBreakChanged(delaying);
}
