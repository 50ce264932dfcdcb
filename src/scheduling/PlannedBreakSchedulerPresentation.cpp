#include "scheduling/PlannedBreakScheduler.h"

#include "core/AppSettings.h"
#include "core/Clock.h"
#include "core/InputStateProvider.h"
#include "core/LocalStatisticsStore.h"
#include "menubar/HUDPresenter.h"
#include "menubar/ReminderQueue.h"
#include "scheduling/BreakScheduler.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double minimumHoldStepSeconds = 1.0;
constexpr double maximumHoldStepSeconds = 5.0;

QString wholeSeconds(qint64 seconds)
{
    return QString::number(seconds) + QLatin1Char('s');
}

} // namespace

void PlannedBreakScheduler::trigger(const PlannedBreak &planned)
{
    if (!isRuntimeActive()) {
        logEvent(LogLevel::Info, QStringLiteral("deferred"),
                 {{QStringLiteral("name"), planned.name},
                  {QStringLiteral("reason"), QStringLiteral("runtime_suspended")}});
        return;
    }
    const auto due = m_dueBreaks.constFind(planned.id);
    if (due == m_dueBreaks.cend())
        return;
    const double secondsLeft =
        std::max(double(m_services.clock.now().msecsTo(due.value())) / 1000.0, 0.0);
    if (secondsLeft == 0) {
        logEvent(LogLevel::Info, QStringLiteral("triggering"),
                 {{QStringLiteral("duration"), wholeSeconds(planned.durationSeconds)},
                  {QStringLiteral("name"), planned.name},
                  {QStringLiteral("scheduledAt"), planned.scheduledAtText()}});
        applySensitivityDelay(planned);
        return;
    }
    if (m_services.settings.notificationsEnabled() && !m_headsUpShown.contains(planned.id))
        showHeadsUp(planned, std::max<qint64>(qint64(std::ceil(secondsLeft)), 1));
    // Whether or not a notice went up, the break comes at its time.
    schedulePresentation(planned, secondsLeft);
}

// A notice the queue refuses is tried again by a later trigger.
void PlannedBreakScheduler::showHeadsUp(const PlannedBreak &planned, qint64 secondsLeft)
{
    ReminderQueue &reminders = m_services.reminders;
    reminders.beginSuppression(ReminderSuppressionReason::plannedBreak);
    const QString title = planned.name + QStringLiteral(" in ") + wholeSeconds(secondsLeft);
    if (!reminders.showPlannedBreakHeadsUp(title, QStringLiteral("Scheduled break starting soon"),
                                           int(secondsLeft))) {
        reminders.endSuppression(ReminderSuppressionReason::plannedBreak);
        logEvent(LogLevel::Debug, QStringLiteral("heads_up_skipped"),
                 {{QStringLiteral("name"), planned.name}});
        return;
    }
    m_plannedHeadsUpOwner = planned.id;
    m_services.statistics.record(LocalStatisticsStore::applyHeadsUpShown());
    m_headsUpShown.insert(planned.id);
    logEvent(LogLevel::Info, QStringLiteral("heads_up_shown"),
             {{QStringLiteral("name"), planned.name},
              {QStringLiteral("secondsLeft"), wholeSeconds(secondsLeft)}});
}

// At its time a break waits a little while the user is in the middle of something, in steps,
// up to a ceiling; the ceiling is checked before a step is added, so the total may pass it by
// less than one step.
void PlannedBreakScheduler::applySensitivityDelay(const PlannedBreak &planned)
{
    if (!isRuntimeActive()) {
        evaluate();
        return;
    }
    const double accumulated = m_sensitivityDelayAccumulated.value(planned.id, 0.0);
    const std::optional<QString> reason = holdReason();
    if (!reason || accumulated >= maximumSensitivityDelay) {
        present(planned);
        return;
    }
    const double step = std::clamp(double(m_services.settings.gentleDelaySeconds()),
                                   minimumHoldStepSeconds, maximumHoldStepSeconds);
    m_sensitivityDelayAccumulated.insert(planned.id, accumulated + step);
    logEvent(LogLevel::Info, QStringLiteral("delayed"),
             {{QStringLiteral("accumulated"), formatSecondsForLog(accumulated + step)},
              {QStringLiteral("name"), planned.name},
              {QStringLiteral("reason"), *reason}});
    schedulePresentation(planned, step);
}

// Why the break should wait now, or nothing when it may come. "Normal" watches the keyboard
// alone; "Gentle" any input. Without an idle reading nobody is seen busy.
std::optional<QString> PlannedBreakScheduler::holdReason() const
{
    const AppSettings &settings = m_services.settings;
    if (settings.enforcement() == QLatin1String("Hardcore")
        || settings.reminderSensitivity() == QLatin1String("Persistent")
        || !m_services.inputState.hasReading()) {
        return std::nullopt;
    }
    const double threshold = std::max(double(settings.gentleDelaySeconds()), 1.0);
    const double keyboardIdle = m_services.inputState.secondsSinceKeyboardActivity();
    if (settings.reminderSensitivity() == QLatin1String("Normal")) {
        if (keyboardIdle >= threshold)
            return std::nullopt;
        return QStringLiteral("keyboard active");
    }
    const double inputIdle =
        std::min(m_services.inputState.secondsSincePointerActivity(), keyboardIdle);
    if (inputIdle >= threshold)
        return std::nullopt;
    return QStringLiteral("user active");
}

// A refused hand-over keeps the break due; the retry goes through a fresh evaluation, so it
// stops by itself once the break goes stale.
void PlannedBreakScheduler::present(const PlannedBreak &planned)
{
    if (!isRuntimeActive()) {
        evaluate();
        return;
    }
    clearHeadsUp(planned.id);
    if (!m_services.breakScheduler().presentPlannedBreak(planned.name, planned.durationSeconds)) {
        logEvent(LogLevel::Warn, QStringLiteral("presentation_failed"),
                 {{QStringLiteral("name"), planned.name}});
        scheduleRetry(retryDelaySeconds);
        return;
    }
    recordFired(planned);
}

// Written at once, so that a quit right after the break cannot show it a second time today.
// The day recorded is that of the occurrence shown: a 23:55 break held past midnight is
// yesterday's, and recording it under the new day would drop the new day's own occurrence.
void PlannedBreakScheduler::recordFired(const PlannedBreak &planned)
{
    const QDateTime occurrence = m_dueBreaks.value(planned.id, m_services.clock.now());
    m_lastFiredDates.insert(planned.idKey(), formatPlannedDayKey(occurrence));
    m_firedDatesPrunedFor.clear(); // an occurrence held past midnight is yesterday's
    forgetState(planned.id);
    writeFiredDates();
    logEvent(LogLevel::Info, QStringLiteral("presented"),
             {{QStringLiteral("duration"), wholeSeconds(planned.durationSeconds)},
              {QStringLiteral("name"), planned.name}});
}

// At most one step per break is pending; a new one replaces it. The handle is this object's,
// so the step never outlives it.
void PlannedBreakScheduler::schedulePresentation(const PlannedBreak &planned, double delaySeconds)
{
    m_pendingPresentations[planned.id] =
        m_services.clock.schedule(delaySeconds, false, [this, planned] {
            m_pendingPresentations.erase(planned.id);
            if (isRuntimeActive())
                applySensitivityDelay(planned);
            else
                evaluate();
        });
}

void PlannedBreakScheduler::scheduleRetry(double delaySeconds)
{
    m_retry = m_services.clock.schedule(delaySeconds, false, [this] {
        m_retry.reset();
        evaluate();
    });
    logEvent(LogLevel::Info, QStringLiteral("retry_scheduled"),
             {{QStringLiteral("delay"), formatSecondsForLog(delaySeconds)}});
}

// With an id, only that break's own notice is taken away; without one, whatever is up.
void PlannedBreakScheduler::clearHeadsUp(const std::optional<QUuid> &id)
{
    if (id && m_plannedHeadsUpOwner != id)
        return;
    if (m_plannedHeadsUpOwner) {
        m_services.reminders.clearAll();
        m_services.hud.dismiss(true);
    }
    m_plannedHeadsUpOwner.reset();
    m_services.reminders.endSuppression(ReminderSuppressionReason::plannedBreak);
}

// Cancelling leaves the due, heads-up and hold state alone: the next evaluation picks a
// still-due break up again.
void PlannedBreakScheduler::cancelPendingPresentation(const QUuid &id)
{
    m_pendingPresentations.erase(id);
    clearHeadsUp(id);
}

void PlannedBreakScheduler::cancelPendingPresentations()
{
    m_pendingPresentations.clear();
    m_retry.reset();
    clearHeadsUp(std::nullopt);
}
