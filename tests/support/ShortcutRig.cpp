#include "support/ShortcutRig.h"

ShortcutRig::ShortcutRig(const QVariantMap &stored, GlobalHotKeys *hotKeys, LoginItem loginItem)
    : BreakSchedulerRig(stored)
    , controller({
          .defaults = store,
          .settings = settings,
          .scheduler = scheduler,
          .reminders = reminders,
          .hud = hud,
          .hotKeys = hotKeys ? *hotKeys : fakeHotKeys,
          .loginItem = std::move(loginItem),
          .isBreakShowing = [this] { return breakShowing; },
          .skipBreakOnScreen = [this] { ++skipsOfBreakOnScreen; },
          .openSettings = [this] { ++settingsOpened; },
      })
{
}

void ShortcutRig::startRuntime()
{
    scheduler.start();
    controller.setIsRuntimeStarted(true);
    controller.updateHotKeyRegistration();
}
