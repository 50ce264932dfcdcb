// How quickly the settings window shows: from the request the tray's "Settings" item makes
// to the window's first frame handed to the display, for the first open (the window and its
// content built), for reopening the kept window, and for switching sections. Run it on a real
// X server with a window manager (bench/settings_window.sh runs it inside the test services).
//
// Usage: lumenpause_settings_bench <reopens>
// Prints "first_open_ms <t>", then "reopen_ms <t>" per reopen and "switch_ms <t>" per
// section, one line each.

#include "FrameWatch.h"

#include "breakscreen/ActivationController.h"
#include "breakscreen/SettingsWindowController.h"
#include "core/AppSettings.h"
#include "core/AppState.h"
#include "core/Logger.h"
#include "scheduling/BreakScheduler.h"
#include "settings_ui/window/ContentView.h"
#include "settings_ui/window/SettingsSidebar.h"
#include "settings_ui/window/SidebarButtonView.h"

int main(int argc, char **argv)
{
    FrameWatch app(argc, argv);
    setLogSink(nullptr);
    const int reopens = argc > 1 ? std::atoi(argv[1]) : 10;
    // What the running application already holds when the tray is clicked.
    AppSettings::shared();
    BreakScheduler::shared();
    AppStateStore state;
    ActivationController activation(state);
    SettingsWindowController controller(activation, state);
    ContentView *view = nullptr;
    controller.setContentFactory([&] {
        view = new ContentView(ContentServices::shared());
        // A paint of it or of anything inside it counts.
        app.watchContent(view);
        return view;
    });
    printFigure("first_open_ms", app.timeFrame([&] {
                    controller.show();
                    app.watch(controller.window(), view);
                }), 1);
    for (int reopen = 0; reopen < reopens; ++reopen) {
        controller.hide();
        app.processEvents();
        printFigure("reopen_ms", app.timeFrame([&] { controller.show(); }), 1);
    }
    for (const QList<SidebarSection> &group : sidebarGroups()) {
        for (SidebarSection section : group) {
            // Choosing the selected section again changes nothing, and shows no frame.
            if (section == view->selectedSection())
                continue;
            printFigure("switch_ms", app.timeFrame([&] { view->sidebar()->row(section)->click(); }), 1);
            // As a person would, the next click comes once the window has settled.
            while (app.animating(view))
                app.processEvents(QEventLoop::WaitForMoreEvents, 5);
        }
    }
    return 0;
}
