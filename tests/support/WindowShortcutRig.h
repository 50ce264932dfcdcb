#pragma once

#include "menubar/ShortcutController.h"
#include "settings_ui/window/ContentServices.h"

#include <QByteArray>
#include <QString>

struct SettingsWindowRig;

// A hot-key and login-item controller on a settings window rig's own store and settings, so
// that what the General and Shortcuts panes write lands in the rig's settings file, with the
// autostart entry in the rig's throw-away folder beside it. The hot keys are the rig's fake
// ones; none is registered until startRuntime().
struct WindowShortcutRig
{
    explicit WindowShortcutRig(SettingsWindowRig &rig);

    // <folder>/autostart/local.lumenpause.app.desktop
    QString entryPath() const;
    // An entry that starts a program that exists; `hidden` as the desktop's startup settings
    // switch one off.
    static QByteArray entryText(bool hidden = false);
    // The rig's services with this controller in place of the rig's own.
    ContentServices services();
    // As the launch coordinator starts the hot keys.
    void startRuntime();

    SettingsWindowRig &rig;
    ShortcutController controller;
};
