#include "app/SharedRuntimeServices.h"

#include "detection/TypingHealthEngine.h"
#include "detection/WellnessScheduler.h"
#include "menubar/ShortcutController.h"
#include "scheduling/BreakScheduler.h"
#include "scheduling/OfficeHoursRuntimeCoordinator.h"
#include "scheduling/PlannedBreakScheduler.h"

SharedRuntimeServices &SharedRuntimeServices::instance()
{
    static auto *services = new SharedRuntimeServices;
    return *services;
}

void SharedRuntimeServices::clearBreakPauseReasons()
{
    BreakScheduler::shared().clearPauseReasons();
}

void SharedRuntimeServices::startBreakTimer()
{
    BreakScheduler::shared().start();
}

void SharedRuntimeServices::stopBreakTimer()
{
    BreakScheduler::shared().stop();
}

void SharedRuntimeServices::breakTimerWillSleep()
{
    BreakScheduler::shared().systemWillSleep();
}

void SharedRuntimeServices::breakTimerDidWake()
{
    BreakScheduler::shared().systemDidWake();
}

void SharedRuntimeServices::startWellness()
{
    WellnessScheduler::shared().startRuntime();
}

void SharedRuntimeServices::stopWellness()
{
    WellnessScheduler::shared().stopRuntime();
}

void SharedRuntimeServices::startTypingHealth()
{
    TypingHealthEngine::shared().startMonitoring();
}

void SharedRuntimeServices::stopTypingHealth()
{
    TypingHealthEngine::shared().stopMonitoring();
}

void SharedRuntimeServices::startOfficeHours()
{
    OfficeHoursRuntimeCoordinator::shared().start();
}

void SharedRuntimeServices::stopOfficeHours()
{
    OfficeHoursRuntimeCoordinator::shared().stop();
}

bool SharedRuntimeServices::plannedBreaksStarted() const
{
    return PlannedBreakScheduler::shared().isStarted();
}

void SharedRuntimeServices::startPlannedBreaks()
{
    PlannedBreakScheduler::shared().start();
}

void SharedRuntimeServices::evaluatePlannedBreaks()
{
    PlannedBreakScheduler::shared().evaluate();
}

void SharedRuntimeServices::stopPlannedBreaks()
{
    PlannedBreakScheduler::shared().stop();
}

void SharedRuntimeServices::setHotKeysRuntimeStarted(bool started)
{
    ShortcutController::shared().setIsRuntimeStarted(started);
}

void SharedRuntimeServices::updateHotKeyRegistration()
{
    ShortcutController::shared().updateHotKeyRegistration();
}

void SharedRuntimeServices::unregisterHotKeys()
{
    ShortcutController::shared().unregisterHotKeys();
}
