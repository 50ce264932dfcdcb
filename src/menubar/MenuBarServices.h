#pragma once

#include <functional>
#include <memory>

class AppNotifier;
class AppSettings;
class BreakScheduler;
class Clock;
class HUDPresenter;
class MeetingPauseStatus;
class ReminderQueue;
class SessionEvents;
class SettingsRepository;
class StatusItem;
class WindowManager;

// Everything the tray item reads and drives. The application hands in its shared services,
// the system tray and its window manager; a test its own instances and a fake item.
struct MenuBarServices
{
    // Says whether onboarding is done ("hasCompletedOnboarding").
    SettingsRepository &defaults;
    AppSettings &settings;
    BreakScheduler &scheduler;
    MeetingPauseStatus &meetings;
    ReminderQueue &reminders;
    HUDPresenter &hud;
    Clock &clock;
    AppNotifier &notifier;
    SessionEvents &sessionEvents;
    std::function<std::unique_ptr<StatusItem>()> makeStatusItem;
    // Whether break panels are up or fading out.
    std::function<bool()> isBreakShowing;
    // Ends the break on screen with the outcome "skipped".
    std::function<void()> skipBreakOnScreen;
    std::function<void()> openSettings;
    std::function<void()> checkForUpdates;
    std::function<void()> quit;

    // The shared schedulers, settings and notices, the desktop's tray, and the window
    // manager's break panels and settings window.
    static MenuBarServices forApplication(WindowManager &windowManager,
                                          SettingsRepository &defaults, AppNotifier &notifier,
                                          SessionEvents &sessionEvents);
};
