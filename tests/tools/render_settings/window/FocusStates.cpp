// The keyboard's focus ring where it is hardest to see: on the selected sidebar row, on the
// selected enforcement card, on a navigation row, on a sub-page's back button and on a radio
// row of the Notifications pane, and on the volume slider's knob.

#include "render_settings/SettingsRenderStates.h"

#include "settings_ui/components/ScrollToFocus.h"
#include "settings_ui/window/ContentView.h"
#include "settings_ui/window/DetailView.h"
#include "settings_ui/window/SettingsSidebar.h"
#include "settings_ui/window/SidebarButtonView.h"
#include "support/SettingsWindowRig.h"

#include <QApplication>

namespace {

// Focuses the widget named `name` as Tab would, and scrolls it into view.
SettingsRenderContext::Preparation focus(const QString &name)
{
    return [name](SettingsWindowRig &, ContentView &view) {
        QApplication::setActiveWindow(&view);
        auto *widget = view.findChild<QWidget *>(name);
        if (!widget)
            return;
        // The window may have opened with the focus there already, as the sidebar's stop.
        widget->clearFocus();
        widget->setFocus(Qt::TabFocusReason);
        ScrollToFocus::reveal(widget);
    };
}

bool renderFocus(SettingsRenderContext &context)
{
    const std::pair<const char *, std::pair<SidebarSection, const char *>> shots[] = {
        {"focus-sidebar-selected", {SidebarSection::breaks, "section:Breaks"}},
        {"focus-sidebar", {SidebarSection::breaks, "section:Wellness"}},
        {"focus-enforcement-selected", {SidebarSection::breaks, "enforcement:Casual"}},
        {"focus-enforcement", {SidebarSection::breaks, "enforcement:Balanced"}},
        {"focus-navigation-row", {SidebarSection::breaks, "breaks.officeHours"}},
        {"focus-radio-row", {SidebarSection::notifications, "hudStyle.standard"}},
        {"focus-radio-row-selected", {SidebarSection::meetings, "meetingAfterBehavior.adjust"}},
        {"focus-volume-slider", {SidebarSection::notifications, "notificationSoundVolume"}},
    };
    bool written = true;
    for (const auto &[file, target] : shots)
        written &= context.save(QLatin1String(file), context.window(target.first, focus(QLatin1String(target.second))));
    return written;
}

const SettingsRenderStates::Registration focusStates("focus", renderFocus);

} // namespace
