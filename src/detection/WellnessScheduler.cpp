#include "detection/WellnessScheduler.h"

#include "core/AppSettings.h"
#include "core/Clock.h"
#include "core/FileSettingsRepository.h"
#include "core/Logger.h"
#include "core/SettingsProfile.h"
#include "core/SystemClock.h"

namespace {

const QString category = QStringLiteral("Wellness");

} // namespace

WellnessScheduler::WellnessScheduler(SettingsRepository &defaults, AppSettings &settings,
                                     Clock &clock, QObject *parent)
    : QObject(parent)
    , m_defaults(defaults)
    , m_settings(settings)
    , m_clock(clock)
{
    applyDefaultSettingsProfile(m_defaults);
    m_officeHoursActive = m_settings.isWithinOfficeHours(m_clock);
}

WellnessScheduler &WellnessScheduler::shared()
{
    static WellnessScheduler *scheduler = [] {
        auto *clock = new SystemClock;
        auto *instance = new WellnessScheduler(FileSettingsRepository::standard(),
                                               AppSettings::shared(), *clock);
        clock->setParent(instance);
        return instance;
    }();
    return *scheduler;
}

void WellnessScheduler::startRuntime()
{
    setRuntimeStarted(true);
    const auto flag = [this](const char *key) {
        return formatBoolForLog(m_defaults.boolean(QLatin1String(key)));
    };
    logInfo(category, formatLogEvent(QStringLiteral("runtime_started"),
                                     {{QStringLiteral("blinkEnabled"), flag("blinkEnabled")},
                                      {QStringLiteral("meetingDetection"), flag("pauseDuringMeetings")},
                                      {QStringLiteral("mediaDetection"), flag("mediaDetectionEnabled")},
                                      {QStringLiteral("officeHoursActive"),
                                       formatBoolForLog(m_officeHoursActive)},
                                      {QStringLiteral("postureEnabled"), flag("postureEnabled")}}));
}

void WellnessScheduler::stopRuntime()
{
    setRuntimeStarted(false);
    m_pauseReasons.clear();
    m_currentPauseReason.reset();
    logInfo(category, QStringLiteral("runtime_stopped"));
}

void WellnessScheduler::pause(PauseReason reason)
{
    m_pauseReasons.insert(reason);
    m_currentPauseReason = primaryPauseReason();
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
    m_currentPauseReason = primaryPauseReason();
    if (!m_pauseReasons.isEmpty()) {
        logInfo(category, formatLogEvent(QStringLiteral("resume_deferred"),
                                         {{QStringLiteral("completedReason"),
                                           pauseReasonLogName(reason)},
                                          {QStringLiteral("remainingReasons"),
                                           sortedReasonNames()}}));
        return;
    }
    logInfo(category, formatLogEvent(QStringLiteral("resumed"),
                                     {{QStringLiteral("reason"), pauseReasonLogName(reason)}}));
}

void WellnessScheduler::setOfficeHoursActive(bool active)
{
    if (active == m_officeHoursActive)
        return;
    m_officeHoursActive = active;
    logInfo(category, formatLogEvent(QStringLiteral("office_hours_state_changed"),
                                     {{QStringLiteral("active"), formatBoolForLog(active)}}));
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
