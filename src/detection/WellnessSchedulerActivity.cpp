#include "detection/WellnessScheduler.h"

#include "core/AppSettings.h"
#include "core/Logger.h"
#include "detection/ActivitySignals.h"
#include "menubar/ReminderQueue.h"
#include "scheduling/BreakScheduler.h"

namespace {

const QString meetingCategory = QStringLiteral("Meeting");
const QString mediaCategory = QStringLiteral("Media");

ReminderSuppressionReason suppressionFor(PauseReason reason)
{
    return reason == PauseReason::media ? ReminderSuppressionReason::media
                                        : ReminderSuppressionReason::meeting;
}

QString detectorLogName(std::optional<DetectorType> detector)
{
    return detector ? detectorTypeRawValue(*detector) : QStringLiteral("unknown");
}

void logEnded(const QString &category, bool breaksPaused, bool notificationsPaused)
{
    const LogFields fields = {
        {QStringLiteral("breaksPaused"), formatBoolForLog(breaksPaused)},
        {QStringLiteral("notificationsPaused"), formatBoolForLog(notificationsPaused)},
    };
    logInfo(category, formatLogEvent(QStringLiteral("detected_activity_ended"), fields));
}

} // namespace

void WellnessScheduler::meetingDidStart()
{
    setIsMeetingActive(true);
    setBreaksOverriddenForCurrentMeeting(false);
    const AppSettings &settings = m_services.settings;
    if (settings.meetingPauseBreaks())
        pauseBreakTimer(PauseReason::meeting, m_breaksPausedForMeeting);
    if (settings.meetingPauseNotifications())
        holdNotices(PauseReason::meeting, m_notificationsPausedForMeeting);
    const MeetingContext &context = m_meetingContextSnapshot;
    const LogFields fields = {
        {QStringLiteral("breakPause"), formatBoolForLog(settings.meetingPauseBreaks())},
        {QStringLiteral("confidence"), formatPercentForLog(context.confidence)},
        {QStringLiteral("detector"), detectorLogName(context.activeDetector)},
        {QStringLiteral("notificationPause"),
         formatBoolForLog(settings.meetingPauseNotifications())},
        {QStringLiteral("state"), meetingStateRawValue(context.state)},
    };
    logInfo(meetingCategory, formatLogEvent(QStringLiteral("detected_activity_started"), fields));
}

// Releases exactly what the start took. Reached from an evaluation the meeting is already no
// longer active, so the line is written only when something had been paused.
void WellnessScheduler::meetingDidEnd()
{
    const bool breaksPaused = m_breaksPausedForMeeting;
    const bool notificationsPaused = m_notificationsPausedForMeeting;
    const bool anyHeld = m_isMeetingActive || breaksPaused || notificationsPaused;
    setIsMeetingActive(false);
    setBreaksOverriddenForCurrentMeeting(false);
    resumeBreakTimer(PauseReason::meeting, m_breaksPausedForMeeting);
    releaseNotices(PauseReason::meeting, m_notificationsPausedForMeeting);
    if (anyHeld)
        logEnded(meetingCategory, breaksPaused, notificationsPaused);
}

void WellnessScheduler::mediaPlaybackDidStart()
{
    setIsMediaPlaybackActive(true);
    setBreaksOverriddenForCurrentMedia(false);
    const AppSettings &settings = m_services.settings;
    if (settings.mediaPauseBreaks())
        pauseBreakTimer(PauseReason::media, m_breaksPausedForMedia);
    if (settings.mediaPauseNotifications())
        holdNotices(PauseReason::media, m_notificationsPausedForMedia);
    const MediaPlaybackContext &context = m_mediaContextSnapshot;
    const LogFields fields = {
        {QStringLiteral("breakPause"), formatBoolForLog(settings.mediaPauseBreaks())},
        {QStringLiteral("confidence"), formatPercentForLog(context.confidence)},
        {QStringLiteral("notificationPause"), formatBoolForLog(settings.mediaPauseNotifications())},
        {QStringLiteral("source"), mediaPlaybackSourceLogName(context.source)},
        {QStringLiteral("state"), mediaPlaybackStateRawValue(context.state)},
    };
    logInfo(mediaCategory, formatLogEvent(QStringLiteral("detected_activity_started"), fields));
}

void WellnessScheduler::mediaPlaybackDidEnd()
{
    const bool breaksPaused = m_breaksPausedForMedia;
    const bool notificationsPaused = m_notificationsPausedForMedia;
    const bool anyHeld = m_isMediaPlaybackActive || breaksPaused || notificationsPaused;
    setIsMediaPlaybackActive(false);
    setBreaksOverriddenForCurrentMedia(false);
    resumeBreakTimer(PauseReason::media, m_breaksPausedForMedia);
    releaseNotices(PauseReason::media, m_notificationsPausedForMedia);
    if (anyHeld)
        logEnded(mediaCategory, breaksPaused, notificationsPaused);
}

// The detector is reset on its own queue, after any evaluation already waiting there; until
// a later evaluation says otherwise the monitor must not skip snapshots.
void WellnessScheduler::endMeetingState()
{
    meetingDidEnd();
    setMeetingContext(MeetingContext::inactive());
    runOnEvaluationQueue([](Detectors &detectors) { detectors.meeting.reset(); });
    tellMonitorNothingWaits(false);
}

void WellnessScheduler::endMediaState()
{
    mediaPlaybackDidEnd();
    setMediaContext(MediaPlaybackContext::inactive());
    runOnEvaluationQueue([](Detectors &detectors) { detectors.media.reset(); });
    tellMonitorNothingWaits(false);
}

void WellnessScheduler::applyMeetingPauseSettings()
{
    if (!m_pauseDuringMeetings || !m_isMeetingActive)
        return;
    const AppSettings &settings = m_services.settings;
    if (settings.meetingPauseBreaks() && !m_breaksOverriddenForCurrentMeeting)
        pauseBreakTimer(PauseReason::meeting, m_breaksPausedForMeeting);
    else
        resumeBreakTimer(PauseReason::meeting, m_breaksPausedForMeeting);
    if (settings.meetingPauseNotifications())
        holdNotices(PauseReason::meeting, m_notificationsPausedForMeeting);
    else
        releaseNotices(PauseReason::meeting, m_notificationsPausedForMeeting);
}

void WellnessScheduler::applyMediaPauseSettings()
{
    if (!m_pauseDuringMedia || !m_isMediaPlaybackActive)
        return;
    const AppSettings &settings = m_services.settings;
    if (settings.mediaPauseBreaks() && !m_breaksOverriddenForCurrentMedia)
        pauseBreakTimer(PauseReason::media, m_breaksPausedForMedia);
    else
        resumeBreakTimer(PauseReason::media, m_breaksPausedForMedia);
    if (settings.mediaPauseNotifications())
        holdNotices(PauseReason::media, m_notificationsPausedForMedia);
    else
        releaseNotices(PauseReason::media, m_notificationsPausedForMedia);
}

void WellnessScheduler::overrideBreakPauseForCurrentMeeting()
{
    if (!m_isMeetingActive)
        return;
    setBreaksOverriddenForCurrentMeeting(true);
    resumeBreakTimer(PauseReason::meeting, m_breaksPausedForMeeting);
    logInfo(meetingCategory, QStringLiteral("break_pause_overridden"));
}

void WellnessScheduler::overrideBreakPauseForCurrentMedia()
{
    if (!m_isMediaPlaybackActive)
        return;
    setBreaksOverriddenForCurrentMedia(true);
    resumeBreakTimer(PauseReason::media, m_breaksPausedForMedia);
    logInfo(mediaCategory, QStringLiteral("break_pause_overridden"));
}

// Each pause is taken at most once and released only through the flag that records it, so
// nothing is released twice and nothing is released that this scheduler did not take.
void WellnessScheduler::pauseBreakTimer(PauseReason reason, bool &pausedFlag)
{
    if (pausedFlag || !m_breakTimer)
        return;
    m_breakTimer->pause(reason);
    pausedFlag = true;
}

void WellnessScheduler::resumeBreakTimer(PauseReason reason, bool &pausedFlag)
{
    if (!pausedFlag)
        return;
    pausedFlag = false;
    if (m_breakTimer)
        m_breakTimer->resume(reason);
}

void WellnessScheduler::holdNotices(PauseReason reason, bool &pausedFlag)
{
    if (pausedFlag)
        return;
    pause(reason);
    m_services.reminders.beginSuppression(suppressionFor(reason));
    pausedFlag = true;
}

void WellnessScheduler::releaseNotices(PauseReason reason, bool &pausedFlag)
{
    if (!pausedFlag)
        return;
    pausedFlag = false;
    resume(reason);
    m_services.reminders.endSuppression(suppressionFor(reason));
}

void WellnessScheduler::setMeetingContext(const MeetingContext &context)
{
    if (context == m_meetingContextSnapshot)
        return;
    m_meetingContextSnapshot = context;
    m_meetingConfidenceSnapshot = context.confidence;
    m_activeDetectorTypeSnapshot = context.activeDetector;
    emit meetingContextChanged();
}

void WellnessScheduler::setMediaContext(const MediaPlaybackContext &context)
{
    if (context == m_mediaContextSnapshot)
        return;
    m_mediaContextSnapshot = context;
    emit mediaContextChanged();
}

void WellnessScheduler::setIsMeetingActive(bool active)
{
    if (active == m_isMeetingActive)
        return;
    m_isMeetingActive = active;
    emit isMeetingActiveChanged(active);
}

void WellnessScheduler::setIsMediaPlaybackActive(bool active)
{
    if (active == m_isMediaPlaybackActive)
        return;
    m_isMediaPlaybackActive = active;
    emit isMediaPlaybackActiveChanged(active);
}

void WellnessScheduler::setBreaksOverriddenForCurrentMeeting(bool overridden)
{
    if (overridden == m_breaksOverriddenForCurrentMeeting)
        return;
    m_breaksOverriddenForCurrentMeeting = overridden;
    emit breakOverridesChanged();
}

void WellnessScheduler::setBreaksOverriddenForCurrentMedia(bool overridden)
{
    if (overridden == m_breaksOverriddenForCurrentMedia)
        return;
    m_breaksOverriddenForCurrentMedia = overridden;
    emit breakOverridesChanged();
}
