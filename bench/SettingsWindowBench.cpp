// How quickly the settings window shows: from the request the tray's "Settings" item makes
// to the window's first frame handed to the display, for the first open (the window and its
// content built), for reopening the kept window, and for switching sections. Run it on a real
// X server with a window manager (bench/settings_window.sh runs it inside the test services).
//
// Usage: lumenpause_settings_bench <reopens>
// Prints "first_open_ms <t>", then "reopen_ms <t>" per reopen and "switch_ms <t>" per
// section, one line each.

#include "breakscreen/ActivationController.h"
#include "breakscreen/SettingsWindowController.h"
#include "core/AppSettings.h"
#include "core/AppState.h"
#include "core/Logger.h"
#include "scheduling/BreakScheduler.h"
#include "settings_ui/ContentView.h"
#include "settings_ui/SettingsSidebar.h"
#include "settings_ui/SidebarButtonView.h"

#include <QAbstractAnimation>
#include <QApplication>
#include <QElapsedTimer>
#include <QWindow>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int frameTimeoutMs = 5000;

// Notes when a frame of the settings window has been painted and handed to the display: the
// end of the window's expose or update handling once something of its content painted.
class FrameWatch : public QApplication
{
public:
    using QApplication::QApplication;

    // The window gets the exposes, its top-level widget the update requests.
    QWindow *window = nullptr;
    QWidget *topLevel = nullptr;
    // A paint of it or of anything inside it counts.
    QWidget *content = nullptr;
    bool contentPainted = false;
    bool framed = false;

    bool notify(QObject *receiver, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (content && type == QEvent::Paint && receiver->isWidgetType()
            && (receiver == content || content->isAncestorOf(static_cast<QWidget *>(receiver))))
            contentPainted = true;
        const bool result = QApplication::notify(receiver, event);
        const bool frame = (receiver == window && type == QEvent::Expose)
                           || (receiver == topLevel && type == QEvent::UpdateRequest);
        if (receiver && frame && contentPainted)
            framed = true;
        return result;
    }

    static bool animating(const QWidget *root)
    {
        const auto animations = root->findChildren<QAbstractAnimation *>();
        return std::any_of(animations.cbegin(), animations.cend(), [](const QAbstractAnimation *a) {
            return a->state() == QAbstractAnimation::Running;
        });
    }

    // Milliseconds from now until the next frame with painted content, after `act`.
    double timeFrame(const std::function<void()> &act)
    {
        contentPainted = false;
        framed = false;
        QElapsedTimer clock;
        clock.start();
        act();
        while (!framed && clock.elapsed() < frameTimeoutMs)
            processEvents(QEventLoop::WaitForMoreEvents, 5);
        return framed ? clock.nsecsElapsed() / 1e6 : -1;
    }
};

void print(const char *what, double ms)
{
    std::printf("%s %.1f\n", what, ms);
    std::fflush(stdout);
}

} // namespace

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
        app.content = view;
        return view;
    });
    print("first_open_ms", app.timeFrame([&] {
        controller.show();
        app.topLevel = controller.window();
        app.window = controller.window()->windowHandle();
    }));
    for (int reopen = 0; reopen < reopens; ++reopen) {
        controller.hide();
        app.processEvents();
        print("reopen_ms", app.timeFrame([&] { controller.show(); }));
    }
    for (const QList<SidebarSection> &group : sidebarGroups()) {
        for (SidebarSection section : group) {
            // Choosing the selected section again changes nothing, and shows no frame.
            if (section == view->selectedSection())
                continue;
            print("switch_ms", app.timeFrame([&] { view->sidebar()->row(section)->click(); }));
            // As a person would, the next click comes once the window has settled.
            while (app.animating(view))
                app.processEvents(QEventLoop::WaitForMoreEvents, 5);
        }
    }
    return 0;
}
