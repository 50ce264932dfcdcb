#include "detection/WellnessScheduler.h"

#include "core/AppSettings.h"
#include "core/Clock.h"
#include "core/FileSettingsRepository.h"
#include "core/Logger.h"
#include "core/SerialQueue.h"
#include "core/SettingsProfile.h"
#include "core/SystemClock.h"
#include "core/SystemProviders.h"
#include "detection/MeetingSignalMonitor.h"
#include "menubar/ReminderQueue.h"
#include "scheduling/BreakScheduler.h"

#include <atomic>

namespace {

const QString category = QStringLiteral("Wellness");
const QString postureEnabledKey = QStringLiteral("postureEnabled");
const QString postureIntervalKey = QStringLiteral("postureIntervalMinutes");
const QString blinkEnabledKey = QStringLiteral("blinkEnabled");
const QString blinkIntervalKey = QStringLiteral("blinkIntervalMinutes");
const QString meetingDetectionKey = QStringLiteral("pauseDuringMeetings");
const QString mediaDetectionKey = QStringLiteral("mediaDetectionEnabled");
constexpr qint64 defaultPostureIntervalMinutes = 20;
constexpr qint64 defaultBlinkIntervalMinutes = 5;

} // namespace

WellnessScheduler::WellnessScheduler(WellnessSchedulerServices services, QObject *parent)
    : QObject(parent)
    , m_services(std::move(services))
    , m_detectors(std::make_shared<Detectors>())
{
    applyDefaultSettingsProfile(m_services.defaults);
    readSettings();
    m_officeHoursActive = m_services.settings.isWithinOfficeHours(m_services.clock);
    // A zero interval would ask for a reminder every second; it is mended once, here.
    if (m_postureIntervalMinutes == 0)
        setPostureIntervalMinutes(defaultPostureIntervalMinutes);
    if (m_blinkIntervalMinutes == 0)
        setBlinkIntervalMinutes(defaultBlinkIntervalMinutes);
    m_detectors->meeting.setDetectors(makeMeetingDetectors());
    m_services.activitySignals.setRunningApplicationsInterest(meetingRunningApplicationsInterest());
    // Snapshots come on the monitor's own thread and are handled on the main thread.
    m_services.activitySignals.setOnSnapshot(
        [this, toMainThread = m_mainThread.poster()](const MeetingSignalSnapshot &snapshot,
                                                     int sessionID) {
            toMainThread.post([this, snapshot, sessionID] {
                handleSignalSnapshot(snapshot, sessionID);
            });
        });
    // Told on the same thread, in order with the snapshots; it concerns no one session.
    m_services.activitySignals.setOnAudioAvailabilityChanged(
        [this, toMainThread = m_mainThread.poster()](bool available) {
            toMainThread.post([this, available] { setAudioSignalsAvailable(available); });
        });
    followPauseSettings();
}

WellnessScheduler::~WellnessScheduler()
{
    m_mainThread.close();
    if (m_isSignalMonitoringActive)
        m_services.activitySignals.stop();
}

namespace {

std::atomic<WellnessScheduler *> sharedScheduler{nullptr};

} // namespace

WellnessScheduler &WellnessScheduler::shared()
{
    static WellnessScheduler *scheduler = [] {
        auto *clock = new SystemClock;
        auto *instance = new WellnessScheduler({
            .defaults = FileSettingsRepository::standard(),
            .settings = AppSettings::shared(),
            .clock = *clock,
            .inputState = SystemProviders::inputState(),
            .displayState = SystemProviders::displayState(),
            .reminders = ReminderQueue::shared(),
            .activitySignals = MeetingSignalMonitor::shared(),
            .evaluationQueue =
                new SerialQueue(QStringLiteral("local.lumenpause.detected-activity-evaluation")),
        });
        clock->setParent(instance);
        sharedScheduler = instance;
        return instance;
    }();
    return *scheduler;
}

void WellnessScheduler::shutdownShared()
{
    if (WellnessScheduler *scheduler = sharedScheduler.load())
        scheduler->m_mainThread.close();
}

void WellnessScheduler::bindBreakTimer(BreakScheduler &breakTimer)
{
    m_breakTimer = &breakTimer;
}

void WellnessScheduler::readSettings()
{
    const SettingsRepository &defaults = m_services.defaults;
    m_postureEnabled = defaults.boolean(postureEnabledKey);
    m_postureIntervalMinutes = defaults.integer(postureIntervalKey);
    m_blinkEnabled = defaults.boolean(blinkEnabledKey);
    m_blinkIntervalMinutes = defaults.integer(blinkIntervalKey);
    m_pauseDuringMeetings =
        SettingsRepository::toBool(defaults.object(meetingDetectionKey)).value_or(true);
    m_pauseDuringMedia =
        SettingsRepository::toBool(defaults.object(mediaDetectionKey)).value_or(false);
}

void WellnessScheduler::followPauseSettings()
{
    const AppSettings *settings = &m_services.settings;
    connect(settings, &AppSettings::meetingPauseBreaksChanged, this,
            &WellnessScheduler::applyMeetingPauseSettings);
    connect(settings, &AppSettings::meetingPauseNotificationsChanged, this,
            &WellnessScheduler::applyMeetingPauseSettings);
    connect(settings, &AppSettings::mediaPauseBreaksChanged, this,
            &WellnessScheduler::applyMediaPauseSettings);
    connect(settings, &AppSettings::mediaPauseNotificationsChanged, this,
            &WellnessScheduler::applyMediaPauseSettings);
}

void WellnessScheduler::setPostureEnabled(bool enabled)
{
    const bool changed = enabled != m_postureEnabled;
    m_postureEnabled = enabled;
    m_services.defaults.setBool(postureEnabledKey, enabled);
    if (!enabled)
        resetCounter(m_postureCounter, &WellnessScheduler::postureCounterChanged);
    reconcileActiveUseClock();
    if (changed)
        emit postureEnabledChanged(enabled);
}

void WellnessScheduler::setPostureIntervalMinutes(qint64 minutes)
{
    const bool changed = minutes != m_postureIntervalMinutes;
    m_postureIntervalMinutes = minutes;
    m_services.defaults.setInteger(postureIntervalKey, minutes);
    if (changed)
        resetCounter(m_postureCounter, &WellnessScheduler::postureCounterChanged);
    reconcileActiveUseClock();
    if (changed)
        emit postureIntervalMinutesChanged(minutes);
}

void WellnessScheduler::setBlinkEnabled(bool enabled)
{
    const bool changed = enabled != m_blinkEnabled;
    m_blinkEnabled = enabled;
    m_services.defaults.setBool(blinkEnabledKey, enabled);
    if (!enabled)
        resetCounter(m_blinkCounter, &WellnessScheduler::blinkCounterChanged);
    reconcileActiveUseClock();
    if (changed)
        emit blinkEnabledChanged(enabled);
}

void WellnessScheduler::setBlinkIntervalMinutes(qint64 minutes)
{
    const bool changed = minutes != m_blinkIntervalMinutes;
    m_blinkIntervalMinutes = minutes;
    m_services.defaults.setInteger(blinkIntervalKey, minutes);
    if (changed)
        resetCounter(m_blinkCounter, &WellnessScheduler::blinkCounterChanged);
    reconcileActiveUseClock();
    if (changed)
        emit blinkIntervalMinutesChanged(minutes);
}

void WellnessScheduler::setPauseDuringMeetings(bool enabled)
{
    const bool changed = enabled != m_pauseDuringMeetings;
    m_pauseDuringMeetings = enabled;
    m_services.defaults.setBool(meetingDetectionKey, enabled);
    pauseDuringMeetingsDidChange();
    if (changed)
        emit pauseDuringMeetingsChanged(enabled);
}

void WellnessScheduler::setPauseDuringMedia(bool enabled)
{
    const bool changed = enabled != m_pauseDuringMedia;
    m_pauseDuringMedia = enabled;
    m_services.defaults.setBool(mediaDetectionKey, enabled);
    pauseDuringMediaDidChange();
    if (changed)
        emit pauseDuringMediaChanged(enabled);
}

// The monitor may skip repeated snapshots only once an evaluation under the new choice has
// said that nothing waits on time.
void WellnessScheduler::pauseDuringMeetingsDidChange()
{
    tellMonitorNothingWaits(false);
    if (!m_pauseDuringMeetings)
        endMeetingState();
    updateSignalMonitoring();
}

void WellnessScheduler::pauseDuringMediaDidChange()
{
    tellMonitorNothingWaits(false);
    if (!m_pauseDuringMedia)
        endMediaState();
    updateSignalMonitoring();
}

void WellnessScheduler::startRuntime()
{
    setRuntimeStarted(true);
    reconcileActiveUseClock();
    updateSignalMonitoring();
    const LogFields fields = {
        {QStringLiteral("blinkEnabled"), formatBoolForLog(m_blinkEnabled)},
        {QStringLiteral("meetingDetection"), formatBoolForLog(m_pauseDuringMeetings)},
        {QStringLiteral("mediaDetection"), formatBoolForLog(m_pauseDuringMedia)},
        {QStringLiteral("officeHoursActive"), formatBoolForLog(m_officeHoursActive)},
        {QStringLiteral("postureEnabled"), formatBoolForLog(m_postureEnabled)},
    };
    logInfo(category, formatLogEvent(QStringLiteral("runtime_started"), fields));
}

// Whoever added the pause reasons, they all go without "resumed" lines: the next start
// begins afresh.
void WellnessScheduler::stopRuntime()
{
    setRuntimeStarted(false);
    stopActiveUseClock();
    stopSignalMonitoring();
    if (!m_pauseReasons.isEmpty()) {
        m_pauseReasons.clear();
        emit pauseReasonsChanged();
    }
    setCurrentPauseReason(std::nullopt);
    logInfo(category, QStringLiteral("runtime_stopped"));
}

void WellnessScheduler::setOfficeHoursActive(bool active)
{
    if (active == m_officeHoursActive)
        return;
    m_officeHoursActive = active;
    emit officeHoursActiveChanged(active);
    reconcileActiveUseClock();
    if (active)
        updateSignalMonitoring();
    else
        stopSignalMonitoring();
    logInfo(category, formatLogEvent(QStringLiteral("office_hours_state_changed"),
                                     {{QStringLiteral("active"), formatBoolForLog(active)}}));
}

void WellnessScheduler::pause(PauseReason reason)
{
    const bool inserted = m_pauseReasons.insert(reason);
    if (inserted)
        emit pauseReasonsChanged();
    setCurrentPauseReason(primaryPauseReason());
    if (inserted && m_pauseReasons.size() == 1)
        stopActiveUseClock();
    logInfo(category, formatLogEvent(QStringLiteral("paused"),
                                     {{QStringLiteral("primaryReason"),
                                       pauseReasonLogName(m_currentPauseReason)},
                                      {QStringLiteral("reason"), pauseReasonLogName(reason)},
                                      {QStringLiteral("reasons"), sortedReasonNames()}}));
}

void WellnessScheduler::resume(PauseReason reason)
{
    if (!m_pauseReasons.remove(reason))
        return;
    emit pauseReasonsChanged();
    setCurrentPauseReason(primaryPauseReason());
    if (!m_pauseReasons.isEmpty()) {
        logInfo(category, formatLogEvent(QStringLiteral("resume_deferred"),
                                         {{QStringLiteral("completedReason"),
                                           pauseReasonLogName(reason)},
                                          {QStringLiteral("remainingReasons"),
                                           sortedReasonNames()}}));
        return;
    }
    reconcileActiveUseClock();
    logInfo(category, formatLogEvent(QStringLiteral("resumed"),
                                     {{QStringLiteral("reason"), pauseReasonLogName(reason)}}));
}

// The wellness reminders rank their reasons differently from the break timer.
std::optional<PauseReason> WellnessScheduler::primaryPauseReason() const
{
    static constexpr PauseReason order[] = {
        PauseReason::manual, PauseReason::officeHours, PauseReason::meeting, PauseReason::media,
        PauseReason::idle,   PauseReason::sleep,       PauseReason::displaySleep,
    };
    for (PauseReason reason : order) {
        if (m_pauseReasons.contains(reason))
            return reason;
    }
    return std::nullopt;
}

bool WellnessScheduler::breaksPausedByMeeting() const
{
    return m_pauseDuringMeetings && m_services.settings.meetingPauseBreaks() && m_isMeetingActive
        && !m_breaksOverriddenForCurrentMeeting;
}

bool WellnessScheduler::breaksPausedByMedia() const
{
    return m_pauseDuringMedia && m_services.settings.mediaPauseBreaks() && m_isMediaPlaybackActive
        && !m_breaksOverriddenForCurrentMedia;
}

bool WellnessScheduler::notificationsPausedByMeeting() const
{
    return m_pauseDuringMeetings && m_services.settings.meetingPauseNotifications()
        && m_isMeetingActive;
}

bool WellnessScheduler::notificationsPausedByMedia() const
{
    return m_pauseDuringMedia && m_services.settings.mediaPauseNotifications()
        && m_isMediaPlaybackActive;
}

QString WellnessScheduler::sortedReasonNames() const
{
    QStringList names = pauseReasonLogNames(m_pauseReasons);
    names.sort();
    return names.join(QLatin1Char(','));
}

void WellnessScheduler::setRuntimeStarted(bool started)
{
    if (started == m_isRuntimeStarted)
        return;
    m_isRuntimeStarted = started;
    emit isRuntimeStartedChanged(started);
}

void WellnessScheduler::setCurrentPauseReason(std::optional<PauseReason> reason)
{
    if (reason == m_currentPauseReason)
        return;
    m_currentPauseReason = reason;
    emit currentPauseReasonChanged();
}
