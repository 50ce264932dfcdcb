// Renders the settings window to PNG files, light and dark: the shell on each section (with
// the "Paused" badge and a row under the pointer) and a sheet of the shared components, and
// whatever states the panes register in render_settings/.
//
// Usage: render_settings <output folder> [--scale <device pixel ratio>]

#include "render_settings/SettingsRenderStates.h"
#include "settings_ui/Motion.h"
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
    return written ? 0 : 1;
}
