#pragma once

#include "menubar/ShortcutController.h"
#include "settings_ui/ContentServices.h"

#include <QByteArray>
#include <QString>

struct SettingsWindowRig;

// A hot-key and login-item controller on a settings window rig's own store and settings,
// whose autostart entry lives in the rig's throw-away folder, so that a test sees the General
// pane's switch, the entry on disk and the settings file side by side. The hot keys are the
// rig's fake ones.
struct SettingsLoginRig
{
    explicit SettingsLoginRig(SettingsWindowRig &rig);

    // <folder>/autostart/local.lumenpause.app.desktop
    QString entryPath() const;
    // An entry that starts a program that exists; `hidden` as the desktop's startup settings
    // switch one off.
    static QByteArray entryText(bool hidden = false);
    // The rig's services with this controller in place of the rig's own.
    ContentServices services();

    SettingsWindowRig &rig;
    ShortcutController controller;
};
