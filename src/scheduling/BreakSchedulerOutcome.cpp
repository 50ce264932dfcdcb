#include "scheduling/BreakScheduler.h"

#include "core/AppSettings.h"
#include "core/Clock.h"
#include "core/InputStateProvider.h"
#include "core/LocalStatisticsStore.h"
#include "menubar/ReminderQueue.h"

#include <algorithm>

namespace {

constexpr double activityCheckIntervalSeconds = 1.0;
// Input more recent than this counts as the user being back at work.
constexpr double activityThresholdSeconds = 2.0;
// Wellness notices stay quiet this long after a break, so none lands on a user just back.
constexpr double postBreakCooldownSeconds = 5.0;
constexpr qint64 minimumSnoozeSeconds = 1;

template <typename... Handlers>
struct Overloaded : Handlers...
{
    using Handlers::operator()...;
};

} // namespace

void BreakScheduler::handleBreakDismissal(const BreakDismissalOutcome &outcome)
{
    const std::optional<ActiveBreakContext> context = std::exchange(m_activeBreakContext, {});
    m_services.reminders.endSuppression(ReminderSuppressionReason::activeBreak);
    m_services.reminders.endSuppression(ReminderSuppressionReason::upcomingBreak);
    std::visit(Overloaded{
                   [&](const BreakDismissalOutcome::Completed &c) { handleCompleted(c, context); },
                   [&](const BreakDismissalOutcome::Snoozed &s) { handleSnoozed(s, context); },
                   [&](const BreakDismissalOutcome::Skipped &) { handleSkipped(context); },
                   [&](const BreakDismissalOutcome::Interrupted &) { handleInterrupted(context); },
               },
               outcome.value);
}

void BreakScheduler::handleCompleted(const BreakDismissalOutcome::Completed &completed,
                                     const std::optional<ActiveBreakContext> &context)
{
    if (!context) {
        logWarn(QStringLiteral("BreakScheduler"),
                QStringLiteral("Ignoring completion without an active break"));
        return;
    }
    // Never more than the clock saw pass since the break was presented: a break screen that
    // reports its full length after a moment (an end time that overflowed) must not fill the
    // day's total. The monotonic reading, so that a clock set back during the break does not
    // record it as none.
    const qint64 secondsShown =
        qRound64(double(m_services.clock.monotonicMs() - m_breakPresentedAtMs) / 1000.0);
    const qint64 elapsed = std::clamp<qint64>(
        completed.elapsedSeconds, 0, std::clamp<qint64>(secondsShown, 0, context->durationSeconds));
    logEvent(LogLevel::Info, QStringLiteral("break_dismissed"),
             {{QStringLiteral("elapsed"), formatSecondsForLog(double(elapsed))},
              {QStringLiteral("endedEarly"), formatBoolForLog(completed.endedEarly)},
              {QStringLiteral("isLong"), formatBoolForLog(context->isLong)},
              {QStringLiteral("outcome"), QStringLiteral("completed")},
              {QStringLiteral("source"), breakSourceLogName(context->source)},
              {QStringLiteral("waitForActivity"), formatBoolForLog(completed.waitForActivity)}});
    m_services.statistics.record(LocalStatisticsStore::applyCompletedBreak(
        elapsed, context->isLong, completed.endedEarly, context->source));
    if (completed.waitForActivity) {
        waitForUserActivity(); // the cool-down starts when the user is back
        return;
    }
    start();
    startPostBreakCooldown();
}

void BreakScheduler::handleSnoozed(const BreakDismissalOutcome::Snoozed &snoozed,
                                   const std::optional<ActiveBreakContext> &context)
{
    if (!context) {
        logWarn(QStringLiteral("BreakScheduler"),
                QStringLiteral("Ignoring snooze without an active break"));
        return;
    }
    const qint64 delay = std::max(snoozed.delaySeconds, minimumSnoozeSeconds);
    logEvent(LogLevel::Info, QStringLiteral("break_dismissed"),
             {{QStringLiteral("delay"), formatSecondsForLog(double(delay))},
              {QStringLiteral("isLong"), formatBoolForLog(context->isLong)},
              {QStringLiteral("outcome"), QStringLiteral("snoozed")},
              {QStringLiteral("source"), breakSourceLogName(context->source)}});
    m_services.settings.recordSnoozeUsed();
    takeBackLongBreakCadence(*context);
    rearmAfterSnooze(double(delay));
    startPostBreakCooldown();
}

void BreakScheduler::handleSkipped(const std::optional<ActiveBreakContext> &context)
{
    if (!context) {
        logWarn(QStringLiteral("BreakScheduler"),
                QStringLiteral("Ignoring skip without an active break"));
        return;
    }
    logEvent(LogLevel::Info, QStringLiteral("break_dismissed"),
             {{QStringLiteral("isLong"), formatBoolForLog(context->isLong)},
              {QStringLiteral("outcome"), QStringLiteral("skipped")},
              {QStringLiteral("source"), breakSourceLogName(context->source)}});
    m_services.settings.recordSkipUsed();
    start();
    startPostBreakCooldown();
}

// Interrupted while paused or outside office hours, the timer keeps what it had when the
// break began (zero for a routine break), and the last resume runs the tick from there.
void BreakScheduler::handleInterrupted(const std::optional<ActiveBreakContext> &context)
{
    if (context) {
        logEvent(LogLevel::Info, QStringLiteral("break_dismissed"),
                 {{QStringLiteral("outcome"), QStringLiteral("interrupted")},
                  {QStringLiteral("source"), breakSourceLogName(context->source)}});
        m_services.statistics.record(LocalStatisticsStore::applyInterruptedBreak());
    }
    if (m_pauseReasons.isEmpty() && withinOfficeHours()) {
        start();
    } else {
        setIsRunning(false);
    }
    startPostBreakCooldown();
}

void BreakScheduler::rearmAfterSnooze(double seconds)
{
    stop();
    setTimeRemaining(seconds);
    setDeliveryDelayAccumulated(0);
    m_headsUpSent = false; // a snooze longer than the heads-up lead gets its own heads-up
    if (!m_pauseReasons.isEmpty()) {
        holdForPauseReasons(); // the snooze time waits for the resume
    } else if (withinOfficeHours()) {
        setIsRunning(true);
        setIsPaused(false);
        setCurrentPauseReason(std::nullopt);
        scheduleTick();
    } else {
        pause(PauseReason::officeHours);
    }
}

// The next interval is ready in full but starts only at the user's first input. Where no idle
// reading exists that input could never be seen, and a wait would stop the timer for good:
// the interval starts at once instead.
void BreakScheduler::waitForUserActivity()
{
    if (!m_services.inputState.hasReading()) {
        logInfo(QStringLiteral("BreakScheduler"),
                QStringLiteral("No idle reading to wait for user activity - starting timer"));
        start();
        startPostBreakCooldown();
        return;
    }
    logInfo(QStringLiteral("BreakScheduler"),
            QStringLiteral("Waiting for user activity before restarting timer"));
    cancelActivityMonitor();
    setTimeRemaining(double(m_services.settings.breakIntervalSeconds()));
    setDeliveryDelayAccumulated(0);
    m_headsUpSent = false;
    if (!m_pauseReasons.isEmpty()) {
        holdForPauseReasons(); // the resume runs the interval
        return;
    }
    setIsWaitingForActivity(true);
    setIsRunning(false);
    setIsPaused(false);
    m_services.reminders.beginSuppression(ReminderSuppressionReason::waitForActivity);
    m_activityWaitMonitor = m_services.clock.schedule(activityCheckIntervalSeconds, true,
                                                      [this] { checkForUserActivity(); });
}

// A reading that fails during the wait shows no one: the wait goes on.
void BreakScheduler::checkForUserActivity()
{
    const std::optional<double> idle = rawIdleSeconds();
    if (!idle || *idle >= activityThresholdSeconds)
        return;
    logInfo(QStringLiteral("BreakScheduler"),
            QStringLiteral("User activity detected — starting timer"));
    cancelActivityMonitor();
    start();
    startPostBreakCooldown();
}

void BreakScheduler::cancelActivityMonitor()
{
    if (m_activityWaitMonitor)
        m_activityWaitMonitor->cancel();
    m_activityWaitMonitor.reset();
    setIsWaitingForActivity(false);
    m_services.reminders.endSuppression(ReminderSuppressionReason::waitForActivity);
}

// A second outcome within the cool-down counts the quiet time again from its own end: the
// new handle replaces, and so cancels, the pending end.
void BreakScheduler::startPostBreakCooldown()
{
    ReminderQueue &reminders = m_services.reminders;
    reminders.beginSuppression(ReminderSuppressionReason::postBreakCooldown);
    m_postBreakCooldown = m_services.clock.schedule(postBreakCooldownSeconds, false, [&reminders] {
        reminders.endSuppression(ReminderSuppressionReason::postBreakCooldown);
    });
}
