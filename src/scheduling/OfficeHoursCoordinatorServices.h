#pragma once

#include <functional>

class AppSettings;
class BreakScheduler;
class Clock;
class HUDPresenter;
class PlannedBreakScheduler;
class ReminderQueue;
class TypingHealthEngine;
class WellnessScheduler;

// What the office-hours coordinator reads and tells: the application hands in the shared
// services, a test its own on a fake clock.
struct OfficeHoursCoordinatorServices
{
    AppSettings &settings;
    Clock &clock;
    BreakScheduler &breakTimer;
    WellnessScheduler &wellness;
    PlannedBreakScheduler &plannedBreaks;
    ReminderQueue &reminders;
    TypingHealthEngine &typingHealth;
    HUDPresenter &hud;
    // Whether break panels are up or fading out; empty asks the published window manager.
    std::function<bool()> isBreakShowing = {};
};
