#include "scheduling/BreakScheduler.h"

#include "breakscreen/BreakWindowManager.h"
#include "core/AppSettings.h"
#include "core/BatteryProvider.h"
#include "core/Clock.h"
#include "core/InputStateProvider.h"
#include "core/LocalStatisticsStore.h"
#include "detection/WellnessScheduler.h"
#include "menubar/ReminderQueue.h"
#include "scheduling/AutoSkipRule.h"

#include <algorithm>
#include <array>
#include <limits>
#include <utility>

namespace {

const QString waitingMessage = QStringLiteral("waiting...");
// A due break that falls within this long of a display being unplugged may be skipped: the
// user is likely rearranging their desk.
constexpr qint64 displayDisconnectWindowMs = 300 * 1000;
// A held break is looked at again after this many seconds, taken from the sensitivity delay.
constexpr double minimumHoldStepSeconds = 1.0;
constexpr double maximumHoldStepSeconds = 5.0;

// "Mon-09:05": the weekday and the local time at which a break fell due.
QString dayTimeLabel(const QDateTime &moment)
{
    static constexpr std::array<const char *, 7> weekdays = {"Mon", "Tue", "Wed", "Thu",
                                                             "Fri", "Sat", "Sun"};
    const QTime time = moment.time();
    return QStringLiteral("%1-%2:%3")
        .arg(QLatin1String(weekdays[std::size_t(moment.date().dayOfWeek() - 1)]))
        .arg(time.hour(), 2, 10, QLatin1Char('0'))
        .arg(time.minute(), 2, 10, QLatin1Char('0'));
}

QString headsUpTitle(qint64 secondsLeft)
{
    if (secondsLeft < 60)
        return QStringLiteral("Break in %1s").arg(secondsLeft);
    return QStringLiteral("Break in %1 min").arg(secondsLeft / 60);
}

} // namespace

void BreakScheduler::evaluateDueBreak()
{
    logEvent(LogLevel::Info, QStringLiteral("break_due_evaluating"), dueEvaluationFields());
    if (!withinOfficeHours()) {
        logEvent(LogLevel::Info, QStringLiteral("break_due_skipped"),
                 {{QStringLiteral("reason"), QStringLiteral("outside_office_hours")}});
        start(); // the fresh interval itself pauses for office hours
        return;
    }
    if (holdDueBreak())
        return;
    setStatusMessage(QString());
    logEvent(LogLevel::Info, QStringLiteral("break_due_triggered"),
             {{QStringLiteral("sensitivity"), m_services.settings.reminderSensitivity()}});
    presentDueBreak();
}

LogFields BreakScheduler::dueEvaluationFields()
{
    const AppSettings &settings = m_services.settings;
    return {
        {QStringLiteral("breakDuration"), formatSecondsForLog(double(settings.breakDuration()))},
        {QStringLiteral("canSkip"), formatBoolForLog(settings.canSkip())},
        {QStringLiteral("enforcement"), settings.enforcement()},
        {QStringLiteral("longBreaksEnabled"), formatBoolForLog(settings.longBreaksEnabled())},
        {QStringLiteral("nextLong"), formatBoolForLog(settings.isLongBreakDue())},
        {QStringLiteral("officeHoursEnabled"), formatBoolForLog(settings.officeHoursEnabled())},
        {QStringLiteral("sensitivity"), settings.reminderSensitivity()},
        {QStringLiteral("shortBreaksSinceLong"), QStringLiteral("%1/%2")
                                                     .arg(settings.shortBreaksSinceLong())
                                                     .arg(settings.longBreakFrequency())},
        {QStringLiteral("time"), dayTimeLabel(m_services.clock.now())},
        {QStringLiteral("userActive"), formatBoolForLog(isUserRecentlyActive())},
        {QStringLiteral("withinOfficeHours"), formatBoolForLog(withinOfficeHours())},
    };
}

// While the user is in the middle of something the break waits a few seconds at a time, up to
// the ceiling in all. "Normal" waits only for typing; "Gentle" (or anything unknown) for any
// input; "Persistent" and "Hardcore" never wait. Without an idle reading nobody is seen busy,
// so nothing holds the break.
bool BreakScheduler::holdDueBreak()
{
    const AppSettings &settings = m_services.settings;
    const QString sensitivity = settings.reminderSensitivity();
    if (settings.enforcement() == QLatin1String("Hardcore")
        || sensitivity == QLatin1String("Persistent"))
        return false;
    const double threshold = std::max(double(settings.gentleDelaySeconds()), 1.0);
    const bool keyboardOnly = sensitivity == QLatin1String("Normal");
    const std::optional<double> keyboardIdle = m_services.inputState.keyboardIdleSeconds();
    const bool busy = keyboardOnly ? keyboardIdle && *keyboardIdle < threshold
                                   : isUserRecentlyActive();
    if (!busy || m_deliveryDelayAccumulated >= deliveryMaxDelay)
        return false;

    const double step = std::clamp(double(settings.gentleDelaySeconds()), minimumHoldStepSeconds,
                                   maximumHoldStepSeconds);
    setDeliveryDelayAccumulated(m_deliveryDelayAccumulated + step);
    setTimeRemaining(step);
    setStatusMessage(waitingMessage);
    logEvent(LogLevel::Info, QStringLiteral("break_due_delayed"),
             {{QStringLiteral("accumulated"), formatSecondsForLog(m_deliveryDelayAccumulated)},
              {QStringLiteral("maxDelay"), formatSecondsForLog(deliveryMaxDelay)},
              {QStringLiteral("reason"), keyboardOnly ? QStringLiteral("keyboard active")
                                                      : QStringLiteral("user active")},
              {QStringLiteral("sensitivity"), sensitivity}});
    return true;
}

void BreakScheduler::presentDueBreak()
{
    if (m_services.isBreakShowing()) {
        // The tick keeps running at zero, so the break is looked at again next second.
        logEvent(LogLevel::Warn, QStringLiteral("break_presentation_blocked"),
                 {{QStringLiteral("reason"), QStringLiteral("window_busy")}});
        return;
    }
    if (m_services.wellness.breaksPausedByMeeting() || m_services.wellness.breaksPausedByMedia()) {
        logEvent(LogLevel::Info, QStringLiteral("break_presentation_suppressed"),
                 {{QStringLiteral("reason"), QStringLiteral("detected_activity")}});
        m_services.reminders.endSuppression(ReminderSuppressionReason::upcomingBreak);
        start();
        return;
    }
    if (const std::optional<QString> reason = autoSkipReason()) {
        logEvent(LogLevel::Info, QStringLiteral("break_auto_skipped"),
                 {{QStringLiteral("reason"), *reason}});
        m_services.statistics.record(LocalStatisticsStore::applyAutoSkippedBreak());
        m_services.reminders.endSuppression(ReminderSuppressionReason::upcomingBreak);
        start();
        return;
    }
    stop();
    setDeliveryDelayAccumulated(0);
    const AppSettings &settings = m_services.settings;
    const bool isLong = settings.isLongBreakDue();
    const qint64 duration = isLong ? settings.longBreakDuration() : settings.breakDuration();
    if (isLong) {
        logEvent(LogLevel::Info, QStringLiteral("long_break_due"),
                 {{QStringLiteral("duration"), formatSecondsForLog(double(duration))},
                  {QStringLiteral("shortBreaksSinceLong"),
                   QString::number(settings.shortBreaksSinceLong())}});
    }
    presentBreak(duration, isLong, BreakStatisticsSource::routine, std::nullopt);
}

std::optional<QString> BreakScheduler::autoSkipReason() const
{
    const QDateTime now = m_services.clock.now();
    const AppSettings &settings = m_services.settings;
    return autoSkipRule({
        .displayRecentlyDisconnected = m_lastDisplayDisconnectTime
            && m_lastDisplayDisconnectTime->msecsTo(now) < displayDisconnectWindowMs,
        .batteryLevel = m_services.battery.currentBatteryLevel(),
        .autoSkipDisplayDisconnected = settings.autoSkipDisplayDisconnected(),
        .autoSkipBatteryLow = settings.autoSkipBatteryLow(),
        .batteryThreshold = settings.batteryThreshold(),
    });
}

bool BreakScheduler::presentBreak(qint64 requestedSeconds, bool isLong,
                                  BreakStatisticsSource source,
                                  const std::optional<QString> &scheduledName)
{
    const qint64 durationSeconds = AppSettings::boundedBreakSeconds(requestedSeconds);
    m_activeBreakContext = ActiveBreakContext{durationSeconds, isLong, source};
    m_breakPresentedAtMs = m_services.clock.monotonicMs();
    BreakWindowManager::setScheduledBreakName(scheduledName);
    BreakWindowManager::setScheduledBreakDurationSeconds(
        scheduledName ? std::optional<qint64>(durationSeconds) : std::nullopt);
    m_services.reminders.endSuppression(ReminderSuppressionReason::upcomingBreak);
    m_services.reminders.beginSuppression(ReminderSuppressionReason::activeBreak);
    logEvent(LogLevel::Info, QStringLiteral("break_presenting"),
             {{QStringLiteral("duration"), formatSecondsForLog(double(durationSeconds))},
              {QStringLiteral("isLong"), formatBoolForLog(isLong)},
              {QStringLiteral("source"), breakSourceLogName(source)}});

    if (!m_breakPresenter(isLong)) {
        m_activeBreakContext.reset();
        BreakWindowManager::setScheduledBreakName(std::nullopt);
        BreakWindowManager::setScheduledBreakDurationSeconds(std::nullopt);
        m_services.reminders.endSuppression(ReminderSuppressionReason::activeBreak);
        logEvent(LogLevel::Warn, QStringLiteral("break_presentation_failed"),
                 {{QStringLiteral("source"), breakSourceLogName(source)}});
        start();
        return false;
    }
    // A planned break stands outside the short/long rhythm.
    m_shortBreaksSinceLongBeforeBreak.reset();
    if (source != BreakStatisticsSource::planned) {
        m_shortBreaksSinceLongBeforeBreak = m_services.settings.shortBreaksSinceLong();
        updateLongBreakCadence(isLong);
    }
    return true;
}

void BreakScheduler::updateLongBreakCadence(bool isLong)
{
    AppSettings &settings = m_services.settings;
    if (isLong) {
        settings.setShortBreaksSinceLong(0);
        return;
    }
    settings.incrementShortBreaksSinceLong();
    const qint64 count = settings.shortBreaksSinceLong();
    const qint64 untilLong = std::max<qint64>(settings.longBreakFrequency() - count, 0);
    logInfo(QStringLiteral("BreakScheduler"),
            QStringLiteral("Short break #%1 - next long break in %2").arg(count).arg(untilLong));
}

// A snoozed break comes back as what it was and is counted once, when it ends for good: the
// step it took in the rhythm is given back, so the re-armed break is due as the same kind.
void BreakScheduler::takeBackLongBreakCadence(const ActiveBreakContext &snoozed)
{
    const std::optional<qint64> before = std::exchange(m_shortBreaksSinceLongBeforeBreak, {});
    if (!before)
        return; // a planned break took no step
    AppSettings &settings = m_services.settings;
    if (snoozed.isLong)
        settings.setShortBreaksSinceLong(*before);
    else
        settings.setShortBreaksSinceLong(std::max<qint64>(settings.shortBreaksSinceLong() - 1, 0));
}

bool BreakScheduler::takeBreakNow()
{
    if (!withinOfficeHours()) {
        logInfo(QStringLiteral("BreakScheduler"),
                QStringLiteral("Manual break ignored outside office hours"));
        return false;
    }
    if (m_services.isBreakShowing())
        return false;
    stop();
    setDeliveryDelayAccumulated(0);
    const AppSettings &settings = m_services.settings;
    const bool isLong = settings.isLongBreakDue();
    const qint64 duration = isLong ? settings.longBreakDuration() : settings.breakDuration();
    logEvent(LogLevel::Info, QStringLiteral("manual_break_requested"),
             {{QStringLiteral("duration"), formatSecondsForLog(double(duration))},
              {QStringLiteral("isLong"), formatBoolForLog(isLong)}});
    return presentBreak(duration, isLong, BreakStatisticsSource::manual, std::nullopt);
}

bool BreakScheduler::presentPlannedBreak(const QString &name, qint64 durationSeconds)
{
    if (!withinOfficeHours()) {
        logInfo(QStringLiteral("BreakScheduler"),
                QStringLiteral("Scheduled break ignored outside office hours"));
        return false;
    }
    if (m_services.isBreakShowing()) {
        logEvent(LogLevel::Warn, QStringLiteral("scheduled_break_blocked"),
                 {{QStringLiteral("reason"), QStringLiteral("window_busy")}});
        return false;
    }
    stop();
    setDeliveryDelayAccumulated(0);
    return presentBreak(durationSeconds, false, BreakStatisticsSource::planned, name);
}

// The tick has already marked the heads-up as given and begun the upcoming-break suppression.
void BreakScheduler::showHeadsUp(qint64 secondsLeft)
{
    const AppSettings &settings = m_services.settings;
    const bool inside = withinOfficeHours();
    const bool heldByActivity = m_services.wellness.notificationsPausedByMeeting()
        || m_services.wellness.notificationsPausedByMedia();
    if (!settings.notificationsEnabled() || !inside || m_isPaused || m_isSystemIdle
        || heldByActivity) {
        logEvent(LogLevel::Debug, QStringLiteral("heads_up_suppressed"),
                 {{QStringLiteral("isPaused"), formatBoolForLog(m_isPaused)},
                  {QStringLiteral("isSystemIdle"), formatBoolForLog(m_isSystemIdle)},
                  {QStringLiteral("notificationsEnabled"),
                   formatBoolForLog(settings.notificationsEnabled())},
                  {QStringLiteral("suppressedByActivity"), formatBoolForLog(heldByActivity)},
                  {QStringLiteral("withinOfficeHours"), formatBoolForLog(inside)}});
        return;
    }
    const int countdown = int(std::min<qint64>(secondsLeft, std::numeric_limits<int>::max()));
    if (m_services.reminders.showBreakHeadsUp(headsUpTitle(secondsLeft),
                                              QStringLiteral("Finish your thought"), countdown))
        m_services.statistics.record(LocalStatisticsStore::applyHeadsUpShown());
    logEvent(LogLevel::Info, QStringLiteral("heads_up_shown"),
             {{QStringLiteral("secondsLeft"), formatSecondsForLog(double(secondsLeft))}});
}
