#include "scheduling/BreakScheduler.h"

#include "core/AppSettings.h"
#include "core/Clock.h"
#include "core/InputStateProvider.h"
#include "detection/TypingHealthEngine.h"
#include "detection/WellnessScheduler.h"
#include "menubar/ReminderQueue.h"
#include "scheduling/PlannedBreakScheduler.h"

#include <algorithm>

namespace {

// After a meeting the user gets a quarter of its length to get back into work, within these
// bounds, before the next break.
constexpr double meetingRecoveryShare = 0.25;
constexpr double meetingRecoveryMinimumSeconds = 120.0;
constexpr double meetingRecoveryMaximumSeconds = 600.0;

// Meetings and media playback are passed on to the other services by the wellness scheduler
// that detects them; this timer passes on every other reason itself.
std::optional<ReminderSuppressionReason> passedOnSuppression(PauseReason reason)
{
    switch (reason) {
    case PauseReason::officeHours:
        return ReminderSuppressionReason::officeHours;
    case PauseReason::sleep:
        return ReminderSuppressionReason::sleep;
    case PauseReason::idle:
        return ReminderSuppressionReason::idle;
    case PauseReason::displaySleep:
        return ReminderSuppressionReason::displaySleep;
    case PauseReason::manual:
        return ReminderSuppressionReason::manualPause;
    case PauseReason::meeting:
    case PauseReason::media:
        break;
    }
    return std::nullopt;
}

QString reasonList(const PauseReasonSet &reasons)
{
    return pauseReasonLogNames(reasons).join(QLatin1Char(','));
}

} // namespace

void BreakScheduler::start()
{
    cancelIdleTracking();
    stop();
    setTimeRemaining(double(m_services.settings.breakIntervalSeconds()));
    clearIdleState();
    setDeliveryDelayAccumulated(0);
    m_meetingPauseStartedAt.reset();
    setStatusMessage(QString());
    m_headsUpSent = false;
    m_activeBreakContext.reset();
    m_services.reminders.endSuppression(ReminderSuppressionReason::upcomingBreak);
    m_services.reminders.endSuppression(ReminderSuppressionReason::activeBreak);
    m_services.reminders.endSuppression(ReminderSuppressionReason::waitForActivity);

    const QString interval = formatSecondsForLog(m_timeRemaining);
    if (!m_pauseReasons.isEmpty()) {
        // The last resume starts the tick.
        holdForPauseReasons();
        logEvent(LogLevel::Info, QStringLiteral("interval_ready_while_paused"),
                 {{QStringLiteral("interval"), interval},
                  {QStringLiteral("primaryReason"), pauseReasonLogName(m_currentPauseReason)},
                  {QStringLiteral("reasons"), reasonList(m_pauseReasons)}});
        return;
    }
    setIsRunning(true);
    setIsPaused(false);
    setCurrentPauseReason(std::nullopt);
    const bool inside = withinOfficeHours();
    logEvent(LogLevel::Info, QStringLiteral("timer_started"),
             {{QStringLiteral("interval"), interval},
              {QStringLiteral("officeHoursEnabled"),
               formatBoolForLog(m_services.settings.officeHoursEnabled())},
              {QStringLiteral("withinOfficeHours"), formatBoolForLog(inside)}});
    if (inside)
        scheduleTick();
    else
        pause(PauseReason::officeHours); // the fresh interval waits for office hours
}

void BreakScheduler::resetTimer()
{
    cancelTick();
    setTimeRemaining(double(m_services.settings.breakIntervalSeconds()));
    setDeliveryDelayAccumulated(0);
    m_headsUpSent = false;
    if (m_isPaused) {
        setIsRunning(false);
        return;
    }
    if (withinOfficeHours()) {
        setIsRunning(true);
        scheduleTick();
    } else {
        pause(PauseReason::officeHours);
    }
}

void BreakScheduler::stop()
{
    cancelTick();
    cancelActivityMonitor();
    setIsRunning(false);
    m_wasRunningBeforeSleep = false;
}

// A repeated pause for a held reason re-applies its effects but is logged only once.
void BreakScheduler::pause(PauseReason reason)
{
    const bool isNew = insertPauseReason(reason);
    if (isNew && reason == PauseReason::meeting)
        m_meetingPauseStartedAt = m_services.clock.now();
    cancelTick();
    cancelActivityMonitor();
    holdForPauseReasons();
    m_services.plannedBreaks.suspend(reason);
    if (passedOnSuppression(reason))
        passOnPause(reason);
    if (reason != PauseReason::idle && (m_isSystemIdle || m_awaySession)) {
        cancelIdleTracking();
        logInfo(QStringLiteral("BreakScheduler"),
                QStringLiteral("Idle tracking cancelled because %1 pause took ownership")
                    .arg(pauseReasonLogName(reason)));
    }
    if (isNew) {
        logEvent(LogLevel::Info, QStringLiteral("timer_paused"),
                 {{QStringLiteral("primaryReason"), pauseReasonLogName(m_currentPauseReason)},
                  {QStringLiteral("reason"), pauseReasonLogName(reason)},
                  {QStringLiteral("reasons"), reasonList(m_pauseReasons)},
                  {QStringLiteral("remaining"), formatSecondsForLog(m_timeRemaining)}});
    }
}

void BreakScheduler::resume(PauseReason reason)
{
    if (!m_isPaused || !m_pauseReasons.contains(reason))
        return;
    if (reason == PauseReason::meeting) {
        applyMeetingRecovery();
        m_meetingPauseStartedAt.reset();
    }
    removePauseReason(reason);
    setCurrentPauseReason(primaryPauseReason());
    m_services.plannedBreaks.resume(reason);
    if (m_ancillaryPauseReasons.contains(reason))
        releasePassedOnPause(reason);
    // The typing engine refuses to start while the timer is paused, so it is asked only once
    // the pause state is settled: asked any earlier, typing monitoring never came back.
    const bool restartTyping = m_ancillaryPauseReasons.isEmpty();
    if (!m_pauseReasons.isEmpty()) {
        if (restartTyping)
            m_services.typingHealth.startMonitoring();
        logEvent(LogLevel::Info, QStringLiteral("resume_deferred"),
                 {{QStringLiteral("completedReason"), pauseReasonLogName(reason)},
                  {QStringLiteral("remainingReasons"), reasonList(m_pauseReasons)}});
        return;
    }
    setIsPaused(false);
    setCurrentPauseReason(std::nullopt);
    rebaselineIdle();
    if (restartTyping)
        m_services.typingHealth.startMonitoring();
    continueAfterLastResume(reason);
}

void BreakScheduler::clearPauseReasons()
{
    for (PauseReason reason : m_pauseReasons.values())
        m_services.plannedBreaks.resume(reason);
    for (PauseReason reason : m_ancillaryPauseReasons.values()) {
        m_services.wellness.resume(reason);
        m_services.reminders.endSuppression(*passedOnSuppression(reason));
    }
    if (!m_pauseReasons.isEmpty()) {
        m_pauseReasons.clear();
        emit pauseReasonsChanged();
    }
    m_ancillaryPauseReasons.clear();
    setCurrentPauseReason(std::nullopt);
    setIsPaused(false);
}

// Idle is never primary: the user being away is shown as such, not as a pause.
std::optional<PauseReason> BreakScheduler::primaryPauseReason() const
{
    static constexpr PauseReason order[] = {
        PauseReason::manual, PauseReason::officeHours, PauseReason::meeting,
        PauseReason::media,  PauseReason::sleep,       PauseReason::displaySleep,
    };
    for (PauseReason reason : order) {
        if (m_pauseReasons.contains(reason))
            return reason;
    }
    return std::nullopt;
}

void BreakScheduler::holdForPauseReasons()
{
    setIsRunning(false);
    setIsPaused(true);
    setCurrentPauseReason(primaryPauseReason());
}

void BreakScheduler::passOnPause(PauseReason reason)
{
    m_ancillaryPauseReasons.insert(reason);
    m_services.wellness.pause(reason);
    m_services.reminders.beginSuppression(*passedOnSuppression(reason));
    m_services.typingHealth.stopMonitoring();
}

void BreakScheduler::releasePassedOnPause(PauseReason reason)
{
    m_ancillaryPauseReasons.remove(reason);
    m_services.wellness.resume(reason);
    m_services.reminders.endSuppression(*passedOnSuppression(reason));
}

// With the last reason gone the countdown continues from where it was held, unless a break
// is on screen or the timer waits for the user (their own ends start it), or office hours
// are over.
void BreakScheduler::continueAfterLastResume(PauseReason reason)
{
    const bool inside = withinOfficeHours();
    if (inside && !m_activeBreakContext && !m_isWaitingForActivity) {
        setIsRunning(true);
        logEvent(LogLevel::Info, QStringLiteral("timer_resumed"),
                 {{QStringLiteral("reason"), pauseReasonLogName(reason)},
                  {QStringLiteral("remaining"), formatSecondsForLog(m_timeRemaining)}});
        scheduleTick();
        return;
    }
    setIsRunning(false);
    if (inside) {
        logEvent(LogLevel::Info, QStringLiteral("resume_deferred"),
                 {{QStringLiteral("reason"), QStringLiteral("active_break_flow")}});
        return;
    }
    pause(PauseReason::officeHours);
    logEvent(LogLevel::Info, QStringLiteral("resume_deferred"),
             {{QStringLiteral("reason"), QStringLiteral("runtime_gate")},
              {QStringLiteral("withinOfficeHours"), formatBoolForLog(false)}});
}

// The countdown is lengthened to the recovery buffer when less was left, but never beyond a
// full interval.
void BreakScheduler::applyMeetingRecovery()
{
    if (m_services.settings.meetingAfterBehavior() != QLatin1String("adjust")
        || !m_meetingPauseStartedAt)
        return;
    const double length =
        std::max(0.0, double(m_meetingPauseStartedAt->msecsTo(m_services.clock.now())) / 1000.0);
    const double buffer = std::clamp(meetingRecoveryShare * length, meetingRecoveryMinimumSeconds,
                                     meetingRecoveryMaximumSeconds);
    const double previous = m_timeRemaining;
    setTimeRemaining(std::min(std::max(previous, buffer),
                              double(m_services.settings.breakIntervalSeconds())));
    logEvent(LogLevel::Info, QStringLiteral("meeting_adjusted_timer"),
             {{QStringLiteral("duration"), formatSecondsForLog(length)},
              {QStringLiteral("previousRemaining"), formatSecondsForLog(previous)},
              {QStringLiteral("transitionBuffer"), formatSecondsForLog(buffer)},
              {QStringLiteral("nextRemaining"), formatSecondsForLog(m_timeRemaining)}});
}

void BreakScheduler::rebaselineIdle()
{
    m_syntheticIdleBaseline = rawIdleSeconds().value_or(0.0);
    clearIdleState();
}
