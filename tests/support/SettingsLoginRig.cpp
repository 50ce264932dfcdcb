#include "support/SettingsLoginRig.h"

#include "support/SettingsWindowRig.h"

SettingsLoginRig::SettingsLoginRig(SettingsWindowRig &rig)
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

QString SettingsLoginRig::entryPath() const
{
    return rig.folder.filePath(QStringLiteral("autostart/local.lumenpause.app.desktop"));
}

QByteArray SettingsLoginRig::entryText(bool hidden)
{
    QByteArray text = "[Desktop Entry]\nType=Application\nName=Lumenpause\nExec=/bin/true\n";
    if (hidden)
        text += "Hidden=true\n";
    return text;
}

ContentServices SettingsLoginRig::services()
{
    ContentServices services = rig.services();
    services.shortcuts = controller;
    return services;
}
