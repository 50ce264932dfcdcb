#pragma once

#include "app/RuntimeServices.h"

// The runtime services of the application: each step goes to the shared instance of its
// service, which is made on its first use.
class SharedRuntimeServices : public RuntimeServices
{
public:
    // Made on first use and never destroyed.
    static SharedRuntimeServices &instance();

    void clearBreakPauseReasons() override;
    void startBreakTimer() override;
    void stopBreakTimer() override;
    void breakTimerWillSleep() override;
    void breakTimerDidWake() override;
    void startWellness() override;
    void stopWellness() override;
    void startTypingHealth() override;
    void stopTypingHealth() override;
    void startOfficeHours() override;
    void stopOfficeHours() override;
    bool plannedBreaksStarted() const override;
    void startPlannedBreaks() override;
    void evaluatePlannedBreaks() override;
    void stopPlannedBreaks() override;
    void setHotKeysRuntimeStarted(bool started) override;
    void updateHotKeyRegistration() override;
    void unregisterHotKeys() override;
};
