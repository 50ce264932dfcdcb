#pragma once

#include <functional>

class AppNotifier;
class AppSettings;
class BatteryProvider;
class Clock;
class DisplayStateProvider;
class InputStateProvider;
class LocalStatisticsStore;
class PlannedBreakScheduler;
class ReminderQueue;
class SessionEvents;
class TypingHealthEngine;
class WellnessScheduler;

// Everything the break timer reads from or tells: the application hands in the shared
// services, a test its own instances on a fake clock and fake readings.
struct BreakSchedulerServices
{
    AppSettings &settings;
    Clock &clock;
    InputStateProvider &inputState;
    DisplayStateProvider &displayState;
    BatteryProvider &battery;
    LocalStatisticsStore &statistics;
    ReminderQueue &reminders;
    WellnessScheduler &wellness;
    PlannedBreakScheduler &plannedBreaks;
    TypingHealthEngine &typingHealth;
    AppNotifier &notifier;
    // The login session becoming inactive and active again. Sleep and wake come through the
    // launch coordinator instead, which owns the order of the runtime's steps around them.
    SessionEvents &sessionEvents;
    // Whether break panels are up or fading out; empty asks the published window manager.
    std::function<bool()> isBreakShowing = {};
    // How many screens are connected now; empty counts the application's screens.
    std::function<int()> screenCount = {};
};
