// How quickly the Breaks pane answers, on a real X server: the pane built and painted from a
// click on its sidebar row, each sub-page painted from the click on its row, the scheduled
// breaks scrolled a step at a time through 200 planned breaks (the time of each frame), and
// what still wakes the process once the window has been hidden. bench/breaks_pane.sh runs
// it inside the test services.
//
// Usage: lumenpause_breaks_pane_bench <rounds>
// Prints "pane_ms <t>", "subpage_ms <t>", "scroll_frame_ms <t>", the timer events of the two
// seconds after the window is hidden ("timer_events_after_hide <n>", then one
// "timer_event_receiver <class>/<parent class>" line each) and of the three seconds after
// ("timer_events_later <n>").

#include "FrameWatch.h"

#include "core/AppSettings.h"
#include "core/Logger.h"
#include "scheduling/BreakScheduler.h"
#include "scheduling/PlannedBreakScheduler.h"
#include "settings_ui/panes/breaks/NavigationRowButton.h"
#include "settings_ui/panes/breaks/ScreenBreaksDetailView.h"
#include "settings_ui/window/ContentView.h"
#include "settings_ui/window/DetailView.h"
#include "settings_ui/window/SettingsSidebar.h"
#include "settings_ui/window/SidebarButtonView.h"

#include <QElapsedTimer>
#include <QScrollBar>

#include <cstdio>

namespace {

constexpr int plannedBreakCount = 200;
constexpr int scrollStep = 48;

// Frames as FrameWatch notes them, and the timer events the process receives.
class TimerCountingWatch : public FrameWatch
{
public:
    using FrameWatch::FrameWatch;

    int timerEvents = 0;
    QStringList timerReceivers;

    bool notify(QObject *receiver, QEvent *event) override
    {
        if (event->type() == QEvent::Timer) {
            ++timerEvents;
            timerReceivers.append(QString::fromLatin1(receiver->metaObject()->className()) + QLatin1Char('/')
                                  + (receiver->parent() ? QString::fromLatin1(receiver->parent()->metaObject()->className()) : QStringLiteral("-")));
        }
        return FrameWatch::notify(receiver, event);
    }
};

// Lets animations and deferred deletions finish, as the user would wait.
void settle(FrameWatch &app, QWidget *root)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 400) {
        app.processEvents(QEventLoop::WaitForMoreEvents, 5);
        app.sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (!FrameWatch::animating(root))
            break;
    }
}

void addPlannedBreaks()
{
    PlannedBreakScheduler &scheduler = PlannedBreakScheduler::shared();
    while (!scheduler.breaks().isEmpty())
        scheduler.remove(scheduler.breaks().first().id);
    for (int index = 0; index < plannedBreakCount; ++index) {
        PlannedBreak planned;
        planned.name = QStringLiteral("Planned break %1").arg(index + 1);
        planned.emoji = QStringLiteral("figure.walk");
        planned.hour = index % 24;
        planned.minute = (index * 7) % 60;
        planned.durationSeconds = 300;
        planned.days = {true, true, true, true, true, index % 3 == 0, false};
        planned.enabled = index % 4 != 0;
        scheduler.add(planned);
    }
}

ScreenBreaksDetailView *breaksPane(ContentView &view)
{
    return qobject_cast<ScreenBreaksDetailView *>(view.detail()->pane());
}

void measureSubpages(FrameWatch &app, ContentView &view)
{
    for (const char *row : {"breaks.longBreaks", "breaks.officeHours", "breaks.scheduledBreaks"}) {
        auto *button = view.findChild<NavigationRowButton *>(QLatin1String(row));
        printFigure("subpage_ms", app.timeFrame([button] { button->click(); }));
        settle(app, &view);
        breaksPane(view)->setSubpage(ScreenBreaksSubpage::main);
        settle(app, &view);
    }
}

void measureScrolling(FrameWatch &app, ContentView &view)
{
    breaksPane(view)->setSubpage(ScreenBreaksSubpage::scheduledBreaks);
    settle(app, &view);
    QScrollBar *bar = view.detail()->verticalScrollBar();
    while (bar->value() < bar->maximum()) {
        const int next = std::min(bar->maximum(), bar->value() + scrollStep);
        printFigure("scroll_frame_ms", app.timeFrame([bar, next] { bar->setValue(next); }));
    }
    breaksPane(view)->setSubpage(ScreenBreaksSubpage::main);
    settle(app, &view);
}

} // namespace

int main(int argc, char **argv)
{
    TimerCountingWatch app(argc, argv);
    setLogSink(nullptr);
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 5;
    AppSettings::shared();
    BreakScheduler::shared();
    addPlannedBreaks();
    ContentView view(ContentServices::shared());
    app.watch(&view);
    view.resize(880, 820);
    view.show();
    settle(app, &view);
    for (int round = 0; round < rounds; ++round) {
        view.setSelectedSection(SidebarSection::general);
        settle(app, &view);
        auto *row = view.sidebar()->row(SidebarSection::breaks);
        printFigure("pane_ms", app.timeFrame([row] { row->click(); }));
        settle(app, &view);
        measureSubpages(app, view);
    }
    measureScrolling(app, view);
    breaksPane(view)->setSubpage(ScreenBreaksSubpage::officeHours);
    settle(app, &view);
    view.hide();
    const auto countTimerEvents = [&app](int milliseconds) {
        app.timerEvents = 0;
        app.timerReceivers.clear();
        QElapsedTimer idle;
        idle.start();
        while (idle.elapsed() < milliseconds)
            app.processEvents(QEventLoop::WaitForMoreEvents, 50);
        return app.timerEvents;
    };
    // Two seconds in which the store writes what the page saved as it left (a second later);
    // then nothing of the pane may wake the process at all.
    printFigure("timer_events_after_hide", countTimerEvents(2000));
    for (const QString &receiver : std::as_const(app.timerReceivers))
        std::printf("timer_event_receiver %s\n", qPrintable(receiver));
    printFigure("timer_events_later", countTimerEvents(3000));
    return 0;
}
