#pragma once

#include "core/ResetError.h"
#include "core/ServiceRef.h"

#include <QVariantMap>

#include <functional>
#include <optional>

class AppNotifier;
class AppServices;
class AppSettings;
class AppSoundPlayer;
class BreakScheduler;
class Clock;
class LocalStatisticsStore;
class PlannedBreakScheduler;
class HUDPresenter;
class ReminderQueue;
class QUrl;
class QWidget;
class SettingsRepository;
class ShortcutController;
class ThemeManager;
class TypingHealthEngine;
class WellnessScheduler;

// What the settings window's content reads and builds: the user-defaults store that says
// whether onboarding is done, the notifier that asks for the first-run flow again, the theme
// the window follows, the maker of that flow, and the models the panes edit. The application
// hands in its shared ones; a test its own, on a temporary store.
//
// The models below the flow's maker are the application's shared instances unless a test
// sets its own, and are fetched only when a pane first asks for them. A pane that needs a
// model not listed adds it here as one more ServiceRef line with its shared provider.
struct ContentServices
{
    // Builds the first-run flow, given the action that closes it in its host.
    using OnboardingFactory = std::function<QWidget *(std::function<void()> dismiss)>;

    SettingsRepository &defaults;
    AppNotifier &notifier;
    ThemeManager &theme;
    // Without one, no flow is shown.
    OnboardingFactory makeOnboarding;

    ServiceRef<AppSettings> settings{&sharedSettings};
    // Its pause reasons drive the sidebar's "Paused" badge.
    ServiceRef<BreakScheduler> breakScheduler{&sharedBreakScheduler};
    ServiceRef<WellnessScheduler> wellness{&sharedWellness};
    // The Wellness pane's wrist and hand reminders.
    ServiceRef<TypingHealthEngine> typing{&sharedTyping};
    ServiceRef<ShortcutController> shortcuts{&sharedShortcuts};
    ServiceRef<LocalStatisticsStore> statistics{&sharedStatistics};
    ServiceRef<PlannedBreakScheduler> plannedBreaks{&sharedPlannedBreaks};
    // The time source of the window's debounced saves.
    ServiceRef<Clock> clock{&sharedClock};
    // The Notifications pane's sample notice and sound.
    ServiceRef<ReminderQueue> reminders{&sharedReminders};
    ServiceRef<HUDPresenter> hud{&sharedHUD};
    ServiceRef<AppSoundPlayer> sounds{&sharedSounds};
    // The information dictionary the footer reads the version from; none: the build's own.
    std::optional<QVariantMap> info = std::nullopt;
    // The About pane's update check goes to this distribution's update service.
    ServiceRef<AppServices> appServices{&sharedAppServices};
    // Opens a web page; none: the desktop's browser.
    std::function<bool(const QUrl &)> openUrl = {};
    // The Advanced pane's factory reset: on success it ends the application, otherwise it
    // says why it stopped. The application hands in its own, on its launch coordinator;
    // without one nothing is reset and the pane says so.
    std::function<std::optional<ResetError>()> factoryReset = {};
    // Under Wayland the desktop may keep the hot keys from the X server they are grabbed on.
    bool waylandSession = false;

    // The shared store, notifier and theme; the flow is the application's to add.
    static ContentServices shared();

    static AppSettings &sharedSettings();
    static BreakScheduler &sharedBreakScheduler();
    static WellnessScheduler &sharedWellness();
    static TypingHealthEngine &sharedTyping();
    static ShortcutController &sharedShortcuts();
    static LocalStatisticsStore &sharedStatistics();
    static PlannedBreakScheduler &sharedPlannedBreaks();
    static ReminderQueue &sharedReminders();
    static HUDPresenter &sharedHUD();
    static AppSoundPlayer &sharedSounds();
    static AppServices &sharedAppServices();
    // The settings window's own system clock, made on first use.
    static Clock &sharedClock();
};
