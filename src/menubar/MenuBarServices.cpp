#include "menubar/MenuBarServices.h"

#include "breakscreen/WindowManager.h"
#include "core/AppSettings.h"
#include "core/SystemClock.h"
#include "core/UpdateCoordinator.h"
#include "detection/WellnessScheduler.h"
#include "menubar/FloatingHUD.h"
#include "menubar/ReminderQueue.h"
#include "menubar/TrayStatusItem.h"
#include "menubar/WellnessMeetingPauseStatus.h"
#include "scheduling/BreakDismissalOutcome.h"
#include "scheduling/BreakScheduler.h"

#include <QCoreApplication>

MenuBarServices MenuBarServices::forApplication(WindowManager &windowManager,
                                                SettingsRepository &defaults,
                                                AppNotifier &notifier, SessionEvents &sessionEvents)
{
    // Never destroyed, like the shared services they stand beside.
    static SystemClock *const clock = new SystemClock;
    static auto *const meetings = new WellnessMeetingPauseStatus(WellnessScheduler::shared());
    return {
        .defaults = defaults,
        .settings = AppSettings::shared(),
        .scheduler = BreakScheduler::shared(),
        .meetings = *meetings,
        .reminders = ReminderQueue::shared(),
        .hud = FloatingHUD::shared(),
        .clock = *clock,
        .notifier = notifier,
        .sessionEvents = sessionEvents,
        .makeStatusItem = [] { return std::make_unique<TrayStatusItem>(); },
        .isBreakShowing = [&windowManager] { return windowManager.breakController().isShowingBreak(); },
        .skipBreakOnScreen =
            [&windowManager] {
                windowManager.breakController().dismiss(BreakDismissalOutcome::skipped());
            },
        .openSettings = [&windowManager] { windowManager.settingsController().show(); },
        .checkForUpdates = [] { UpdateCoordinator::checkForUpdates(); },
        // Quitting from the menu ends the event loop outright, as the session's end does: a
        // break panel that refuses to close must not keep the application running.
        .quit = [] { QCoreApplication::exit(0); },
    };
}
