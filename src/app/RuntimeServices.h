#pragma once

// The services that run once the user is onboarded: the break timer, the wellness scheduler,
// typing health, office hours, planned breaks and the global hot keys. The launch
// coordinator starts and stops them in fixed orders through this one surface, so those
// orders can be followed step by step; the application's implementation forwards each step
// to the shared instance. Main thread only.
class RuntimeServices
{
public:
    virtual ~RuntimeServices() = default;

    // Releases every reason that holds the break timer, without starting it.
    virtual void clearBreakPauseReasons() = 0;
    // A fresh work interval.
    virtual void startBreakTimer() = 0;
    virtual void stopBreakTimer() = 0;
    virtual void breakTimerWillSleep() = 0;
    virtual void breakTimerDidWake() = 0;

    virtual void startWellness() = 0;
    virtual void stopWellness() = 0;

    virtual void startTypingHealth() = 0;
    virtual void stopTypingHealth() = 0;

    virtual void startOfficeHours() = 0;
    virtual void stopOfficeHours() = 0;

    virtual bool plannedBreaksStarted() const = 0;
    // Marks planned breaks started and begins their periodic check.
    virtual void startPlannedBreaks() = 0;
    virtual void evaluatePlannedBreaks() = 0;
    virtual void stopPlannedBreaks() = 0;

    virtual void setHotKeysRuntimeStarted(bool started) = 0;
    virtual void updateHotKeyRegistration() = 0;
    virtual void unregisterHotKeys() = 0;
};
