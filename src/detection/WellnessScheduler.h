#pragma once

#include "core/Cancellable.h"
#include "core/MainThreadHandOff.h"
#include "core/PauseReason.h"
#include "detection/ActiveDurationCounter.h"
#include "detection/MediaPlaybackDetector.h"
#include "detection/MediaSignalDiagnostics.h"
#include "detection/MeetingDetector.h"
#include "detection/WellnessSchedulerServices.h"

#include <QDateTime>
#include <QObject>
#include <QPointer>

#include <memory>
#include <optional>

class BreakScheduler;

// Runs the wellness side of the runtime. Posture and blink reminders come after set minutes
// of active use, counted by a one-second clock while the user is at the machine, inside
// office hours and while no wellness pause reason holds. Calls and media playback, found by
// the meeting and media detectors in the activity signals, pause breaks and reminders as the
// settings ask; each pause taken is remembered and released exactly once, when the activity
// ends, detection is switched off, office hours end or the runtime stops. Main thread only;
// the detectors run on their own queue.
class WellnessScheduler : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool postureEnabled READ postureEnabled WRITE setPostureEnabled
                   NOTIFY postureEnabledChanged)
    Q_PROPERTY(qint64 postureIntervalMinutes READ postureIntervalMinutes
                   WRITE setPostureIntervalMinutes NOTIFY postureIntervalMinutesChanged)
    Q_PROPERTY(bool blinkEnabled READ blinkEnabled WRITE setBlinkEnabled NOTIFY blinkEnabledChanged)
    Q_PROPERTY(qint64 blinkIntervalMinutes READ blinkIntervalMinutes WRITE setBlinkIntervalMinutes
                   NOTIFY blinkIntervalMinutesChanged)
    Q_PROPERTY(bool pauseDuringMeetings READ pauseDuringMeetings WRITE setPauseDuringMeetings
                   NOTIFY pauseDuringMeetingsChanged)
    Q_PROPERTY(bool pauseDuringMedia READ pauseDuringMedia WRITE setPauseDuringMedia
                   NOTIFY pauseDuringMediaChanged)
    Q_PROPERTY(qint64 postureReminderCount READ postureReminderCount
                   NOTIFY postureReminderCountChanged)
    Q_PROPERTY(qint64 blinkReminderCount READ blinkReminderCount NOTIFY blinkReminderCountChanged)
    Q_PROPERTY(bool isMeetingActive READ isMeetingActive NOTIFY isMeetingActiveChanged)
    Q_PROPERTY(bool isMediaPlaybackActive READ isMediaPlaybackActive
                   NOTIFY isMediaPlaybackActiveChanged)
    Q_PROPERTY(bool officeHoursActive READ officeHoursActive NOTIFY officeHoursActiveChanged)
    Q_PROPERTY(bool isRuntimeStarted READ isRuntimeStarted NOTIFY isRuntimeStartedChanged)
    Q_PROPERTY(bool audioSignalsAvailable READ audioSignalsAvailable
                   NOTIFY audioSignalsAvailableChanged)

public:
    static constexpr double activeUseTickSeconds = 1.0;

    // Brings the user-defaults domain into shape before reading its own keys from it, and
    // follows the meeting and media pause settings from then on.
    explicit WellnessScheduler(WellnessSchedulerServices services, QObject *parent = nullptr);
    ~WellnessScheduler() override;

    // The application's scheduler on the standard store and the installed system readings;
    // made on first use, never destroyed. The shared break timer binds itself when it is made.
    static WellnessScheduler &shared();
    // Once at exit, after the event loop and after the signal monitor's shutdown: results
    // still coming from the evaluation queue no longer reach the main thread. Nothing to do
    // when the scheduler was never made.
    static void shutdownShared();
    // The break timer that meetings and media pause, and whose lock state counts as absence.
    void bindBreakTimer(BreakScheduler &breakTimer);

    // Runtime and office hours
    void startRuntime();
    // Also runs its steps when the runtime was not started.
    void stopRuntime();
    void setOfficeHoursActive(bool active);

    // Pause reasons. Repeating a reason is harmless but logged again; a reason not held is
    // ignored silently.
    void pause(PauseReason reason);
    void resume(PauseReason reason);
    std::optional<PauseReason> primaryPauseReason() const;

    // Active use and reminders
    void reconcileActiveUseClock();
    bool isUserActive() const;
    // Dropped, count unchanged, while a call or playback holds notices or outside office hours.
    void deliverPostureReminder();
    void deliverBlinkReminder();

    // Brings an ongoing call (or playback) in line with the break and notice pause settings.
    void applyMeetingPauseSettings();
    void applyMediaPauseSettings();
    // "Resume Anyway": breaks run for the rest of the current call or playback; notices stay
    // held. Nothing outside one.
    void overrideBreakPauseForCurrentMeeting();
    void overrideBreakPauseForCurrentMedia();

    bool breaksPausedByMeeting() const;
    bool breaksPausedByMedia() const;
    bool notificationsPausedByMeeting() const;
    bool notificationsPausedByMedia() const;

    // Settings, stored under their keys on every assignment
    bool postureEnabled() const { return m_postureEnabled; }
    void setPostureEnabled(bool enabled);
    qint64 postureIntervalMinutes() const { return m_postureIntervalMinutes; }
    void setPostureIntervalMinutes(qint64 minutes);
    bool blinkEnabled() const { return m_blinkEnabled; }
    void setBlinkEnabled(bool enabled);
    qint64 blinkIntervalMinutes() const { return m_blinkIntervalMinutes; }
    void setBlinkIntervalMinutes(qint64 minutes);
    bool pauseDuringMeetings() const { return m_pauseDuringMeetings; }
    void setPauseDuringMeetings(bool enabled);
    bool pauseDuringMedia() const { return m_pauseDuringMedia; }
    void setPauseDuringMedia(bool enabled);

    const ActiveDurationCounter &postureCounter() const { return m_postureCounter; }
    const ActiveDurationCounter &blinkCounter() const { return m_blinkCounter; }
    qint64 postureReminderCount() const { return m_postureReminderCount; }
    qint64 blinkReminderCount() const { return m_blinkReminderCount; }
    bool isActiveUseClockRunning() const { return bool(m_activityTimer); }

    bool isMeetingActive() const { return m_isMeetingActive; }
    bool isMediaPlaybackActive() const { return m_isMediaPlaybackActive; }
    bool breaksOverriddenForCurrentMeeting() const { return m_breaksOverriddenForCurrentMeeting; }
    bool breaksOverriddenForCurrentMedia() const { return m_breaksOverriddenForCurrentMedia; }
    const MeetingContext &meetingContextSnapshot() const { return m_meetingContextSnapshot; }
    double meetingConfidenceSnapshot() const { return m_meetingConfidenceSnapshot; }
    std::optional<DetectorType> activeDetectorTypeSnapshot() const
    {
        return m_activeDetectorTypeSnapshot;
    }
    const MediaPlaybackContext &mediaContextSnapshot() const { return m_mediaContextSnapshot; }
    const MediaSignalDiagnostics &mediaDiagnosticsSnapshot() const
    {
        return m_mediaDiagnosticsSnapshot;
    }
    int signalMonitoringGeneration() const { return m_signalMonitoringGeneration; }
    bool isSignalMonitoringActive() const { return m_isSignalMonitoringActive; }
    bool signalMonitoringIncludesMedia() const { return m_signalMonitoringIncludesMedia; }
    // False while the activity signals cannot read audio at all (no sound server answers):
    // calls and playback then go unseen, whatever the detectors say. As the signals last told
    // it; true until they say otherwise.
    bool audioSignalsAvailable() const { return m_audioSignalsAvailable; }

    bool isRuntimeStarted() const { return m_isRuntimeStarted; }
    bool officeHoursActive() const { return m_officeHoursActive; }
    const PauseReasonSet &pauseReasons() const { return m_pauseReasons; }
    std::optional<PauseReason> currentPauseReason() const { return m_currentPauseReason; }

signals:
    void postureEnabledChanged(bool postureEnabled);
    void postureIntervalMinutesChanged(qint64 postureIntervalMinutes);
    void blinkEnabledChanged(bool blinkEnabled);
    void blinkIntervalMinutesChanged(qint64 blinkIntervalMinutes);
    void pauseDuringMeetingsChanged(bool pauseDuringMeetings);
    void pauseDuringMediaChanged(bool pauseDuringMedia);
    void postureReminderCountChanged(qint64 postureReminderCount);
    void blinkReminderCountChanged(qint64 blinkReminderCount);
    void postureCounterChanged();
    void blinkCounterChanged();
    void isMeetingActiveChanged(bool isMeetingActive);
    void isMediaPlaybackActiveChanged(bool isMediaPlaybackActive);
    void breakOverridesChanged();
    void meetingContextChanged();
    void mediaContextChanged();
    void mediaDiagnosticsChanged();
    void officeHoursActiveChanged(bool officeHoursActive);
    void isRuntimeStartedChanged(bool isRuntimeStarted);
    void audioSignalsAvailableChanged(bool audioSignalsAvailable);
    void pauseReasonsChanged();
    void currentPauseReasonChanged();

private:
    struct Detectors
    {
        MeetingDetector meeting;
        MediaPlaybackDetector media;
    };
    struct EvaluationOutcome;

    // Construction and settings (WellnessScheduler.cpp)
    void readSettings();
    void followPauseSettings();
    void pauseDuringMeetingsDidChange();
    void pauseDuringMediaDidChange();
    void setRuntimeStarted(bool started);
    void setCurrentPauseReason(std::optional<PauseReason> reason);
    QString sortedReasonNames() const;

    // Active-use clock and reminders (WellnessSchedulerActiveUse.cpp)
    void startActiveUseClock();
    void stopActiveUseClock();
    void activeUseTick();
    double activeUseStep();
    void countActiveUse(ActiveDurationCounter &counter, qint64 intervalMinutes, double step,
                        void (WellnessScheduler::*changed)(),
                        void (WellnessScheduler::*deliver)());
    bool reminderGatesOpen();
    void resetCounter(ActiveDurationCounter &counter, void (WellnessScheduler::*changed)());
    double idleThresholdSeconds() const;

    // Signal monitoring and evaluation (WellnessSchedulerMonitoring.cpp)
    void updateSignalMonitoring();
    void stopSignalMonitoring();
    void stopMonitor();
    void logSignalMonitorStopped() const;
    void handleSignalSnapshot(const MeetingSignalSnapshot &snapshot, int sessionID);
    void postEvaluation(const MeetingSignalSnapshot &snapshot, int sessionID);
    void applyEvaluationOutcome(const EvaluationOutcome &outcome);
    void applyMeetingEvaluation(const MeetingEvaluation &evaluation);
    void applyMediaEvaluation(const MediaPlaybackEvaluation &evaluation);
    void runOnEvaluationQueue(std::function<void(Detectors &)> work);
    void setMediaDiagnostics(const MediaSignalDiagnostics &diagnostics);
    void tellMonitorNothingWaits(bool nothingWaits);
    void setAudioSignalsAvailable(bool available);

    // What a call or playback takes and releases (WellnessSchedulerActivity.cpp)
    void meetingDidStart();
    void meetingDidEnd();
    void mediaPlaybackDidStart();
    void mediaPlaybackDidEnd();
    void endMeetingState();
    void endMediaState();
    void setMeetingContext(const MeetingContext &context);
    void setMediaContext(const MediaPlaybackContext &context);
    void setIsMeetingActive(bool active);
    void setIsMediaPlaybackActive(bool active);
    void setBreaksOverriddenForCurrentMeeting(bool overridden);
    void setBreaksOverriddenForCurrentMedia(bool overridden);
    void pauseBreakTimer(PauseReason reason, bool &pausedFlag);
    void resumeBreakTimer(PauseReason reason, bool &pausedFlag);
    void holdNotices(PauseReason reason, bool &pausedFlag);
    void releaseNotices(PauseReason reason, bool &pausedFlag);

    WellnessSchedulerServices m_services;
    QPointer<BreakScheduler> m_breakTimer;

    // Active use and reminders
    CancellableHandle m_activityTimer;
    std::optional<QDateTime> m_lastActivityTickAt;
    ActiveDurationCounter m_postureCounter;
    ActiveDurationCounter m_blinkCounter;
    bool m_postureEnabled = true;
    qint64 m_postureIntervalMinutes = 20;
    qint64 m_postureReminderCount = 0;
    bool m_blinkEnabled = false;
    qint64 m_blinkIntervalMinutes = 5;
    qint64 m_blinkReminderCount = 0;

    // Pauses and detected activity
    bool m_pauseDuringMeetings = true;
    bool m_isMeetingActive = false;
    bool m_pauseDuringMedia = false;
    bool m_isMediaPlaybackActive = false;
    std::optional<PauseReason> m_currentPauseReason;
    PauseReasonSet m_pauseReasons;
    // Shared with the evaluation jobs, which keep the detectors alive while they run.
    std::shared_ptr<Detectors> m_detectors;
    int m_signalMonitoringGeneration = 0;
    bool m_isSignalMonitoringActive = false;
    bool m_signalMonitoringIncludesMedia = false;
    bool m_breaksPausedForMeeting = false;
    bool m_breaksOverriddenForCurrentMeeting = false;
    bool m_notificationsPausedForMeeting = false;
    MeetingContext m_meetingContextSnapshot;
    double m_meetingConfidenceSnapshot = 0.0;
    std::optional<DetectorType> m_activeDetectorTypeSnapshot;
    bool m_breaksPausedForMedia = false;
    bool m_breaksOverriddenForCurrentMedia = false;
    bool m_notificationsPausedForMedia = false;
    MediaPlaybackContext m_mediaContextSnapshot;
    MediaSignalDiagnostics m_mediaDiagnosticsSnapshot;
    bool m_audioSignalsAvailable = true;
    bool m_officeHoursActive = true;
    bool m_isRuntimeStarted = false;
    // What the monitor was last told, so that it is woken only to hear something new.
    bool m_monitorToldNothingWaits = false;
    // The snapshots' and results' way back from the monitor's and the evaluation queue's
    // threads. Last, so that it closes first: nothing reaches a scheduler being destroyed.
    MainThreadHandOff m_mainThread;
};
