#include "settings_ui/window/ContentServices.h"

#include "core/AppNotifier.h"
#include "core/AppServices.h"
#include "core/AppSettings.h"
#include "core/FileSettingsRepository.h"
#include "core/LocalStatisticsStore.h"
#include "core/SystemClock.h"
#include "core/ThemeManager.h"
#include "detection/TypingHealthEngine.h"
#include "detection/WellnessScheduler.h"
#include "menubar/AppSoundPlayer.h"
#include "menubar/FloatingHUD.h"
#include "menubar/ReminderQueue.h"
#include "menubar/ShortcutController.h"
#include "scheduling/BreakScheduler.h"
#include "scheduling/PlannedBreakScheduler.h"

ContentServices ContentServices::shared()
{
    return {FileSettingsRepository::standard(), AppNotifier::instance(), ThemeManager::shared(), {}};
}

AppSettings &ContentServices::sharedSettings()
{
    return AppSettings::shared();
}

BreakScheduler &ContentServices::sharedBreakScheduler()
{
    return BreakScheduler::shared();
}

WellnessScheduler &ContentServices::sharedWellness()
{
    return WellnessScheduler::shared();
}

TypingHealthEngine &ContentServices::sharedTyping()
{
    return TypingHealthEngine::shared();
}

ShortcutController &ContentServices::sharedShortcuts()
{
    return ShortcutController::shared();
}

LocalStatisticsStore &ContentServices::sharedStatistics()
{
    return LocalStatisticsStore::shared();
}

PlannedBreakScheduler &ContentServices::sharedPlannedBreaks()
{
    return PlannedBreakScheduler::shared();
}

ReminderQueue &ContentServices::sharedReminders()
{
    return ReminderQueue::shared();
}

HUDPresenter &ContentServices::sharedHUD()
{
    return FloatingHUD::shared();
}

AppSoundPlayer &ContentServices::sharedSounds()
{
    return AppSoundPlayer::shared();
}

AppServices &ContentServices::sharedAppServices()
{
    return AppServices::shared();
}

Clock &ContentServices::sharedClock()
{
    // Never destroyed: debounced saves may still ask for it while the application winds down.
    static SystemClock *const clock = new SystemClock;
    return *clock;
}
