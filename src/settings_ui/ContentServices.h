#pragma once

#include <functional>

class AppNotifier;
class QWidget;
class SettingsRepository;
class ThemeManager;

// What the settings window's content reads and builds: the user-defaults store that says
// whether onboarding is done, the notifier that asks for the first-run flow again, the theme
// the window follows, and the maker of that flow. The application hands in its shared ones;
// a test its own, on a temporary store.
struct ContentServices
{
    // Builds the first-run flow, given the action that closes it in its host.
    using OnboardingFactory = std::function<QWidget *(std::function<void()> dismiss)>;

    SettingsRepository &defaults;
    AppNotifier &notifier;
    ThemeManager &theme;
    // Without one, no flow is shown.
    OnboardingFactory makeOnboarding;

    // The shared store, notifier and theme; the flow is the application's to add.
    static ContentServices shared();
};
