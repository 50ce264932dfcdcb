#include "core/SystemProviders.h"

#include "core/BatteryProvider.h"
#include "core/DisplayStateProvider.h"
#include "core/InputStateProvider.h"
#include "core/SessionEvents.h"

namespace {

// Where no idle source exists. Its zeros are no readings: callers ask hasReading() first,
// so the user is never taken to be typing for ever.
class QuietInputState : public InputStateProvider
{
public:
    double secondsSinceKeyboardActivity() const override { return 0.0; }
    double secondsSincePointerActivity() const override { return 0.0; }
    bool hasReading() const override { return false; }
};

class QuietDisplayState : public DisplayStateProvider
{
public:
    bool isMainDisplayActive() const override { return true; }
};

class QuietBattery : public BatteryProvider
{
public:
    std::optional<int> currentBatteryLevel() override { return std::nullopt; }
};

struct Installed
{
    InputStateProvider *inputState;
    DisplayStateProvider *displayState;
    BatteryProvider *battery;
    SessionEvents *sessionEvents;
};

Installed &installed()
{
    static QuietInputState quietInput;
    static QuietDisplayState quietDisplay;
    static QuietBattery quietBattery;
    static SessionEvents quietSessionEvents; // the base class never emits
    static Installed providers{&quietInput, &quietDisplay, &quietBattery, &quietSessionEvents};
    return providers;
}

} // namespace

InputStateProvider &SystemProviders::inputState()
{
    return *installed().inputState;
}

DisplayStateProvider &SystemProviders::displayState()
{
    return *installed().displayState;
}

BatteryProvider &SystemProviders::battery()
{
    return *installed().battery;
}

SessionEvents &SystemProviders::sessionEvents()
{
    return *installed().sessionEvents;
}

void SystemProviders::install(InputStateProvider *inputState, DisplayStateProvider *displayState,
                              BatteryProvider *battery, SessionEvents *sessionEvents)
{
    Installed &providers = installed();
    if (inputState)
        providers.inputState = inputState;
    if (displayState)
        providers.displayState = displayState;
    if (battery)
        providers.battery = battery;
    if (sessionEvents)
        providers.sessionEvents = sessionEvents;
}
