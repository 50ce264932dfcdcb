#include "settings_ui/SettingsPanes.h"

#include "settings_ui/AboutDetailView.h"
#include "settings_ui/AdvancedDetailView.h"
#include "settings_ui/GeneralDetailView.h"
#include "settings_ui/MediaDetailView.h"
#include "settings_ui/MeetingsDetailView.h"
#include "settings_ui/NotificationsDetailView.h"
#include "settings_ui/ScreenBreaksDetailView.h"
#include "settings_ui/ShortcutsDetailView.h"
#include "settings_ui/SmartPauseDetailView.h"
#include "settings_ui/StatsDetailView.h"
#include "settings_ui/WellnessDetailView.h"

// Each pane registers on the one line of its section, by returning its maker
// (`return &GeneralDetailView::make;`), and includes its header above.
SettingsPanes::Factory SettingsPanes::factory(SidebarSection section)
{
    switch (section) {
    case SidebarSection::general:
        return &GeneralDetailView::make;
    case SidebarSection::breaks:
        return &ScreenBreaksDetailView::make;
    case SidebarSection::smartBehavior:
        return &SmartPauseDetailView::make;
    case SidebarSection::wellness:
        return &WellnessDetailView::make;
    case SidebarSection::notifications:
        return &NotificationsDetailView::make;
    case SidebarSection::meetings:
        return &MeetingsDetailView::make;
    case SidebarSection::media:
        return &MediaDetailView::make;
    case SidebarSection::advanced:
        return &AdvancedDetailView::make;
    case SidebarSection::shortcuts:
        return &ShortcutsDetailView::make;
    case SidebarSection::stats:
        return &StatsDetailView::make;
    case SidebarSection::about:
        return &AboutDetailView::make;
    case SidebarSection::debug:
        return nullptr;
    }
    return nullptr;
}

QWidget *SettingsPanes::make(SidebarSection section, const ContentServices &services)
{
    // `debug` has no maker and shows nothing.
    const Factory make = factory(section);
    return make ? make(services) : nullptr;
}
