#pragma once

#include "core/LoginItem.h"

#include <functional>

class AppSettings;
class BreakScheduler;
class GlobalHotKeys;
class HUDPresenter;
class ReminderQueue;
class SettingsRepository;

// Everything the hot keys and the login item act on. The application hands in its shared
// services, the desktop's hot keys and the standard autostart entry; a test its own.
struct ShortcutServices
{
    // Holds "shortcutsEnabled".
    SettingsRepository &defaults;
    AppSettings &settings;
    BreakScheduler &scheduler;
    ReminderQueue &reminders;
    HUDPresenter &hud;
    GlobalHotKeys &hotKeys;
    LoginItem loginItem;
    // Whether break panels are up or fading out.
    std::function<bool()> isBreakShowing;
    // Ends the break on screen with the outcome "skipped".
    std::function<void()> skipBreakOnScreen;
    std::function<void()> openSettings;

    // The shared schedulers, settings and notices, and the window manager the application
    // publishes, looked up at each use (there may be none yet).
    static ShortcutServices forApplication(GlobalHotKeys &hotKeys);
};
