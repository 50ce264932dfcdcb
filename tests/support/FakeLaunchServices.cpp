#include "support/FakeLaunchServices.h"

const QStringList &FakeLaunchServices::startSteps()
{
    static const QStringList steps = {
        "clearBreakPauseReasons",
        "startBreakTimer",
        "startWellness",
        "startTypingHealth",
        "startOfficeHours",
        "startPlannedBreaks",
        "evaluatePlannedBreaks",
        "setHotKeysRuntimeStarted(true)",
        "updateHotKeyRegistration",
    };
    return steps;
}

const QStringList &FakeLaunchServices::stopSteps()
{
    static const QStringList steps = {
        "stopOfficeHours",
        "stopPlannedBreaks",
        "setHotKeysRuntimeStarted(false)",
        "unregisterHotKeys",
        "stopWellness",
        "stopTypingHealth",
        "stopBreakTimer",
    };
    return steps;
}
