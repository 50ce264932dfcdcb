#include "scheduling/BreakScheduler.h"

#include "core/AppSettings.h"
#include "core/InputStateProvider.h"
#include "detection/TypingHealthEngine.h"
#include "detection/WellnessScheduler.h"
#include "menubar/ReminderQueue.h"
#include "scheduling/PlannedBreakScheduler.h"

#include <algorithm>

// Absence is not detected yet: the tick always counts down.
bool BreakScheduler::processIdleStep()
{
    return false;
}

// Locking the screen or sleeping will count as the user being away once absence is tracked.
void BreakScheduler::beginIdleForLockOrSleep()
{
}

// Abandons idle and away tracking without an outcome: the seconds counted down since the
// user left are given back, and the services paused for idle run again.
void BreakScheduler::cancelIdleTracking()
{
    const bool wasIdle = m_isSystemIdle;
    const std::optional<double> departure = m_awaySession
        ? std::optional<double>(m_awaySession->departureCountdown)
        : std::nullopt;
    clearIdleState();
    if (departure)
        setTimeRemaining(std::max(m_timeRemaining, *departure));
    if (!wasIdle)
        return;
    m_services.reminders.endSuppression(ReminderSuppressionReason::idle);
    m_services.wellness.resume(PauseReason::idle);
    m_services.plannedBreaks.resume(PauseReason::idle);
    m_services.typingHealth.startMonitoring();
}

void BreakScheduler::clearIdleState()
{
    setIsSystemIdle(false);
    m_lastObservedIdleDuration = 0;
    m_awaySession.reset();
}

double BreakScheduler::rawIdleSeconds() const
{
    return std::min(m_services.inputState.secondsSinceKeyboardActivity(),
                    m_services.inputState.secondsSincePointerActivity());
}

bool BreakScheduler::isUserRecentlyActive() const
{
    return rawIdleSeconds() < std::max(double(m_services.settings.gentleDelaySeconds()), 1.0);
}

// When the panels close the user may not have touched anything for the whole break; that
// quiet time must not count as the user having left.
void BreakScheduler::setPostBreakIdleBaseline()
{
    m_syntheticIdleBaseline = rawIdleSeconds();
    clearIdleState();
    logEvent(LogLevel::Debug, QStringLiteral("post_break_idle_baseline_set"),
             {{QStringLiteral("baseline"), formatSecondsForLog(m_syntheticIdleBaseline)}});
}

// Sleep stops the tick but is no pause reason: wake decides whether it runs again.
void BreakScheduler::systemWillSleep()
{
    if (m_isSystemSleeping)
        return;
    m_isSystemSleeping = true;
    m_wasRunningBeforeSleep = m_isRunning;
    beginIdleForLockOrSleep(); // it must still see the timer running
    cancelTick();
    setIsRunning(false);
    logEvent(LogLevel::Info, QStringLiteral("system_sleep_started"),
             {{QStringLiteral("awaySessionActive"), formatBoolForLog(m_awaySession.has_value())},
              {QStringLiteral("timerWasRunning"), formatBoolForLog(m_wasRunningBeforeSleep)}});
}

// A held pause, a break on screen, a wait for activity or the end of office hours each start
// the timer again through their own ends.
void BreakScheduler::systemDidWake()
{
    if (!m_isSystemSleeping && !m_wasRunningBeforeSleep)
        return;
    m_isSystemSleeping = false;
    const bool wasRunning = std::exchange(m_wasRunningBeforeSleep, false);
    if (!m_services.settings.startAfterWake()) {
        cancelTick();
        setIsRunning(false);
        logEvent(LogLevel::Info, QStringLiteral("wake_timer_stayed_stopped"));
        return;
    }
    if (!wasRunning || m_isPaused || m_activeBreakContext || m_isWaitingForActivity
        || !withinOfficeHours())
        return;
    setIsRunning(true);
    scheduleTick();
    logEvent(LogLevel::Info, QStringLiteral("wake_timer_resumed"),
             {{QStringLiteral("awaySessionActive"), formatBoolForLog(m_awaySession.has_value())}});
}
