#pragma once

#include "core/OfficeHoursWeek.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QVariantList>

#include <optional>

class Clock;

class Clock;
class LocalStatisticsStore;
class SettingsRepository;

// The one settings model: every user preference and the little persisted break bookkeeping
// (the daily skip and snooze counters, the short breaks towards the next long one). Each
// setting lives in the user-defaults store under its own name. Every assignment writes the
// store, an unchanged value too, so the store always holds what was last chosen; the change
// signals fire only on a real change, after the write. Main thread only; the rest of the
// application uses shared().
class AppSettings : public QObject
{
    Q_OBJECT
    Q_PROPERTY(qint64 breakInterval READ breakInterval WRITE setBreakInterval
                   NOTIFY breakIntervalChanged)
    Q_PROPERTY(qint64 breakDuration READ breakDuration WRITE setBreakDuration
                   NOTIFY breakDurationChanged)
    Q_PROPERTY(qint64 customHours READ customHours WRITE setCustomHours NOTIFY customHoursChanged)
    Q_PROPERTY(qint64 customMinutes READ customMinutes WRITE setCustomMinutes
                   NOTIFY customMinutesChanged)
    Q_PROPERTY(bool useCustomInterval READ useCustomInterval WRITE setUseCustomInterval
                   NOTIFY useCustomIntervalChanged)
    Q_PROPERTY(bool launchAtLogin READ launchAtLogin WRITE setLaunchAtLogin
                   NOTIFY launchAtLoginChanged)
    Q_PROPERTY(bool breakSoundsEnabled READ breakSoundsEnabled WRITE setBreakSoundsEnabled
                   NOTIFY breakSoundsEnabledChanged)
    Q_PROPERTY(bool reminderSoundsEnabled READ reminderSoundsEnabled WRITE setReminderSoundsEnabled
                   NOTIFY reminderSoundsEnabledChanged)
    Q_PROPERTY(double notificationSoundVolume READ notificationSoundVolume
                   WRITE setNotificationSoundVolume NOTIFY notificationSoundVolumeChanged)
    Q_PROPERTY(bool startAfterWake READ startAfterWake WRITE setStartAfterWake
                   NOTIFY startAfterWakeChanged)
    Q_PROPERTY(QString enforcement READ enforcement WRITE setEnforcement NOTIFY enforcementChanged)
    Q_PROPERTY(qint64 snoozesPerDay READ snoozesPerDay WRITE setSnoozesPerDay
                   NOTIFY snoozesPerDayChanged)
    Q_PROPERTY(qint64 skipsPerDay READ skipsPerDay WRITE setSkipsPerDay NOTIFY skipsPerDayChanged)
    Q_PROPERTY(qint64 skipsUsedToday READ skipsUsedToday WRITE setSkipsUsedToday
                   NOTIFY skipsUsedTodayChanged)
    Q_PROPERTY(qint64 snoozesUsedToday READ snoozesUsedToday WRITE setSnoozesUsedToday
                   NOTIFY snoozesUsedTodayChanged)
    Q_PROPERTY(QString lastSnoozeResetDate READ lastSnoozeResetDate WRITE setLastSnoozeResetDate
                   NOTIFY lastSnoozeResetDateChanged)
    Q_PROPERTY(bool endBreakEarly READ endBreakEarly WRITE setEndBreakEarly
                   NOTIFY endBreakEarlyChanged)
    Q_PROPERTY(bool longBreaksEnabled READ longBreaksEnabled WRITE setLongBreaksEnabled
                   NOTIFY longBreaksEnabledChanged)
    Q_PROPERTY(qint64 longBreakFrequency READ longBreakFrequency WRITE setLongBreakFrequency
                   NOTIFY longBreakFrequencyChanged)
    Q_PROPERTY(qint64 longBreakDuration READ longBreakDuration WRITE setLongBreakDuration
                   NOTIFY longBreakDurationChanged)
    Q_PROPERTY(QString longBreakResume READ longBreakResume WRITE setLongBreakResume
                   NOTIFY longBreakResumeChanged)
    Q_PROPERTY(qint64 shortBreaksSinceLong READ shortBreaksSinceLong WRITE setShortBreaksSinceLong
                   NOTIFY shortBreaksSinceLongChanged)
    Q_PROPERTY(qint64 idleTimeoutMinutes READ idleTimeoutMinutes WRITE setIdleTimeoutMinutes
                   NOTIFY idleTimeoutMinutesChanged)
    Q_PROPERTY(QString reminderSensitivity READ reminderSensitivity WRITE setReminderSensitivity
                   NOTIFY reminderSensitivityChanged)
    Q_PROPERTY(qint64 gentleDelaySeconds READ gentleDelaySeconds WRITE setGentleDelaySeconds
                   NOTIFY gentleDelaySecondsChanged)
    Q_PROPERTY(qint64 idleResetThresholdMinutes READ idleResetThresholdMinutes
                   WRITE setIdleResetThresholdMinutes NOTIFY idleResetThresholdMinutesChanged)
    Q_PROPERTY(bool idleDetectionEnabled READ idleDetectionEnabled WRITE setIdleDetectionEnabled
                   NOTIFY idleDetectionEnabledChanged)
    Q_PROPERTY(bool menuBarShowTimer READ menuBarShowTimer WRITE setMenuBarShowTimer
                   NOTIFY menuBarShowTimerChanged)
    Q_PROPERTY(QString menuBarTimerStyle READ menuBarTimerStyle WRITE setMenuBarTimerStyle
                   NOTIFY menuBarTimerStyleChanged)
    Q_PROPERTY(qint64 headsUpSeconds READ headsUpSeconds WRITE setHeadsUpSeconds
                   NOTIFY headsUpSecondsChanged)
    Q_PROPERTY(bool notificationsEnabled READ notificationsEnabled WRITE setNotificationsEnabled
                   NOTIFY notificationsEnabledChanged)
    Q_PROPERTY(QString hudStyle READ hudStyle WRITE setHudStyle NOTIFY hudStyleChanged)
    Q_PROPERTY(bool showCountdownInHUD READ showCountdownInHUD WRITE setShowCountdownInHUD
                   NOTIFY showCountdownInHUDChanged)
    Q_PROPERTY(bool hudAboveFullscreen READ hudAboveFullscreen WRITE setHudAboveFullscreen
                   NOTIFY hudAboveFullscreenChanged)
    Q_PROPERTY(bool hudAutoDismiss READ hudAutoDismiss WRITE setHudAutoDismiss
                   NOTIFY hudAutoDismissChanged)
    Q_PROPERTY(qint64 hudDismissSeconds READ hudDismissSeconds WRITE setHudDismissSeconds
                   NOTIFY hudDismissSecondsChanged)
    Q_PROPERTY(bool scheduledBreakHUDStaysVisible READ scheduledBreakHUDStaysVisible
                   WRITE setScheduledBreakHUDStaysVisible
                   NOTIFY scheduledBreakHUDStaysVisibleChanged)
    Q_PROPERTY(bool meetingPauseBreaks READ meetingPauseBreaks WRITE setMeetingPauseBreaks
                   NOTIFY meetingPauseBreaksChanged)
    Q_PROPERTY(bool meetingPauseNotifications READ meetingPauseNotifications
                   WRITE setMeetingPauseNotifications NOTIFY meetingPauseNotificationsChanged)
    Q_PROPERTY(bool meetingHideMenuBar READ meetingHideMenuBar WRITE setMeetingHideMenuBar
                   NOTIFY meetingHideMenuBarChanged)
    Q_PROPERTY(QString meetingAfterBehavior READ meetingAfterBehavior WRITE setMeetingAfterBehavior
                   NOTIFY meetingAfterBehaviorChanged)
    Q_PROPERTY(bool mediaPauseBreaks READ mediaPauseBreaks WRITE setMediaPauseBreaks
                   NOTIFY mediaPauseBreaksChanged)
    Q_PROPERTY(bool mediaPauseNotifications READ mediaPauseNotifications
                   WRITE setMediaPauseNotifications NOTIFY mediaPauseNotificationsChanged)
    Q_PROPERTY(bool autoSkipDisplayDisconnected READ autoSkipDisplayDisconnected
                   WRITE setAutoSkipDisplayDisconnected NOTIFY autoSkipDisplayDisconnectedChanged)
    Q_PROPERTY(bool autoSkipBatteryLow READ autoSkipBatteryLow WRITE setAutoSkipBatteryLow
                   NOTIFY autoSkipBatteryLowChanged)
    Q_PROPERTY(qint64 batteryThreshold READ batteryThreshold WRITE setBatteryThreshold
                   NOTIFY batteryThresholdChanged)
    Q_PROPERTY(bool officeHoursEnabled READ officeHoursEnabled WRITE setOfficeHoursEnabled
                   NOTIFY officeHoursEnabledChanged)

public:
    // The shortest and the longest break the timer shows, whatever a file or caller asks.
    static constexpr qint64 minimumBreakSeconds = 1;
    static constexpr qint64 maximumBreakSeconds = 24 * 3600;
    static qint64 boundedBreakSeconds(qint64 seconds);

    // Migrates the store's domain and registers the defaults first, then reads every setting.
    // Skips and snoozes are also counted in `statistics` when one is given.
    AppSettings(SettingsRepository &store, Clock &clock, QObject *parent = nullptr,
                LocalStatisticsStore *statistics = nullptr);

    // The application's instance, on the user's own store and the system clock; made on
    // first use and never destroyed.
    static AppSettings &shared();

    qint64 breakInterval() const { return m_breakInterval; }
    qint64 breakDuration() const { return m_breakDuration; }
    qint64 customHours() const { return m_customHours; }
    qint64 customMinutes() const { return m_customMinutes; }
    bool useCustomInterval() const { return m_useCustomInterval; }
    bool launchAtLogin() const { return m_launchAtLogin; }
    bool breakSoundsEnabled() const { return m_breakSoundsEnabled; }
    bool reminderSoundsEnabled() const { return m_reminderSoundsEnabled; }
    double notificationSoundVolume() const { return m_notificationSoundVolume; }
    bool startAfterWake() const { return m_startAfterWake; }
    QString enforcement() const { return m_enforcement; }
    qint64 snoozesPerDay() const { return m_snoozesPerDay; }
    qint64 skipsPerDay() const { return m_skipsPerDay; }
    qint64 skipsUsedToday() const { return m_skipsUsedToday; }
    qint64 snoozesUsedToday() const { return m_snoozesUsedToday; }
    QString lastSnoozeResetDate() const { return m_lastSnoozeResetDate; }
    bool endBreakEarly() const { return m_endBreakEarly; }
    bool longBreaksEnabled() const { return m_longBreaksEnabled; }
    qint64 longBreakFrequency() const { return m_longBreakFrequency; }
    qint64 longBreakDuration() const { return m_longBreakDuration; }
    QString longBreakResume() const { return m_longBreakResume; }
    qint64 shortBreaksSinceLong() const { return m_shortBreaksSinceLong; }
    qint64 idleTimeoutMinutes() const { return m_idleTimeoutMinutes; }
    QString reminderSensitivity() const { return m_reminderSensitivity; }
    qint64 gentleDelaySeconds() const { return m_gentleDelaySeconds; }
    qint64 idleResetThresholdMinutes() const { return m_idleResetThresholdMinutes; }
    bool idleDetectionEnabled() const { return m_idleDetectionEnabled; }
    bool menuBarShowTimer() const { return m_menuBarShowTimer; }
    QString menuBarTimerStyle() const { return m_menuBarTimerStyle; }
    qint64 headsUpSeconds() const { return m_headsUpSeconds; }
    bool notificationsEnabled() const { return m_notificationsEnabled; }
    QString hudStyle() const { return m_hudStyle; }
    bool showCountdownInHUD() const { return m_showCountdownInHUD; }
    bool hudAboveFullscreen() const { return m_hudAboveFullscreen; }
    bool hudAutoDismiss() const { return m_hudAutoDismiss; }
    qint64 hudDismissSeconds() const { return m_hudDismissSeconds; }
    bool scheduledBreakHUDStaysVisible() const { return m_scheduledBreakHUDStaysVisible; }
    bool meetingPauseBreaks() const { return m_meetingPauseBreaks; }
    bool meetingPauseNotifications() const { return m_meetingPauseNotifications; }
    bool meetingHideMenuBar() const { return m_meetingHideMenuBar; }
    QString meetingAfterBehavior() const { return m_meetingAfterBehavior; }
    bool mediaPauseBreaks() const { return m_mediaPauseBreaks; }
    bool mediaPauseNotifications() const { return m_mediaPauseNotifications; }
    bool autoSkipDisplayDisconnected() const { return m_autoSkipDisplayDisconnected; }
    bool autoSkipBatteryLow() const { return m_autoSkipBatteryLow; }
    qint64 batteryThreshold() const { return m_batteryThreshold; }
    bool officeHoursEnabled() const { return m_officeHoursEnabled; }

    void setBreakInterval(qint64 value);
    void setBreakDuration(qint64 value);
    void setCustomHours(qint64 value);
    void setCustomMinutes(qint64 value);
    void setUseCustomInterval(bool value);
    void setLaunchAtLogin(bool value);
    void setBreakSoundsEnabled(bool value);
    void setReminderSoundsEnabled(bool value);
    void setNotificationSoundVolume(double value);
    void setStartAfterWake(bool value);
    void setEnforcement(const QString &value);
    void setSnoozesPerDay(qint64 value);
    void setSkipsPerDay(qint64 value);
    void setSkipsUsedToday(qint64 value);
    void setSnoozesUsedToday(qint64 value);
    void setLastSnoozeResetDate(const QString &value);
    void setEndBreakEarly(bool value);
    void setLongBreaksEnabled(bool value);
    void setLongBreakFrequency(qint64 value);
    void setLongBreakDuration(qint64 value);
    void setLongBreakResume(const QString &value);
    void setShortBreaksSinceLong(qint64 value);
    void setIdleTimeoutMinutes(qint64 value);
    void setReminderSensitivity(const QString &value);
    void setGentleDelaySeconds(qint64 value);
    void setIdleResetThresholdMinutes(qint64 value);
    void setIdleDetectionEnabled(bool value);
    void setMenuBarShowTimer(bool value);
    void setMenuBarTimerStyle(const QString &value);
    void setHeadsUpSeconds(qint64 value);
    void setNotificationsEnabled(bool value);
    void setHudStyle(const QString &value);
    void setShowCountdownInHUD(bool value);
    void setHudAboveFullscreen(bool value);
    void setHudAutoDismiss(bool value);
    void setHudDismissSeconds(qint64 value);
    void setScheduledBreakHUDStaysVisible(bool value);
    void setMeetingPauseBreaks(bool value);
    void setMeetingPauseNotifications(bool value);
    void setMeetingHideMenuBar(bool value);
    void setMeetingAfterBehavior(const QString &value);
    void setMediaPauseBreaks(bool value);
    void setMediaPauseNotifications(bool value);
    void setAutoSkipDisplayDisconnected(bool value);
    void setAutoSkipBatteryLow(bool value);
    void setBatteryThreshold(qint64 value);
    void setOfficeHoursEnabled(bool value);

    // The work interval: the custom hours and minutes when chosen, else the preset minutes.
    // Never below one minute, so that a hand-edited zero or negative interval cannot make a
    // break fall due on every tick; overflowing products saturate.
    qint64 breakIntervalSeconds() const;
    bool isLongBreakDue() const;
    void incrementShortBreaksSinceLong();
    // Zeroes both daily counters when they belong to an earlier day than today.
    void resetDailyCountersIfNeeded();
    // Answers only: nothing is consumed. Counters from an earlier day count as zero.
    bool canSkip() const;
    bool canSnooze() const;
    // Counted under every enforcement mode, whatever canSkip() and canSnooze() say.
    void recordSkipUsed();
    void recordSnoozeUsed();

    // The stored week, or the built-in one when nothing readable is stored.
    QVariantList loadOfficeHoursSchedule() const;
    void saveOfficeHoursSchedule(const QList<OfficeHoursDay> &days);
    // Always true while office hours are off or the stored week is incomplete. Otherwise
    // remembers the answer and logs each change between inside and outside.
    bool isWithinOfficeHours(const QDateTime &date);
    // The same for the clock's present moment. Several components ask every second, and the
    // time of day costs a local-time conversion, so the clock is read only when office hours
    // are on.
    bool isWithinOfficeHours(const Clock &clock);
    // Nothing while office hours are off or the stored week is incomplete.
    std::optional<QDateTime> nextOfficeHoursStart(const QDateTime &date) const;
    // The last answer of isWithinOfficeHours() that looked at the week; memory only.
    std::optional<bool> lastOfficeHoursState() const { return m_lastOfficeHoursState; }

signals:
    void breakIntervalChanged(qint64 breakInterval);
    void breakDurationChanged(qint64 breakDuration);
    void customHoursChanged(qint64 customHours);
    void customMinutesChanged(qint64 customMinutes);
    void useCustomIntervalChanged(bool useCustomInterval);
    void launchAtLoginChanged(bool launchAtLogin);
    void breakSoundsEnabledChanged(bool breakSoundsEnabled);
    void reminderSoundsEnabledChanged(bool reminderSoundsEnabled);
    void notificationSoundVolumeChanged(double notificationSoundVolume);
    void startAfterWakeChanged(bool startAfterWake);
    void enforcementChanged(const QString &enforcement);
    void snoozesPerDayChanged(qint64 snoozesPerDay);
    void skipsPerDayChanged(qint64 skipsPerDay);
    void skipsUsedTodayChanged(qint64 skipsUsedToday);
    void snoozesUsedTodayChanged(qint64 snoozesUsedToday);
    void lastSnoozeResetDateChanged(const QString &lastSnoozeResetDate);
    void endBreakEarlyChanged(bool endBreakEarly);
    void longBreaksEnabledChanged(bool longBreaksEnabled);
    void longBreakFrequencyChanged(qint64 longBreakFrequency);
    void longBreakDurationChanged(qint64 longBreakDuration);
    void longBreakResumeChanged(const QString &longBreakResume);
    void shortBreaksSinceLongChanged(qint64 shortBreaksSinceLong);
    void idleTimeoutMinutesChanged(qint64 idleTimeoutMinutes);
    void reminderSensitivityChanged(const QString &reminderSensitivity);
    void gentleDelaySecondsChanged(qint64 gentleDelaySeconds);
    void idleResetThresholdMinutesChanged(qint64 idleResetThresholdMinutes);
    void idleDetectionEnabledChanged(bool idleDetectionEnabled);
    void menuBarShowTimerChanged(bool menuBarShowTimer);
    void menuBarTimerStyleChanged(const QString &menuBarTimerStyle);
    void headsUpSecondsChanged(qint64 headsUpSeconds);
    void notificationsEnabledChanged(bool notificationsEnabled);
    void hudStyleChanged(const QString &hudStyle);
    void showCountdownInHUDChanged(bool showCountdownInHUD);
    void hudAboveFullscreenChanged(bool hudAboveFullscreen);
    void hudAutoDismissChanged(bool hudAutoDismiss);
    void hudDismissSecondsChanged(qint64 hudDismissSeconds);
    void scheduledBreakHUDStaysVisibleChanged(bool scheduledBreakHUDStaysVisible);
    void meetingPauseBreaksChanged(bool meetingPauseBreaks);
    void meetingPauseNotificationsChanged(bool meetingPauseNotifications);
    void meetingHideMenuBarChanged(bool meetingHideMenuBar);
    void meetingAfterBehaviorChanged(const QString &meetingAfterBehavior);
    void mediaPauseBreaksChanged(bool mediaPauseBreaks);
    void mediaPauseNotificationsChanged(bool mediaPauseNotifications);
    void autoSkipDisplayDisconnectedChanged(bool autoSkipDisplayDisconnected);
    void autoSkipBatteryLowChanged(bool autoSkipBatteryLow);
    void batteryThresholdChanged(qint64 batteryThreshold);
    void officeHoursEnabledChanged(bool officeHoursEnabled);
    // Every assignment of officeHoursEnabled, changed or not, and every saved week: a
    // running office-hours coordinator re-evaluates at once instead of on its next tick.
    void officeHoursSettingsAssigned();
    void lastOfficeHoursStateChanged();

private:
    template <typename T, typename Signal>
    void assign(T &field, T value, const QString &key, Signal changed);
    void load();
    void replaceOutOfRangeValues();
    void correctLoadedValues();
    bool withinDailyAllowance(qint64 perDay, qint64 usedToday) const;
    void rememberOfficeHoursState(bool inside, int dayPosition, const QTime &time);

    SettingsRepository &m_store;
    Clock &m_clock;
    LocalStatisticsStore *m_statistics = nullptr;
    std::optional<bool> m_lastOfficeHoursState;

    qint64 m_breakInterval{};
    qint64 m_breakDuration{};
    qint64 m_customHours{};
    qint64 m_customMinutes{};
    bool m_useCustomInterval{};
    bool m_launchAtLogin{};
    bool m_breakSoundsEnabled{};
    bool m_reminderSoundsEnabled{};
    double m_notificationSoundVolume{};
    bool m_startAfterWake{};
    QString m_enforcement;
    qint64 m_snoozesPerDay{};
    qint64 m_skipsPerDay{};
    qint64 m_skipsUsedToday{};
    qint64 m_snoozesUsedToday{};
    QString m_lastSnoozeResetDate;
    bool m_endBreakEarly{};
    bool m_longBreaksEnabled{};
    qint64 m_longBreakFrequency{};
    qint64 m_longBreakDuration{};
    QString m_longBreakResume;
    qint64 m_shortBreaksSinceLong{};
    qint64 m_idleTimeoutMinutes{};
    QString m_reminderSensitivity;
    qint64 m_gentleDelaySeconds{};
    qint64 m_idleResetThresholdMinutes{};
    bool m_idleDetectionEnabled{};
    bool m_menuBarShowTimer{};
    QString m_menuBarTimerStyle;
    qint64 m_headsUpSeconds{};
    bool m_notificationsEnabled{};
    QString m_hudStyle;
    bool m_showCountdownInHUD{};
    bool m_hudAboveFullscreen{};
    bool m_hudAutoDismiss{};
    qint64 m_hudDismissSeconds{};
    bool m_scheduledBreakHUDStaysVisible{};
    bool m_meetingPauseBreaks{};
    bool m_meetingPauseNotifications{};
    bool m_meetingHideMenuBar{};
    QString m_meetingAfterBehavior;
    bool m_mediaPauseBreaks{};
    bool m_mediaPauseNotifications{};
    bool m_autoSkipDisplayDisconnected{};
    bool m_autoSkipBatteryLow{};
    qint64 m_batteryThreshold{};
    bool m_officeHoursEnabled{};
};
