#include "core/SettingsProfile.h"

namespace {

QVariant integer(qint64 value)
{
    return QVariant::fromValue(value);
}

QVariant text(const char *value)
{
    return QVariant(QString::fromLatin1(value));
}

const QString versionKey = QStringLiteral("defaultSettingsProfileVersion");

// Before version 2 one switch, "playSound", governed every sound. Its value (true when it is
// absent or not a Boolean) becomes the break sound switch; reminder sounds start off.
void carryOverLegacySoundSwitch(SettingsRepository &defaults)
{
    const bool playSound =
        SettingsRepository::toBool(defaults.object(QStringLiteral("playSound"))).value_or(true);
    const QString breakSounds = QStringLiteral("breakSoundsEnabled");
    if (!defaults.object(breakSounds).isValid())
        defaults.setBool(breakSounds, playSound);
    const QString reminderSounds = QStringLiteral("reminderSoundsEnabled");
    if (!defaults.object(reminderSounds).isValid())
        defaults.setBool(reminderSounds, false);
}

void writeProfileWhereUnset(SettingsRepository &defaults)
{
    const QVariantMap &profile = defaultSettingsProfile();
    for (auto it = profile.cbegin(); it != profile.cend(); ++it) {
        // A key the user has set keeps its value, whatever its type.
        if (!defaults.object(it.key()).isValid())
            defaults.setObject(it.key(), it.value());
    }
}

} // namespace

const QVariantMap &registeredSettingsDefaults()
{
    static const QVariantMap table = {
        {QStringLiteral("breakInterval"), integer(20)},
        {QStringLiteral("breakDuration"), integer(20)},
        {QStringLiteral("customHours"), integer(0)},
        {QStringLiteral("customMinutes"), integer(25)},
        {QStringLiteral("useCustomInterval"), false},
        {QStringLiteral("launchAtLogin"), true},
        {QStringLiteral("breakSoundsEnabled"), true},
        {QStringLiteral("reminderSoundsEnabled"), false},
        {QStringLiteral("notificationSoundVolume"), 0.35},
        {QStringLiteral("startAfterWake"), true},
        {QStringLiteral("enforcement"), text("Casual")},
        {QStringLiteral("snoozesPerDay"), integer(3)},
        {QStringLiteral("skipsPerDay"), integer(3)},
        {QStringLiteral("skipsUsedToday"), integer(0)},
        {QStringLiteral("snoozesUsedToday"), integer(0)},
        {QStringLiteral("lastSnoozeResetDate"), text("")},
        {QStringLiteral("endBreakEarly"), true},
        {QStringLiteral("longBreaksEnabled"), true},
        {QStringLiteral("longBreakFrequency"), integer(3)},
        {QStringLiteral("longBreakDuration"), integer(600)},
        {QStringLiteral("longBreakResume"), text("auto")},
        {QStringLiteral("shortBreaksSinceLong"), integer(0)},
        {QStringLiteral("officeHoursEnabled"), false},
        {QStringLiteral("idleTimeoutMinutes"), integer(2)},
        {QStringLiteral("reminderSensitivity"), text("Gentle")},
        {QStringLiteral("gentleDelaySeconds"), integer(5)},
        {QStringLiteral("idleResetThresholdMinutes"), integer(10)},
        {QStringLiteral("idleDetectionEnabled"), true},
        {QStringLiteral("menuBarShowTimer"), true},
        {QStringLiteral("menuBarTimerStyle"), text("rounded")},
        {QStringLiteral("headsUpSeconds"), integer(30)},
        {QStringLiteral("notificationsEnabled"), true},
        {QStringLiteral("autoSkipDisplayDisconnected"), false},
        {QStringLiteral("autoSkipBatteryLow"), false},
        {QStringLiteral("batteryThreshold"), integer(15)},
        {QStringLiteral("hudStyle"), text("standard")},
        {QStringLiteral("showCountdownInHUD"), true},
        {QStringLiteral("hudAboveFullscreen"), false},
        {QStringLiteral("hudAutoDismiss"), true},
        {QStringLiteral("hudDismissSeconds"), integer(5)},
        {QStringLiteral("scheduledBreakHUDStaysVisible"), true},
        {QStringLiteral("meetingPauseBreaks"), true},
        {QStringLiteral("meetingPauseNotifications"), true},
        {QStringLiteral("meetingHideMenuBar"), false},
        {QStringLiteral("meetingAfterBehavior"), text("adjust")},
        {QStringLiteral("mediaDetectionEnabled"), false},
        {QStringLiteral("mediaPauseBreaks"), true},
        {QStringLiteral("mediaPauseNotifications"), true},
        {QStringLiteral("postureEnabled"), true},
        {QStringLiteral("postureIntervalMinutes"), integer(20)},
        {QStringLiteral("blinkEnabled"), false},
        {QStringLiteral("blinkIntervalMinutes"), integer(5)},
        {QStringLiteral("pauseDuringMeetings"), true},
        {QStringLiteral("typingHealthEnabled"), true},
        {QStringLiteral("typingThresholdMinutes"), integer(5)},
    };
    return table;
}

const QVariantMap &defaultSettingsProfile()
{
    static const QVariantMap table = {
        {QStringLiteral("enforcement"), text("Balanced")},
        {QStringLiteral("longBreakDuration"), integer(300)},
        {QStringLiteral("gentleDelaySeconds"), integer(10)},
        {QStringLiteral("idleResetThresholdMinutes"), integer(3)},
        {QStringLiteral("autoSkipDisplayDisconnected"), true},
        {QStringLiteral("hudStyle"), text("standard")},
        {QStringLiteral("meetingAfterBehavior"), text("resume")},
        {QStringLiteral("postureEnabled"), false},
        {QStringLiteral("postureIntervalMinutes"), integer(15)},
        {QStringLiteral("pauseDuringMeetings"), false},
        {QStringLiteral("typingHealthEnabled"), false},
        {QStringLiteral("typingThresholdMinutes"), integer(10)},
    };
    return table;
}

std::mutex &settingsMigrationLock()
{
    static auto *lock = new std::mutex; // never destroyed: a late caller at exit may still lock it
    return *lock;
}

void applyDefaultSettingsProfile(SettingsRepository &defaults)
{
    std::lock_guard lock(settingsMigrationLock());
    defaults.removeObject(QStringLiteral("adaptiveTimingEnabled"));
    defaults.removeObject(QStringLiteral("adaptiveBehaviorProfile"));

    const qint64 version = defaults.integer(versionKey);
    if (version >= currentSettingsProfileVersion) {
        defaults.registerDefaults(registeredSettingsDefaults());
        return;
    }
    const bool onboarded =
        SettingsRepository::toBool(defaults.object(QStringLiteral("hasCompletedOnboarding")))
            .value_or(false);
    if (onboarded)
        writeProfileWhereUnset(defaults);
    if (version < 2)
        carryOverLegacySoundSwitch(defaults);
    defaults.registerDefaults(registeredSettingsDefaults());
    defaults.setInteger(versionKey, currentSettingsProfileVersion);
}
