#include "settings_ui/window/SettingsPanes.h"

#include "settings_ui/panes/app/AboutDetailView.h"
#include "settings_ui/panes/app/AdvancedDetailView.h"
#include "settings_ui/panes/app/GeneralDetailView.h"
#include "settings_ui/panes/app/ShortcutsDetailView.h"
#include "settings_ui/panes/behavior/SmartPauseDetailView.h"
#include "settings_ui/panes/behavior/WellnessDetailView.h"
#include "settings_ui/panes/breaks/ScreenBreaksDetailView.h"
#include "settings_ui/panes/calls_media/MediaDetailView.h"
#include "settings_ui/panes/calls_media/MeetingsDetailView.h"
#include "settings_ui/panes/notifications/NotificationsDetailView.h"
#include "settings_ui/panes/statistics/StatsDetailView.h"

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
