#include "detection/WellnessScheduler.h"

#include "core/AppSettings.h"
#include "core/Clock.h"
#include "core/Logger.h"
#include "core/SerialQueue.h"
#include "detection/ActivitySignals.h"

namespace {

const QString category = QStringLiteral("Wellness");

MediaSignalDiagnostics diagnosticsOf(const MeetingSignalSnapshot &snapshot)
{
    return {int(snapshot.outputBundleIdentifiers.size()),
            int(snapshot.inputBundleIdentifiers.size()),
            int(snapshot.displaySleepPreventingBundleIdentifiers.size()),
            MediaPlaybackDetector::sourceForBundleIdentifier(snapshot.frontmostBundleIdentifier)};
}

} // namespace

// What one evaluation found, carried from the evaluation queue to the main thread.
struct WellnessScheduler::EvaluationOutcome
{
    int sessionID = 0;
    MediaSignalDiagnostics diagnostics;
    std::optional<MeetingEvaluation> meeting;
    std::optional<MediaPlaybackEvaluation> media;
    bool nothingWaitsOnTime = false;
};

// Every start, restart with another media choice and stop moves the session number on, so
// that snapshots and results of an earlier session are recognised and dropped.
void WellnessScheduler::updateSignalMonitoring()
{
    const bool wanted =
        m_isRuntimeStarted && m_officeHoursActive && (m_pauseDuringMeetings || m_pauseDuringMedia);
    if (!wanted) {
        const bool wasActive = m_isSignalMonitoringActive;
        stopMonitor();
        if (wasActive)
            logSignalMonitorStopped();
        return;
    }
    const bool includeMedia = m_pauseDuringMedia;
    if (m_isSignalMonitoringActive && m_signalMonitoringIncludesMedia == includeMedia)
        return;
    ++m_signalMonitoringGeneration;
    m_isSignalMonitoringActive = true;
    m_signalMonitoringIncludesMedia = includeMedia;
    m_services.activitySignals.start(m_signalMonitoringGeneration, includeMedia);
    const LogFields fields = {
        {QStringLiteral("generation"), QString::number(m_signalMonitoringGeneration)},
        {QStringLiteral("includeMedia"), formatBoolForLog(includeMedia)},
        {QStringLiteral("meetingDetection"), formatBoolForLog(m_pauseDuringMeetings)},
    };
    logInfo(category, formatLogEvent(QStringLiteral("signal_monitor_started"), fields));
}

void WellnessScheduler::stopSignalMonitoring()
{
    const bool wasActive = m_isSignalMonitoringActive;
    stopMonitor();
    endMeetingState();
    endMediaState();
    setMediaDiagnostics({});
    if (wasActive)
        logSignalMonitorStopped();
}

// The monitor is told to stop, and the session moves on, even when it was not running.
void WellnessScheduler::stopMonitor()
{
    m_services.activitySignals.stop();
    ++m_signalMonitoringGeneration;
    m_isSignalMonitoringActive = false;
    m_signalMonitoringIncludesMedia = false;
}

void WellnessScheduler::logSignalMonitorStopped() const
{
    const LogFields fields = {
        {QStringLiteral("generation"), QString::number(m_signalMonitoringGeneration)},
        {QStringLiteral("officeHoursActive"), formatBoolForLog(m_officeHoursActive)},
        {QStringLiteral("runtimeStarted"), formatBoolForLog(m_isRuntimeStarted)},
    };
    logInfo(category, formatLogEvent(QStringLiteral("signal_monitor_stopped"), fields));
}

void WellnessScheduler::handleSignalSnapshot(const MeetingSignalSnapshot &snapshot, int sessionID)
{
    if (!m_isRuntimeStarted || !m_officeHoursActive
        || !m_services.settings.isWithinOfficeHours(m_services.clock)
        || !(m_pauseDuringMeetings || m_pauseDuringMedia)
        || sessionID != m_signalMonitoringGeneration)
        return;
    postEvaluation(snapshot, sessionID);
}

// The choices are taken now, on the main thread: the job must not read the scheduler. The
// time is read here too, so that the clock is only ever asked on the main thread.
void WellnessScheduler::postEvaluation(const MeetingSignalSnapshot &snapshot, int sessionID)
{
    const bool meetingChoice = m_pauseDuringMeetings;
    const bool mediaChoice = m_pauseDuringMedia;
    const QDateTime now = m_services.clock.now();
    runOnEvaluationQueue([this, toMainThread = m_mainThread.poster(), snapshot, sessionID,
                          meetingChoice, mediaChoice, now](Detectors &detectors) {
        EvaluationOutcome outcome;
        outcome.sessionID = sessionID;
        outcome.diagnostics = diagnosticsOf(snapshot);
        if (meetingChoice)
            outcome.meeting = detectors.meeting.evaluate(snapshot, now);
        if (mediaChoice)
            outcome.media = detectors.media.evaluate(snapshot, now);
        outcome.nothingWaitsOnTime =
            !detectors.meeting.waitsOnTime() && !detectors.media.waitsOnTime();
        toMainThread.post([this, outcome] { applyEvaluationOutcome(outcome); });
    });
}

void WellnessScheduler::runOnEvaluationQueue(std::function<void(Detectors &)> work)
{
    const std::weak_ptr<Detectors> weakDetectors = m_detectors;
    auto job = [weakDetectors, work = std::move(work)] {
        if (const std::shared_ptr<Detectors> detectors = weakDetectors.lock())
            work(*detectors);
    };
    if (m_services.evaluationQueue)
        m_services.evaluationQueue->async(std::move(job));
    else
        job();
}

// The session is checked a second time: it may have moved on while the detectors ran.
void WellnessScheduler::applyEvaluationOutcome(const EvaluationOutcome &outcome)
{
    if (outcome.sessionID != m_signalMonitoringGeneration || !m_isRuntimeStarted
        || !m_officeHoursActive)
        return;
    setMediaDiagnostics(outcome.diagnostics);
    if (outcome.meeting && m_pauseDuringMeetings)
        applyMeetingEvaluation(*outcome.meeting);
    if (outcome.media && m_pauseDuringMedia)
        applyMediaEvaluation(*outcome.media);
    tellMonitorNothingWaits(outcome.nothingWaitsOnTime);
}

// Starts and ends are decided against what is held, not from the evaluation's transition
// flags: a result dropped because its session ended has still moved the detector, so the
// flags of the next one can miss a start or an end. A meeting whose start was missed and
// whose evidence is already gone is not begun in its grace period; a held meeting goes on
// until its detector is inactive.
void WellnessScheduler::applyMeetingEvaluation(const MeetingEvaluation &evaluation)
{
    const bool held = m_isMeetingActive;
    setMeetingContext(evaluation.context);
    const MeetingState state = evaluation.context.state;
    if (!held && state == MeetingState::active) {
        meetingDidStart();
    } else if (held && state == MeetingState::inactive) {
        setIsMeetingActive(false);
        meetingDidEnd();
    }
}

void WellnessScheduler::applyMediaEvaluation(const MediaPlaybackEvaluation &evaluation)
{
    const bool held = m_isMediaPlaybackActive;
    setMediaContext(evaluation.context);
    const MediaPlaybackState state = evaluation.context.state;
    if (!held && state == MediaPlaybackState::active) {
        mediaPlaybackDidStart();
    } else if (held && state == MediaPlaybackState::inactive) {
        setIsMediaPlaybackActive(false);
        mediaPlaybackDidEnd();
    }
}

// Every word to the monitor wakes its thread; most results repeat the last one.
void WellnessScheduler::tellMonitorNothingWaits(bool nothingWaits)
{
    if (nothingWaits == m_monitorToldNothingWaits)
        return;
    m_monitorToldNothingWaits = nothingWaits;
    m_services.activitySignals.setNothingWaitsOnTime(nothingWaits);
}

void WellnessScheduler::setMediaDiagnostics(const MediaSignalDiagnostics &diagnostics)
{
    if (diagnostics == m_mediaDiagnosticsSnapshot)
        return;
    m_mediaDiagnosticsSnapshot = diagnostics;
    emit mediaDiagnosticsChanged();
}

void WellnessScheduler::setAudioSignalsAvailable(bool available)
{
    if (available == m_audioSignalsAvailable)
        return;
    m_audioSignalsAvailable = available;
    emit audioSignalsAvailableChanged(available);
}
