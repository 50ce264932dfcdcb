#include "menubar/MenuBarController.h"

#include "core/AppSettings.h"
#include "core/Clock.h"
#include "core/Logger.h"
#include "menubar/BreakSkip.h"
#include "menubar/HUDPresenter.h"
#include "menubar/MeetingPauseStatus.h"
#include "menubar/ReminderQueue.h"
#include "scheduling/BreakScheduler.h"

namespace {

const QString category = QStringLiteral("MenuBar");
constexpr qint64 secondsPerMinute = 60;

} // namespace

bool MenuBarController::withinOfficeHours()
{
    return m_services.settings.isWithinOfficeHours(m_services.clock);
}

void MenuBarController::takeBreakNow()
{
    if (withinOfficeHours())
        m_services.scheduler.takeBreakNow();
    refreshStatusItem();
}

// A break on screen can be skipped whatever the hour, as the hot key skips it: a break that
// runs past the end of office hours must not leave an enabled item that does nothing.
void MenuBarController::skipBreak()
{
    if (m_services.isBreakShowing()) {
        skipBreakOnScreen();
        refreshStatusItem();
        return;
    }
    if (!withinOfficeHours() || !m_services.settings.canSkip())
        return;
    if (BreakSkip::skipInterval(m_services.settings, m_services.scheduler, m_services.reminders, m_services.hud))
        refreshStatusItem();
}

void MenuBarController::skipBreakOnScreen()
{
    if (!m_services.settings.canSkip())
        return;
    BreakSkip::skipOnScreen(category, QStringLiteral("menu_bar"), m_services.reminders, m_services.hud,
                            m_services.skipBreakOnScreen);
}

// Serves "Resume Breaks" and "Resume Anyway"; the latter lets breaks run for the rest of the
// call or playback that holds them.
void MenuBarController::resumeBreaks()
{
    if (!withinOfficeHours())
        return;
    BreakScheduler &scheduler = m_services.scheduler;
    MeetingPauseStatus &meetings = m_services.meetings;
    if (scheduler.pauseReasons().contains(PauseReason::manual)) {
        cancelScheduledResume();
        scheduler.resume(PauseReason::manual);
    } else if (meetings.breaksPausedByMeeting() || meetings.breaksPausedByMedia()) {
        if (scheduler.pauseReasons().contains(PauseReason::meeting))
            meetings.overrideBreakPauseForCurrentMeeting();
        else if (scheduler.pauseReasons().contains(PauseReason::media))
            meetings.overrideBreakPauseForCurrentMedia();
    }
    refreshStatusItem();
}

void MenuBarController::pauseForDuration(int minutes)
{
    cancelScheduledResume();
    m_services.scheduler.pause(PauseReason::manual);
    if (minutes >= 1)
        m_scheduledResumeAtMs =
            m_services.clock.monotonicMs() + qint64(minutes) * secondsPerMinute * 1000;
    refreshStatusItem();
}

void MenuBarController::openSettings()
{
    m_services.openSettings();
}

void MenuBarController::checkForUpdates()
{
    m_services.checkForUpdates();
}

void MenuBarController::quitApp()
{
    m_services.quit();
}

void MenuBarController::cancelScheduledResume()
{
    m_scheduledResumeAtMs.reset();
}

std::optional<QDateTime> MenuBarController::scheduledResumeDate() const
{
    return scheduledResumeDateAt(m_services.clock.now());
}

std::optional<QDateTime> MenuBarController::scheduledResumeDateAt(const QDateTime &now) const
{
    if (!m_scheduledResumeAtMs)
        return std::nullopt;
    return now.addMSecs(*m_scheduledResumeAtMs - m_services.clock.monotonicMs());
}

void MenuBarController::resumeIfTimedPauseEnded()
{
    const qint64 nowMs = m_services.clock.monotonicMs();
    if (!m_scheduledResumeAtMs || nowMs < *m_scheduledResumeAtMs)
        return;
    const qint64 lateSeconds = (nowMs - *m_scheduledResumeAtMs) / 1000;
    m_scheduledResumeAtMs.reset();
    logInfo(category, formatLogEvent(QStringLiteral("timed_pause_ended"),
                                     {{QStringLiteral("lateBy"), formatSecondsForLog(double(lateSeconds))}}));
    m_services.scheduler.resume(PauseReason::manual);
}

void MenuBarController::clearStaleScheduledResume()
{
    const BreakScheduler &scheduler = m_services.scheduler;
    if (m_scheduledResumeAtMs
        && !(scheduler.isPaused() && scheduler.currentPauseReason() == PauseReason::manual))
        cancelScheduledResume();
}
