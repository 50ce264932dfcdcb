#pragma once

#include <functional>

class AppNotifier;
class AppSettings;
class BreakScheduler;
class Clock;
class HUDPresenter;
class InputStateProvider;
class LocalStatisticsStore;
class ReminderQueue;
class SettingsRepository;
class WellnessScheduler;

// Everything the planned-break scheduler reads from or tells: the application hands in the
// shared services, a test its own instances on a fake clock.
struct PlannedBreakSchedulerServices
{
    AppSettings &settings;
    Clock &clock;
    SettingsRepository &defaults;
    InputStateProvider &inputState;
    LocalStatisticsStore &statistics;
    ReminderQueue &reminders;
    HUDPresenter &hud;
    WellnessScheduler &wellness;
    AppNotifier &notifier;
    // Reached only when needed: the break timer is built with this scheduler as one of its
    // own services, so it does not exist yet when this one is made.
    std::function<BreakScheduler &()> breakScheduler;
    // Whether break panels are up or fading out; empty asks the published window manager.
    std::function<bool()> isBreakShowing = {};
};
