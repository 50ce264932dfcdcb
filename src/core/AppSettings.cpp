#include "core/AppSettings.h"

#include "core/FileSettingsRepository.h"
#include "core/LocalStatisticsStore.h"
#include "core/SettingsProfile.h"
#include "core/SettingsRepository.h"
#include "core/SystemClock.h"

#include <algorithm>
#include <cmath>
#include <limits>

AppSettings::AppSettings(SettingsRepository &store, Clock &clock, QObject *parent,
                         LocalStatisticsStore *statistics)
    : QObject(parent)
    , m_store(store)
    , m_clock(clock)
    , m_statistics(statistics)
{
    applyDefaultSettingsProfile(m_store);
    load();
    replaceOutOfRangeValues();
    correctLoadedValues();
}

qint64 AppSettings::boundedBreakSeconds(qint64 seconds)
{
    return std::clamp(seconds, minimumBreakSeconds, maximumBreakSeconds);
}

AppSettings &AppSettings::shared()
{
    static AppSettings *instance = [] {
        auto *clock = new SystemClock;
        auto *settings = new AppSettings(FileSettingsRepository::standard(), *clock, nullptr,
                                         &LocalStatisticsStore::shared());
        clock->setParent(settings);
        return settings;
    }();
    return *instance;
}

// Straight from the store into the fields: loading persists nothing and notifies nobody.
void AppSettings::load()
{
    static const std::pair<const char *, qint64 AppSettings::*> integers[] = {
        {"breakInterval", &AppSettings::m_breakInterval},
        {"breakDuration", &AppSettings::m_breakDuration},
        {"customHours", &AppSettings::m_customHours},
        {"customMinutes", &AppSettings::m_customMinutes},
        {"snoozesPerDay", &AppSettings::m_snoozesPerDay},
        {"skipsPerDay", &AppSettings::m_skipsPerDay},
        {"skipsUsedToday", &AppSettings::m_skipsUsedToday},
        {"snoozesUsedToday", &AppSettings::m_snoozesUsedToday},
        {"longBreakFrequency", &AppSettings::m_longBreakFrequency},
        {"longBreakDuration", &AppSettings::m_longBreakDuration},
        {"shortBreaksSinceLong", &AppSettings::m_shortBreaksSinceLong},
        {"idleTimeoutMinutes", &AppSettings::m_idleTimeoutMinutes},
        {"gentleDelaySeconds", &AppSettings::m_gentleDelaySeconds},
        {"idleResetThresholdMinutes", &AppSettings::m_idleResetThresholdMinutes},
        {"headsUpSeconds", &AppSettings::m_headsUpSeconds},
        {"hudDismissSeconds", &AppSettings::m_hudDismissSeconds},
        {"batteryThreshold", &AppSettings::m_batteryThreshold},
    };
    // A missing or mistyped value reads as false.
    static const std::pair<const char *, bool AppSettings::*> offUnlessTrue[] = {
        {"useCustomInterval", &AppSettings::m_useCustomInterval},
        {"launchAtLogin", &AppSettings::m_launchAtLogin},
        {"breakSoundsEnabled", &AppSettings::m_breakSoundsEnabled},
        {"reminderSoundsEnabled", &AppSettings::m_reminderSoundsEnabled},
        {"startAfterWake", &AppSettings::m_startAfterWake},
        {"endBreakEarly", &AppSettings::m_endBreakEarly},
        {"longBreaksEnabled", &AppSettings::m_longBreaksEnabled},
        {"officeHoursEnabled", &AppSettings::m_officeHoursEnabled},
        {"menuBarShowTimer", &AppSettings::m_menuBarShowTimer},
        {"autoSkipDisplayDisconnected", &AppSettings::m_autoSkipDisplayDisconnected},
        {"autoSkipBatteryLow", &AppSettings::m_autoSkipBatteryLow},
        {"hudAboveFullscreen", &AppSettings::m_hudAboveFullscreen},
        {"meetingHideMenuBar", &AppSettings::m_meetingHideMenuBar},
    };
    // Only a stored Boolean false turns these off; anything else leaves them on.
    static const std::pair<const char *, bool AppSettings::*> onUnlessFalse[] = {
        {"idleDetectionEnabled", &AppSettings::m_idleDetectionEnabled},
        {"notificationsEnabled", &AppSettings::m_notificationsEnabled},
        {"showCountdownInHUD", &AppSettings::m_showCountdownInHUD},
        {"hudAutoDismiss", &AppSettings::m_hudAutoDismiss},
        {"scheduledBreakHUDStaysVisible", &AppSettings::m_scheduledBreakHUDStaysVisible},
        {"meetingPauseBreaks", &AppSettings::m_meetingPauseBreaks},
        {"meetingPauseNotifications", &AppSettings::m_meetingPauseNotifications},
        {"mediaPauseBreaks", &AppSettings::m_mediaPauseBreaks},
        {"mediaPauseNotifications", &AppSettings::m_mediaPauseNotifications},
    };
    static const std::tuple<const char *, QString AppSettings::*, const char *> texts[] = {
        {"enforcement", &AppSettings::m_enforcement, "Casual"},
        {"lastSnoozeResetDate", &AppSettings::m_lastSnoozeResetDate, ""},
        {"longBreakResume", &AppSettings::m_longBreakResume, "auto"},
        {"reminderSensitivity", &AppSettings::m_reminderSensitivity, "Gentle"},
        {"menuBarTimerStyle", &AppSettings::m_menuBarTimerStyle, "rounded"},
        {"hudStyle", &AppSettings::m_hudStyle, "standard"},
        {"meetingAfterBehavior", &AppSettings::m_meetingAfterBehavior, "adjust"},
    };

    for (const auto &[key, field] : integers)
        this->*field = m_store.integer(QLatin1String(key));
    for (const auto &[key, field] : offUnlessTrue)
        this->*field = m_store.boolean(QLatin1String(key));
    for (const auto &[key, field] : onUnlessFalse)
        this->*field =
            SettingsRepository::toBool(m_store.object(QLatin1String(key))).value_or(true);
    for (const auto &[key, field, fallback] : texts)
        this->*field = m_store.string(QLatin1String(key)).value_or(QLatin1String(fallback));
    m_notificationSoundVolume = m_store.doubleValue(QStringLiteral("notificationSoundVolume"));
}

// A hand-edited length or interval that no editor offers reads as its default, for this run
// only: the stored text is left for the user to see and mend. A zero or negative break
// flashes past yet counts as completed, and one of 2^63 seconds overflows its end time.
void AppSettings::replaceOutOfRangeValues()
{
    struct Range
    {
        const char *key;
        qint64 AppSettings::*field;
        qint64 minimum;
        qint64 maximum;
    };
    static const Range ranges[] = {
        {"breakInterval", &AppSettings::m_breakInterval, 1, std::numeric_limits<qint64>::max()},
        {"breakDuration", &AppSettings::m_breakDuration, minimumBreakSeconds, maximumBreakSeconds},
        {"longBreakDuration", &AppSettings::m_longBreakDuration, minimumBreakSeconds,
         maximumBreakSeconds},
    };
    for (const Range &range : ranges) {
        const qint64 value = this->*range.field;
        if (value >= range.minimum && value <= range.maximum)
            continue;
        const QString key = QLatin1String(range.key);
        this->*range.field =
            SettingsRepository::toInteger(m_store.registeredObject(key)).value_or(range.minimum);
    }
}

// Values that older versions could leave behind and that no editor offers. Through the
// setters, so the corrected value replaces the stored one.
void AppSettings::correctLoadedValues()
{
    if (m_gentleDelaySeconds == 0)
        setGentleDelaySeconds(5);
    if (m_idleResetThresholdMinutes == 0)
        setIdleResetThresholdMinutes(10);
    if (!QList<qint64>{3, 5, 8, 10}.contains(m_hudDismissSeconds))
        setHudDismissSeconds(5);
}

template <typename T, typename Signal>
void AppSettings::assign(T &field, T value, const QString &key, Signal changed)
{
    const bool isChange = !(field == value);
    field = std::move(value);
    m_store.setObject(key, QVariant::fromValue(field));
    if (isChange)
        emit(this->*changed)(field);
}

void AppSettings::setBreakInterval(qint64 value)
{
    assign(m_breakInterval, value, QStringLiteral("breakInterval"),
           &AppSettings::breakIntervalChanged);
}

void AppSettings::setBreakDuration(qint64 value)
{
    assign(m_breakDuration, value, QStringLiteral("breakDuration"),
           &AppSettings::breakDurationChanged);
}

void AppSettings::setCustomHours(qint64 value)
{
    assign(m_customHours, value, QStringLiteral("customHours"), &AppSettings::customHoursChanged);
}

void AppSettings::setCustomMinutes(qint64 value)
{
    assign(m_customMinutes, value, QStringLiteral("customMinutes"),
           &AppSettings::customMinutesChanged);
}

void AppSettings::setUseCustomInterval(bool value)
{
    assign(m_useCustomInterval, value, QStringLiteral("useCustomInterval"),
           &AppSettings::useCustomIntervalChanged);
}

void AppSettings::setLaunchAtLogin(bool value)
{
    assign(m_launchAtLogin, value, QStringLiteral("launchAtLogin"),
           &AppSettings::launchAtLoginChanged);
}

void AppSettings::setBreakSoundsEnabled(bool value)
{
    assign(m_breakSoundsEnabled, value, QStringLiteral("breakSoundsEnabled"),
           &AppSettings::breakSoundsEnabledChanged);
}

void AppSettings::setReminderSoundsEnabled(bool value)
{
    assign(m_reminderSoundsEnabled, value, QStringLiteral("reminderSoundsEnabled"),
           &AppSettings::reminderSoundsEnabledChanged);
}

void AppSettings::setNotificationSoundVolume(double value)
{
    // Neither the model nor the store keeps a volume outside 0...1; a NaN counts as silence.
    const double clamped = std::isnan(value) || value <= 0.0 ? 0.0 : std::min(value, 1.0);
    assign(m_notificationSoundVolume, clamped, QStringLiteral("notificationSoundVolume"),
           &AppSettings::notificationSoundVolumeChanged);
}

void AppSettings::setStartAfterWake(bool value)
{
    assign(m_startAfterWake, value, QStringLiteral("startAfterWake"),
           &AppSettings::startAfterWakeChanged);
}

void AppSettings::setEnforcement(const QString &value)
{
    assign(m_enforcement, value, QStringLiteral("enforcement"), &AppSettings::enforcementChanged);
}

void AppSettings::setSnoozesPerDay(qint64 value)
{
    assign(m_snoozesPerDay, value, QStringLiteral("snoozesPerDay"),
           &AppSettings::snoozesPerDayChanged);
}

void AppSettings::setSkipsPerDay(qint64 value)
{
    assign(m_skipsPerDay, value, QStringLiteral("skipsPerDay"), &AppSettings::skipsPerDayChanged);
}

void AppSettings::setSkipsUsedToday(qint64 value)
{
    assign(m_skipsUsedToday, value, QStringLiteral("skipsUsedToday"),
           &AppSettings::skipsUsedTodayChanged);
}

void AppSettings::setSnoozesUsedToday(qint64 value)
{
    assign(m_snoozesUsedToday, value, QStringLiteral("snoozesUsedToday"),
           &AppSettings::snoozesUsedTodayChanged);
}

void AppSettings::setLastSnoozeResetDate(const QString &value)
{
    assign(m_lastSnoozeResetDate, value, QStringLiteral("lastSnoozeResetDate"),
           &AppSettings::lastSnoozeResetDateChanged);
}

void AppSettings::setEndBreakEarly(bool value)
{
    assign(m_endBreakEarly, value, QStringLiteral("endBreakEarly"),
           &AppSettings::endBreakEarlyChanged);
}

void AppSettings::setLongBreaksEnabled(bool value)
{
    assign(m_longBreaksEnabled, value, QStringLiteral("longBreaksEnabled"),
           &AppSettings::longBreaksEnabledChanged);
}

void AppSettings::setLongBreakFrequency(qint64 value)
{
    assign(m_longBreakFrequency, value, QStringLiteral("longBreakFrequency"),
           &AppSettings::longBreakFrequencyChanged);
}

void AppSettings::setLongBreakDuration(qint64 value)
{
    assign(m_longBreakDuration, value, QStringLiteral("longBreakDuration"),
           &AppSettings::longBreakDurationChanged);
}

void AppSettings::setLongBreakResume(const QString &value)
{
    assign(m_longBreakResume, value, QStringLiteral("longBreakResume"),
           &AppSettings::longBreakResumeChanged);
}

void AppSettings::setShortBreaksSinceLong(qint64 value)
{
    assign(m_shortBreaksSinceLong, value, QStringLiteral("shortBreaksSinceLong"),
           &AppSettings::shortBreaksSinceLongChanged);
}

void AppSettings::setIdleTimeoutMinutes(qint64 value)
{
    assign(m_idleTimeoutMinutes, value, QStringLiteral("idleTimeoutMinutes"),
           &AppSettings::idleTimeoutMinutesChanged);
}

void AppSettings::setReminderSensitivity(const QString &value)
{
    assign(m_reminderSensitivity, value, QStringLiteral("reminderSensitivity"),
           &AppSettings::reminderSensitivityChanged);
}

void AppSettings::setGentleDelaySeconds(qint64 value)
{
    assign(m_gentleDelaySeconds, value, QStringLiteral("gentleDelaySeconds"),
           &AppSettings::gentleDelaySecondsChanged);
}

void AppSettings::setIdleResetThresholdMinutes(qint64 value)
{
    assign(m_idleResetThresholdMinutes, value, QStringLiteral("idleResetThresholdMinutes"),
           &AppSettings::idleResetThresholdMinutesChanged);
}

void AppSettings::setIdleDetectionEnabled(bool value)
{
    assign(m_idleDetectionEnabled, value, QStringLiteral("idleDetectionEnabled"),
           &AppSettings::idleDetectionEnabledChanged);
}

void AppSettings::setMenuBarShowTimer(bool value)
{
    assign(m_menuBarShowTimer, value, QStringLiteral("menuBarShowTimer"),
           &AppSettings::menuBarShowTimerChanged);
}

void AppSettings::setMenuBarTimerStyle(const QString &value)
{
    assign(m_menuBarTimerStyle, value, QStringLiteral("menuBarTimerStyle"),
           &AppSettings::menuBarTimerStyleChanged);
}

void AppSettings::setHeadsUpSeconds(qint64 value)
{
    assign(m_headsUpSeconds, value, QStringLiteral("headsUpSeconds"),
           &AppSettings::headsUpSecondsChanged);
}

void AppSettings::setNotificationsEnabled(bool value)
{
    assign(m_notificationsEnabled, value, QStringLiteral("notificationsEnabled"),
           &AppSettings::notificationsEnabledChanged);
}

void AppSettings::setHudStyle(const QString &value)
{
    assign(m_hudStyle, value, QStringLiteral("hudStyle"), &AppSettings::hudStyleChanged);
}

void AppSettings::setShowCountdownInHUD(bool value)
{
    assign(m_showCountdownInHUD, value, QStringLiteral("showCountdownInHUD"),
           &AppSettings::showCountdownInHUDChanged);
}

void AppSettings::setHudAboveFullscreen(bool value)
{
    assign(m_hudAboveFullscreen, value, QStringLiteral("hudAboveFullscreen"),
           &AppSettings::hudAboveFullscreenChanged);
}

void AppSettings::setHudAutoDismiss(bool value)
{
    assign(m_hudAutoDismiss, value, QStringLiteral("hudAutoDismiss"),
           &AppSettings::hudAutoDismissChanged);
}

void AppSettings::setHudDismissSeconds(qint64 value)
{
    assign(m_hudDismissSeconds, value, QStringLiteral("hudDismissSeconds"),
           &AppSettings::hudDismissSecondsChanged);
}

void AppSettings::setScheduledBreakHUDStaysVisible(bool value)
{
    assign(m_scheduledBreakHUDStaysVisible, value, QStringLiteral("scheduledBreakHUDStaysVisible"),
           &AppSettings::scheduledBreakHUDStaysVisibleChanged);
}

void AppSettings::setMeetingPauseBreaks(bool value)
{
    assign(m_meetingPauseBreaks, value, QStringLiteral("meetingPauseBreaks"),
           &AppSettings::meetingPauseBreaksChanged);
}

void AppSettings::setMeetingPauseNotifications(bool value)
{
    assign(m_meetingPauseNotifications, value, QStringLiteral("meetingPauseNotifications"),
           &AppSettings::meetingPauseNotificationsChanged);
}

void AppSettings::setMeetingHideMenuBar(bool value)
{
    assign(m_meetingHideMenuBar, value, QStringLiteral("meetingHideMenuBar"),
           &AppSettings::meetingHideMenuBarChanged);
}

void AppSettings::setMeetingAfterBehavior(const QString &value)
{
    assign(m_meetingAfterBehavior, value, QStringLiteral("meetingAfterBehavior"),
           &AppSettings::meetingAfterBehaviorChanged);
}

void AppSettings::setMediaPauseBreaks(bool value)
{
    assign(m_mediaPauseBreaks, value, QStringLiteral("mediaPauseBreaks"),
           &AppSettings::mediaPauseBreaksChanged);
}

void AppSettings::setMediaPauseNotifications(bool value)
{
    assign(m_mediaPauseNotifications, value, QStringLiteral("mediaPauseNotifications"),
           &AppSettings::mediaPauseNotificationsChanged);
}

void AppSettings::setAutoSkipDisplayDisconnected(bool value)
{
    assign(m_autoSkipDisplayDisconnected, value, QStringLiteral("autoSkipDisplayDisconnected"),
           &AppSettings::autoSkipDisplayDisconnectedChanged);
}

void AppSettings::setAutoSkipBatteryLow(bool value)
{
    assign(m_autoSkipBatteryLow, value, QStringLiteral("autoSkipBatteryLow"),
           &AppSettings::autoSkipBatteryLowChanged);
}

void AppSettings::setBatteryThreshold(qint64 value)
{
    assign(m_batteryThreshold, value, QStringLiteral("batteryThreshold"),
           &AppSettings::batteryThresholdChanged);
}

void AppSettings::setOfficeHoursEnabled(bool value)
{
    assign(m_officeHoursEnabled, value, QStringLiteral("officeHoursEnabled"),
           &AppSettings::officeHoursEnabledChanged);
    emit officeHoursSettingsAssigned();
}
