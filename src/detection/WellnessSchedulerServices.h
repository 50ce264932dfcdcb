#pragma once

#include <QtGlobal>

#include <functional>

class ActivitySignals;
class AppSettings;
class Clock;
class DisplayStateProvider;
class InputStateProvider;
class ReminderQueue;
class SerialQueue;
class SettingsRepository;

// Everything the wellness scheduler reads from or tells: the application hands in the shared
// services and the system readings, a test its own instances on a fake clock. The break timer
// is bound after construction, as it is built with this scheduler as one of its services.
struct WellnessSchedulerServices
{
    SettingsRepository &defaults;
    AppSettings &settings;
    Clock &clock;
    InputStateProvider &inputState;
    DisplayStateProvider &displayState;
    ReminderQueue &reminders;
    ActivitySignals &activitySignals;
    // Where the detectors run, off the main thread; none runs them at once on the caller's
    // thread, as unit tests want.
    SerialQueue *evaluationQueue = nullptr;
    // A uniform index below the bound; empty draws from the system's random source.
    std::function<qsizetype(qsizetype)> randomIndex = {};
};
