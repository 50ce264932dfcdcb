#pragma once

#include <functional>

class AppNotifier;
class AppSettings;
class BatteryProvider;
class Clock;
class InputStateProvider;
class LocalStatisticsStore;
class PlannedBreakScheduler;
class ReminderQueue;
class TypingHealthEngine;
class WellnessScheduler;

// Everything the break timer reads from or tells: the application hands in the shared
// services, a test its own instances on a fake clock and fake readings.
struct BreakSchedulerServices
{
    AppSettings &settings;
    Clock &clock;
    InputStateProvider &inputState;
    BatteryProvider &battery;
    LocalStatisticsStore &statistics;
    ReminderQueue &reminders;
    WellnessScheduler &wellness;
    PlannedBreakScheduler &plannedBreaks;
    TypingHealthEngine &typingHealth;
    AppNotifier &notifier;
    // Whether break panels are up or fading out; empty asks the published window manager.
    std::function<bool()> isBreakShowing = {};
};
