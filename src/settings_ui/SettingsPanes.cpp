#include "settings_ui/SettingsPanes.h"

#include "settings_ui/MeetingsDetailView.h"
#include "settings_ui/NotificationsDetailView.h"
#include "settings_ui/PanePlaceholder.h"
#include "settings_ui/ScreenBreaksDetailView.h"
#include "settings_ui/StatsDetailView.h"

// Each pane registers on the one line of its section, by returning its maker
// (`return &GeneralDetailView::make;`), and includes its header above.
SettingsPanes::Factory SettingsPanes::factory(SidebarSection section)
{
    switch (section) {
    case SidebarSection::general:
        return nullptr;
    case SidebarSection::breaks:
        return &ScreenBreaksDetailView::make;
    case SidebarSection::smartBehavior:
        return nullptr;
    case SidebarSection::wellness:
        return nullptr;
    case SidebarSection::notifications:
        return &NotificationsDetailView::make;
    case SidebarSection::meetings:
        return &MeetingsDetailView::make;
    case SidebarSection::media:
        return nullptr;
    case SidebarSection::advanced:
        return nullptr;
    case SidebarSection::shortcuts:
        return nullptr;
    case SidebarSection::stats:
        return &StatsDetailView::make;
    case SidebarSection::about:
        return nullptr;
    case SidebarSection::debug:
        return nullptr;
    }
    return nullptr;
}

QWidget *SettingsPanes::make(SidebarSection section, const ContentServices &services)
{
    if (section == SidebarSection::debug)
        return nullptr;
    if (const Factory make = factory(section))
        return make(services);
    return new PanePlaceholder(sidebarSectionRawValue(section));
}
