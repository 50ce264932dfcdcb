// Renders the settings window to PNG files, light and dark: the shell on each section (with
// the "Paused" badge and a row under the pointer) and a sheet of the shared components, and
// whatever states the panes register in render_settings/. Each picture of a window or a pane
// first prints the small text in it (14 pixels or less) that stands out least against its
// 4.5:1 floor; the last line counts the pictures that miss it.
//
// Usage: render_settings <output folder> [--scale <device pixel ratio>]

#include "render_settings/SettingsRenderStates.h"
#include "settings_ui/components/Motion.h"
#include "support/RenderTool.h"

#include <QApplication>

int main(int argc, char **argv)
{
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
    QApplication app(argc, argv);
    const RenderArguments arguments = readRenderArguments("render_settings");
    if (arguments.failure)
        return arguments.failure;
    // Every picture shows where its animations end.
    Motion::setJumpToEnd(true);
    SettingsRenderContext context(arguments.folder, arguments.scale);
    bool written = true;
    for (const ColorScheme scheme : {ColorScheme::light, ColorScheme::dark}) {
        context.setScheme(scheme);
        for (const auto &[name, render] : SettingsRenderStates::all())
            written &= render(context);
    }
    printSmallTextSummary(context.measuredShots(), context.missedShots());
    return written ? 0 : 1;
}
