#include "detection/WellnessScheduler.h"

#include "core/AppSettings.h"
#include "core/Clock.h"
#include "core/DisplayStateProvider.h"
#include "core/InputStateProvider.h"
#include "core/Logger.h"
#include "core/RandomIndex.h"
#include "menubar/ReminderQueue.h"
#include "scheduling/BreakScheduler.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

const QString category = QStringLiteral("Wellness");
constexpr double secondsPerMinute = 60.0;
// A sleep, a stalled event loop or a clock change counts as at most this much active use.
constexpr double longestStepSeconds = 2.0;
// An idle timeout of zero or less minutes still means one minute.
constexpr qint64 minimumIdleMinutes = 1;

const QString blinkSubtitles[] = {
    QStringLiteral("Blink slowly a few times"),
    QStringLiteral("Your eyes need moisture"),
    QStringLiteral("3 slow, deliberate blinks"),
    QStringLiteral("Refresh your eyes"),
};

// In floating point, so that a hand-edited number of minutes far beyond any real interval
// stays a huge number of seconds instead of overflowing into a small or negative one.
double minutesAsSeconds(qint64 minutes)
{
    return double(minutes) * secondsPerMinute;
}

} // namespace

void WellnessScheduler::reconcileActiveUseClock()
{
    const bool wanted = m_isRuntimeStarted && m_pauseReasons.isEmpty() && m_officeHoursActive
        && (m_postureEnabled || m_blinkEnabled);
    if (wanted)
        startActiveUseClock();
    else
        stopActiveUseClock();
}

// A repeating whole-second interval on the system clock falls on the same whole seconds as
// the break timer's tick, so the two wake the process once between them.
void WellnessScheduler::startActiveUseClock()
{
    if (m_activityTimer)
        return;
    m_lastActivityTickAt = m_services.clock.now();
    m_activityTimer = m_services.clock.schedule(activeUseTickSeconds, true,
                                                [this] { activeUseTick(); });
    logInfo(category, QStringLiteral("active_use_clock_started"));
}

// The counters keep their values: use counted before a pause still counts after it.
void WellnessScheduler::stopActiveUseClock()
{
    if (m_activityTimer)
        m_activityTimer->cancel();
    m_activityTimer.reset();
    m_lastActivityTickAt.reset();
}

void WellnessScheduler::activeUseTick()
{
    if (!m_officeHoursActive || !m_services.settings.isWithinOfficeHours(m_services.clock)) {
        // The baseline stays fresh, so time outside office hours is never counted later.
        m_lastActivityTickAt = m_services.clock.now();
        return;
    }
    const double step = activeUseStep();
    if (step <= 0 || !isUserActive())
        return;
    if (m_postureEnabled)
        countActiveUse(m_postureCounter, m_postureIntervalMinutes, step,
                       &WellnessScheduler::postureCounterChanged,
                       &WellnessScheduler::deliverPostureReminder);
    if (m_blinkEnabled)
        countActiveUse(m_blinkCounter, m_blinkIntervalMinutes, step,
                       &WellnessScheduler::blinkCounterChanged,
                       &WellnessScheduler::deliverBlinkReminder);
}

double WellnessScheduler::activeUseStep()
{
    const QDateTime now = m_services.clock.now();
    const QDateTime previous = m_lastActivityTickAt.value_or(now);
    m_lastActivityTickAt = now;
    return std::clamp(double(previous.msecsTo(now)) / 1000.0, 0.0, longestStepSeconds);
}

// What goes beyond the interval is carried into the next one. An interval under a second
// (a setting of zero or fewer minutes) never fills.
void WellnessScheduler::countActiveUse(ActiveDurationCounter &counter, qint64 intervalMinutes,
                                       double step, void (WellnessScheduler::*changed)(),
                                       void (WellnessScheduler::*deliver)())
{
    const double interval = minutesAsSeconds(intervalMinutes);
    if (interval < 1.0)
        return;
    counter.elapsed += step;
    const bool due = counter.elapsed >= interval;
    if (due)
        counter.elapsed = std::fmod(counter.elapsed, interval);
    emit(this->*changed)();
    if (due)
        (this->*deliver)();
}

void WellnessScheduler::resetCounter(ActiveDurationCounter &counter,
                                     void (WellnessScheduler::*changed)())
{
    if (counter.elapsed == 0.0)
        return;
    counter.elapsed = 0.0;
    emit(this->*changed)();
}

// Reading the pointer asks the display server for its idle counter; recent typing settles
// the question without it. The display is asked last, only when input says the user is there.
// Without an idle reading nobody is seen at the machine: taken for present, the user would be
// reminded every few minutes all day, away or not.
bool WellnessScheduler::isUserActive() const
{
    if (m_breakTimer && m_breakTimer->isScreenLocked())
        return false;
    const InputStateProvider &input = m_services.inputState;
    if (!input.hasReading())
        return false;
    const double threshold = idleThresholdSeconds();
    if (input.secondsSinceKeyboardActivity() >= threshold
        && input.secondsSincePointerActivity() >= threshold)
        return false;
    return m_services.displayState.isMainDisplayActive();
}

double WellnessScheduler::idleThresholdSeconds() const
{
    return minutesAsSeconds(std::max(m_services.settings.idleTimeoutMinutes(), minimumIdleMinutes));
}

// A reminder stopped here is lost, not deferred: its counter has already started over.
bool WellnessScheduler::reminderGatesOpen()
{
    return !notificationsPausedByMeeting() && !notificationsPausedByMedia()
        && m_services.settings.isWithinOfficeHours(m_services.clock);
}

void WellnessScheduler::deliverPostureReminder()
{
    if (!reminderGatesOpen())
        return;
    ++m_postureReminderCount;
    emit postureReminderCountChanged(m_postureReminderCount);
    m_services.reminders.enqueueWellness(HUDStyle::posture, QStringLiteral("Sit up straight"),
                                         QStringLiteral("Check your posture"));
    logInfo(category,
            QStringLiteral("Posture reminder #%1 queued").arg(m_postureReminderCount));
}

void WellnessScheduler::deliverBlinkReminder()
{
    if (!reminderGatesOpen())
        return;
    ++m_blinkReminderCount;
    emit blinkReminderCountChanged(m_blinkReminderCount);
    const qsizetype count = qsizetype(std::size(blinkSubtitles));
    const qsizetype pick =
        m_services.randomIndex ? m_services.randomIndex(count) : randomIndex(count);
    m_services.reminders.enqueueWellness(HUDStyle::blink, QStringLiteral("Blink"),
                                         blinkSubtitles[std::clamp<qsizetype>(pick, 0, count - 1)]);
    logInfo(category, QStringLiteral("Blink reminder #%1 queued").arg(m_blinkReminderCount));
}
