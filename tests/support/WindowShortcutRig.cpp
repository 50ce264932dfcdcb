#include "support/WindowShortcutRig.h"

#include "support/SettingsWindowRig.h"

WindowShortcutRig::WindowShortcutRig(SettingsWindowRig &rig)
    : rig(rig)
    , controller({
          .defaults = rig.store,
          .settings = rig.settings,
          .scheduler = rig.timer.scheduler,
          .reminders = rig.timer.reminders,
          .hud = rig.timer.hud,
          .hotKeys = rig.timer.fakeHotKeys,
          .loginItem = LoginItem(entryPath(), {}, QStringLiteral("/bin/true")),
          .isBreakShowing = [] { return false; },
          .skipBreakOnScreen = [] {},
          .openSettings = [] {},
      })
{
}

QString WindowShortcutRig::entryPath() const
{
    return rig.folder.filePath(QStringLiteral("autostart/local.lumenpause.app.desktop"));
}

QByteArray WindowShortcutRig::entryText(bool hidden)
{
    QByteArray text = "[Desktop Entry]\nType=Application\nName=Lumenpause\nExec=/bin/true\n";
    if (hidden)
        text += "Hidden=true\n";
    return text;
}

ContentServices WindowShortcutRig::services()
{
    ContentServices services = rig.services();
    services.shortcuts = controller;
    return services;
}

void WindowShortcutRig::startRuntime()
{
    controller.setIsRuntimeStarted(true);
    controller.updateHotKeyRegistration();
}
