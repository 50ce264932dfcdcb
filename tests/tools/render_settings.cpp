// Renders the settings window to PNG files, light and dark: the shell on each section (with
// the "Paused" badge and a row under the pointer) and a sheet of the shared components, and
// whatever states the panes register in render_settings/.
//
// Usage: render_settings <output folder> [--scale <device pixel ratio>]

#include "render_settings/SettingsRenderStates.h"
#include "settings_ui/Motion.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char **argv)
{
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    const bool scaled = arguments.size() == 4 && arguments[2] == QLatin1String("--scale");
    if (arguments.size() != 2 && !scaled) {
        std::fprintf(stderr, "usage: render_settings <output folder> [--scale <ratio>]\n");
        return 2;
    }
    const qreal scale = scaled ? arguments[3].toDouble() : 1.0;
    QDir folder(arguments[1]);
    if (!folder.mkpath(QStringLiteral(".")) || scale <= 0)
        return 1;
    // Every picture shows where its animations end.
    Motion::setJumpToEnd(true);
    SettingsRenderContext context(folder, scale);
    bool written = true;
    for (const ColorScheme scheme : {ColorScheme::light, ColorScheme::dark}) {
        context.setScheme(scheme);
        for (const auto &[name, render] : SettingsRenderStates::all())
            written &= render(context);
    }
    return written ? 0 : 1;
}
