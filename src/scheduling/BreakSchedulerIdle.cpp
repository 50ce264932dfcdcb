#include "scheduling/BreakScheduler.h"

#include "core/AppSettings.h"
#include "core/Clock.h"
#include "core/DisplayStateProvider.h"
#include "core/InputStateProvider.h"
#include "core/LocalStatisticsStore.h"
#include "detection/TypingHealthEngine.h"
#include "detection/WellnessScheduler.h"
#include "menubar/ReminderQueue.h"
#include "scheduling/PlannedBreakScheduler.h"
#include "scheduling/ShortDuration.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double secondsPerMinute = 60.0;
// Settings of zero or less minutes still mean one minute.
constexpr qint64 minimumIdleMinutes = 1;
// Right after a break a reading this small can only be fresh input.
constexpr double baselineFreshInputSeconds = 1.0;
// Readings taken a moment apart may differ by this much without meaning new input.
constexpr double baselineToleranceSeconds = 0.25;

double minutesAsSeconds(qint64 minutes)
{
    return double(std::max(minutes, minimumIdleMinutes)) * secondsPerMinute;
}

} // namespace

// The user is present below the candidate threshold. Above it an away session is made at
// once, so the seconds counted down before the absence is confirmed can be given back; the
// absence is confirmed by the idle timeout, or at once when the session is locked, the
// machine asleep or the main display off. Asking the display costs a round trip to the
// display server, so it is asked only when its answer can change the outcome.
bool BreakScheduler::processIdleStep()
{
    if (!m_services.inputState.hasReading())
        return processForcedAbsenceStep();
    const double idle = measuredIdleSeconds();
    if (m_isSystemIdle) {
        m_lastObservedIdleDuration = std::max(m_lastObservedIdleDuration, idle);
        if (idle < idleCandidateThreshold && !isAbsenceForced()) {
            const double away = awayDuration();
            const AwayReturn back = resolveAwayReturn(away);
            idleCompleted(back.outcome, away, back.nextRemaining);
        }
        return true; // the return itself does not count down either
    }
    const bool timedOut = idle >= idleTimeoutSeconds();
    const bool forced = !timedOut && isAbsenceForced();
    if (idle < idleCandidateThreshold && m_awaySession && !forced) {
        clearIdleState(); // a short pause in input: the countdown is untouched
        return false;
    }
    m_lastObservedIdleDuration = idle;
    if (idle >= idleCandidateThreshold)
        beginAwaySession(idle);
    if (timedOut || forced) {
        idleStarted(idle);
        return true;
    }
    return false;
}

// Without an idle reading the input tells nothing: only a locked session, sleep or a dark
// display mark the user away, and the end of them brings the user back. An absence seen on
// an earlier reading ends with the reading (held on, it could hold the countdown for good),
// and one not yet confirmed is let go.
bool BreakScheduler::processForcedAbsenceStep()
{
    const bool forced = isAbsenceForced();
    if (m_isSystemIdle) {
        if (!forced) {
            const double away = awayDuration();
            const AwayReturn back = resolveAwayReturn(away);
            idleCompleted(back.outcome, away, back.nextRemaining);
        }
        return true;
    }
    if (m_awaySession)
        cancelIdleTracking();
    if (!forced)
        return false;
    idleStarted(0);
    return true;
}

// While the user has not touched anything since a break closed, the quiet time of the break
// itself does not count as being away. Without a reading nothing is measured.
double BreakScheduler::measuredIdleSeconds()
{
    const double raw = rawIdleSeconds().value_or(0.0);
    if (m_syntheticIdleBaseline <= 0)
        return raw;
    if (raw > baselineFreshInputSeconds && raw + baselineToleranceSeconds >= m_syntheticIdleBaseline)
        return std::max(raw - m_syntheticIdleBaseline, 0.0);
    m_syntheticIdleBaseline = 0; // input came since: the baseline has done its work
    return raw;
}

void BreakScheduler::beginIdleForLockOrSleep()
{
    const bool timerCounts = m_isRunning && !m_isPaused && m_pauseReasons.isEmpty()
        && !m_activeBreakContext && !m_isWaitingForActivity;
    if (!m_services.settings.idleDetectionEnabled() || !withinOfficeHours() || !timerCounts
        || m_isSystemIdle)
        return;
    idleStarted(0);
}

void BreakScheduler::beginAwaySession(double idleSeconds)
{
    if (m_awaySession)
        return;
    const qint64 idleMs = idleSeconds > 0 ? qint64(std::llround(idleSeconds * 1000.0)) : 0;
    m_awaySession = AwaySession{
        .startedAt = m_services.clock.now().addMSecs(-idleMs),
        .departureCountdown = std::max(m_timeRemaining, 0.0),
        .workInterval = std::max(double(m_services.settings.breakIntervalSeconds()), 1.0),
        .fullResetThreshold = fullResetThreshold(),
    };
}

// Idle is no pause reason: the tick keeps firing and holds the countdown itself, so that it
// notices the return.
void BreakScheduler::idleStarted(double idleSeconds)
{
    beginAwaySession(idleSeconds);
    const double departure = m_awaySession->departureCountdown;
    if (m_isSystemIdle)
        return;
    setIsSystemIdle(true);
    setTimeRemaining(std::max(m_timeRemaining, departure));
    m_headsUpSent = false;
    setStatusMessage(QString());
    m_services.reminders.endSuppression(ReminderSuppressionReason::upcomingBreak);
    m_services.reminders.beginSuppression(ReminderSuppressionReason::idle);
    m_services.wellness.pause(PauseReason::idle);
    m_services.plannedBreaks.suspend(PauseReason::idle);
    m_services.typingHealth.stopMonitoring();
    logEvent(LogLevel::Info, QStringLiteral("idle_started"),
             {{QStringLiteral("detectedIdle"), formatSecondsForLog(idleSeconds)},
              {QStringLiteral("departureRemaining"), formatSecondsForLog(departure)},
              {QStringLiteral("restoredRemaining"), formatSecondsForLog(m_timeRemaining)}});
}

void BreakScheduler::idleCompleted(IdleReturnOutcome outcome, double awaySeconds,
                                   double nextRemaining)
{
    if (!m_awaySession) {
        clearIdleState();
        resumeServicesAfterIdle();
        return;
    }
    const double departure = m_awaySession->departureCountdown;
    clearIdleState();
    setTimeRemaining(nextRemaining);
    setDeliveryDelayAccumulated(0);
    m_headsUpSent = false;
    setStatusMessage(QString());
    resumeServicesAfterIdle();
    const bool countedAsBreak = outcome == IdleReturnOutcome::fullReset;
    if (countedAsBreak)
        m_services.statistics.record(
            LocalStatisticsStore::applyIdleBreak(qint64(std::floor(awaySeconds))));
    logEvent(LogLevel::Info, QStringLiteral("idle_completed"),
             {{QStringLiteral("countedAsBreak"), formatBoolForLog(countedAsBreak)},
              {QStringLiteral("departureRemaining"), formatSecondsForLog(departure)},
              {QStringLiteral("duration"), formatSecondsForLog(awaySeconds)},
              {QStringLiteral("nextRemaining"), formatSecondsForLog(nextRemaining)},
              {QStringLiteral("outcome"), idleReturnOutcomeLogName(outcome)}});
    showWelcomeBack(outcome, nextRemaining);
}

// The notice is a courtesy: whether the queue shows it changes nothing here.
void BreakScheduler::showWelcomeBack(IdleReturnOutcome outcome, double nextRemaining)
{
    if (!m_services.settings.notificationsEnabled() || !withinOfficeHours())
        return;
    const QString next = formatShortDuration(nextRemaining);
    if (outcome == IdleReturnOutcome::fullReset)
        m_services.reminders.showWelcomeBack(HUDStyle::walk, QStringLiteral("Timer reset"),
                                             QStringLiteral("Next break in ") + next);
    else
        m_services.reminders.showWelcomeBack(HUDStyle::blink, QStringLiteral("Welcome back"),
                                             QStringLiteral("Timer resumed. Next in ") + next);
}

// The clock's date, not the number of ticks, measures the absence: the tick stops while the
// machine sleeps, and the time asleep is time away all the same.
double BreakScheduler::awayDuration() const
{
    if (!m_awaySession)
        return m_lastObservedIdleDuration;
    const double sinceDeparture =
        double(m_awaySession->startedAt.msecsTo(m_services.clock.now())) / 1000.0;
    return std::max(m_lastObservedIdleDuration, sinceDeparture);
}

AwayReturn BreakScheduler::resolveAwayReturn(double awaySeconds) const
{
    if (!m_awaySession)
        return {IdleReturnOutcome::none, std::max(m_timeRemaining, 0.0)};
    return awayReturnRule(m_awaySession->workInterval, m_awaySession->departureCountdown,
                          awaySeconds, m_awaySession->fullResetThreshold);
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
    if (wasIdle)
        resumeServicesAfterIdle();
}

void BreakScheduler::clearIdleState()
{
    setIsSystemIdle(false);
    m_lastObservedIdleDuration = 0;
    m_awaySession.reset();
}

// Typing monitoring is asked last: it refuses to start while the user still counts as away.
void BreakScheduler::resumeServicesAfterIdle()
{
    m_services.reminders.endSuppression(ReminderSuppressionReason::idle);
    m_services.wellness.resume(PauseReason::idle);
    m_services.plannedBreaks.resume(PauseReason::idle);
    m_services.typingHealth.startMonitoring();
}

double BreakScheduler::idleTimeoutSeconds() const
{
    return minutesAsSeconds(m_services.settings.idleTimeoutMinutes());
}

double BreakScheduler::fullResetThreshold() const
{
    return std::max(idleTimeoutSeconds(),
                    minutesAsSeconds(m_services.settings.idleResetThresholdMinutes()));
}

// The display is asked last, and only when neither flag already says the user is away.
bool BreakScheduler::isAbsenceForced() const
{
    return m_isScreenLocked || m_isSystemSleeping
        || !m_services.displayState.isMainDisplayActive();
}

std::optional<double> BreakScheduler::rawIdleSeconds() const
{
    return m_services.inputState.idleSeconds();
}

// Nobody seen is nobody busy.
bool BreakScheduler::isUserRecentlyActive() const
{
    const std::optional<double> idle = rawIdleSeconds();
    return idle && *idle < std::max(double(m_services.settings.gentleDelaySeconds()), 1.0);
}

// When the panels close the user may not have touched anything for the whole break; that
// quiet time must not count as the user having left.
void BreakScheduler::setPostBreakIdleBaseline()
{
    m_syntheticIdleBaseline = rawIdleSeconds().value_or(0.0);
    clearIdleState();
    logEvent(LogLevel::Debug, QStringLiteral("post_break_idle_baseline_set"),
             {{QStringLiteral("baseline"), formatSecondsForLog(m_syntheticIdleBaseline)}});
}
