// The window on each section listed in the sidebar, with the break timer paused by hand (the
// "Paused" badge) and the pointer over another row, and once on Breaks as most people see it.

#include "render_settings/SettingsRenderStates.h"

#include "settings_ui/window/ContentView.h"
#include "settings_ui/window/SettingsSidebar.h"
#include "settings_ui/window/SidebarButtonView.h"
#include "support/SettingsWindowRig.h"

#include <QCoreApplication>
#include <QEnterEvent>

namespace {

QString fileStem(SidebarSection section)
{
    return sidebarSectionRawValue(section).toLower().remove(QLatin1Char(' '));
}

void hover(QWidget *row)
{
    const QPointF inside(10, 10);
    QEnterEvent enter(inside, inside, row->mapToGlobal(inside));
    QCoreApplication::sendEvent(row, &enter);
}

void pauseAndHover(SettingsWindowRig &rig, ContentView &view)
{
    rig.timer.scheduler.pause(PauseReason::manual);
    const SidebarSection hovered = view.selectedSection() == SidebarSection::wellness
                                       ? SidebarSection::notifications
                                       : SidebarSection::wellness;
    hover(view.sidebar()->row(hovered));
}

bool renderShell(SettingsRenderContext &context)
{
    bool written = context.save(QStringLiteral("shell-breaks-running"),
                                context.window(SidebarSection::breaks));
    for (const QList<SidebarSection> &group : sidebarGroups()) {
        for (SidebarSection section : group)
            written &= context.save(QStringLiteral("shell-") + fileStem(section),
                                    context.window(section, pauseAndHover));
    }
    return written;
}

const SettingsRenderStates::Registration shell("shell", renderShell);

} // namespace
