#include "menubar/ShortcutServices.h"

#include "breakscreen/WindowManager.h"
#include "core/AppSettings.h"
#include "core/FileSettingsRepository.h"
#include "menubar/FloatingHUD.h"
#include "menubar/ReminderQueue.h"
#include "scheduling/BreakDismissalOutcome.h"
#include "scheduling/BreakScheduler.h"

ShortcutServices ShortcutServices::forApplication(GlobalHotKeys &hotKeys)
{
    return {
        .defaults = FileSettingsRepository::standard(),
        .settings = AppSettings::shared(),
        .scheduler = BreakScheduler::shared(),
        .reminders = ReminderQueue::shared(),
        .hud = FloatingHUD::shared(),
        .hotKeys = hotKeys,
        .loginItem = LoginItem::standard(),
        .isBreakShowing = &WindowManager::isBreakShowing,
        .skipBreakOnScreen =
            [] {
                if (WindowManager *windows = WindowManager::shared())
                    windows->breakController().dismiss(BreakDismissalOutcome::skipped());
            },
        .openSettings =
            [] {
                if (WindowManager *windows = WindowManager::shared())
                    windows->settingsController().show();
            },
    };
}
