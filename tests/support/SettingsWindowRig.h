#pragma once

#include "core/AppNotifier.h"
#include "core/AppSettings.h"
#include "core/FileSettingsRepository.h"
#include "core/ThemeManager.h"
#include "settings_ui/window/ContentServices.h"
#include "support/ShortcutRig.h"
#include "support/FakeClock.h"
#include "support/FakeDesktopAppearance.h"

#include <QByteArray>
#include <QTemporaryDir>

// Everything a whole settings window is built on, none of it the application's shared
// instances: the user-defaults store as a file in a temporary folder (on the fake clock,
// holding the defaults the settings model registers and nothing else), the settings model
// and the theme on it, a desktop whose appearance the test sets, a notifier, and a break
// timer (with its own services) whose pause reasons the sidebar shows and whose planned breaks
// the Breaks pane lists, with a shortcut controller on it. The version the footer shows comes
// from `info`.
struct SettingsWindowRig
{
    SettingsWindowRig();

    // The window's services; `makeOnboarding` builds the first-run flow when given.
    ContentServices services(ContentServices::OnboardingFactory makeOnboarding = {});
    // The settings file as it is on disk now, after writing what is pending.
    QByteArray settingsFile();
    // The timer's activity signals deliver the snapshot now, then again at the end of each of
    // the next `seconds`, each handled on the main thread at once.
    void deliverActivity(const MeetingSignalSnapshot &snapshot, int seconds = 0);
    // The timer's activity signals tell that the sound server went away (false) or came back,
    // handled on the main thread at once.
    void setAudioAvailable(bool available);

    QTemporaryDir folder;
    FakeClock clock;
    FileSettingsRepository store;
    AppSettings settings;
    FakeDesktopAppearance desktop;
    ThemeManager theme;
    AppNotifier notifier;
    ShortcutRig timer;
    QVariantMap info;
};
