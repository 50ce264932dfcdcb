#pragma once

#include <functional>

class AppNotifier;
class AppSettings;
class Clock;
class RuntimeControl;
class SettingsRepository;

// What the first-run flow writes to and calls when it ends: the settings model the choices
// go to, the user-defaults store that records that onboarding is done, the notifier of the
// hand-over, the clock of its two delays, and the few actions that belong to other parts of
// the application. The application hands in its own (forApplication); a test its own.
struct OnboardingServices
{
    Clock &clock;
    AppSettings &settings;
    SettingsRepository &defaults;
    AppNotifier &notifier;
    // Registers or removes the entry that starts the application at login.
    std::function<void(bool)> setLaunchAtLogin;
    // Whether calls pause breaks (the wellness side's "pauseDuringMeetings").
    std::function<void(bool)> setPauseDuringMeetings;
    // Takes the settings window off the screen and the application to the background.
    std::function<void()> hideSettingsWindow;
    // Whether the break timer and the other runtime services run.
    std::function<bool()> runtimeRunning;
    // Ends the application.
    std::function<void()> quit;

    // The shared settings, store and notifier on the system clock; `runtime` says whether
    // the runtime services run.
    static OnboardingServices forApplication(const RuntimeControl &runtime);
};
