#pragma once

class BatteryProvider;
class DisplayStateProvider;
class InputStateProvider;
class SessionEvents;

// The platform readings the shared schedulers use unless they are handed others. The
// application installs the system implementations once at start-up, before any scheduler is
// made; until then quiet stand-ins answer (no idle reading, display active, no battery, no sleep
// or lock ever), so nothing in a test reaches the real desktop by accident.
class SystemProviders
{
public:
    static InputStateProvider &inputState();
    static DisplayStateProvider &displayState();
    static BatteryProvider &battery();
    static SessionEvents &sessionEvents();

    // Null keeps the current provider. The providers must live as long as the process.
    static void install(InputStateProvider *inputState, DisplayStateProvider *displayState,
                        BatteryProvider *battery, SessionEvents *sessionEvents = nullptr);
};
