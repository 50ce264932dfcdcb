#pragma once

#include "app/RuntimeServices.h"

#include <QStringList>

// Runtime services that only record the steps they are asked for, in order, by the step's
// name ("startBreakTimer", "setHotKeysRuntimeStarted(true)", ...). Planned breaks remember
// whether they were started, as the real scheduler does.
class FakeRuntimeServices : public RuntimeServices
{
public:
    QStringList calls;
    bool plannedStarted = false;

    void clearBreakPauseReasons() override { calls.append("clearBreakPauseReasons"); }
    void startBreakTimer() override { calls.append("startBreakTimer"); }
    void stopBreakTimer() override { calls.append("stopBreakTimer"); }
    void breakTimerWillSleep() override { calls.append("breakTimerWillSleep"); }
    void breakTimerDidWake() override { calls.append("breakTimerDidWake"); }
    void startWellness() override { calls.append("startWellness"); }
    void stopWellness() override { calls.append("stopWellness"); }
    void startTypingHealth() override { calls.append("startTypingHealth"); }
    void stopTypingHealth() override { calls.append("stopTypingHealth"); }
    void startOfficeHours() override { calls.append("startOfficeHours"); }
    void stopOfficeHours() override { calls.append("stopOfficeHours"); }
    bool plannedBreaksStarted() const override { return plannedStarted; }
    void startPlannedBreaks() override;
    void evaluatePlannedBreaks() override { calls.append("evaluatePlannedBreaks"); }
    void stopPlannedBreaks() override;
    void setHotKeysRuntimeStarted(bool started) override;
    void updateHotKeyRegistration() override { calls.append("updateHotKeyRegistration"); }
    void unregisterHotKeys() override { calls.append("unregisterHotKeys"); }
};
