#pragma once

#include "settings_ui/window/SidebarSection.h"

class QWidget;
struct ContentServices;

// Which pane each section of the settings window shows. Every pane is made afresh each time
// its section is chosen, from the window's services, and becomes the caller's; `debug` shows
// nothing (null).
class SettingsPanes
{
public:
    using Factory = QWidget *(*)(const ContentServices &services);

    // The section's own pane maker, or null for `debug`.
    static Factory factory(SidebarSection section);
    static QWidget *make(SidebarSection section, const ContentServices &services);
};
