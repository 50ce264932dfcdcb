#include "support/BreaksPaneRig.h"

#include "settings_ui/panes/breaks/ScreenBreaksDetailView.h"
#include "settings_ui/window/DetailView.h"

#include <QApplication>
#include <QJsonDocument>

BreaksPaneRig::BreaksPaneRig()
    : plannedBreaks({
          .settings = settings,
          .clock = clock,
          .defaults = store,
          .inputState = timer.input,
          .statistics = timer.statistics,
          .reminders = timer.reminders,
          .hud = timer.hud,
          .wellness = timer.wellness,
          .notifier = notifier,
          .breakScheduler = [this]() -> BreakScheduler & { return breakTimer; },
          .isBreakShowing = [] { return false; },
      })
    , breakTimer({
          .settings = settings,
          .clock = clock,
          .inputState = timer.input,
          .displayState = timer.display,
          .battery = timer.battery,
          .statistics = timer.statistics,
          .reminders = timer.reminders,
          .wellness = timer.wellness,
          .plannedBreaks = plannedBreaks,
          .typingHealth = timer.typing,
          .notifier = notifier,
          .sessionEvents = timer.sessionEvents,
          .isBreakShowing = [] { return false; },
          .screenCount = [] { return 1; },
      })
{
    // Someone at the keyboard: the countdown runs without an idle pause.
    timer.input.setIdleSeconds(0);
}

BreaksPaneRig::~BreaksPaneRig()
{
    breakTimer.stop();
    settle();
}

ContentServices BreaksPaneRig::services()
{
    ContentServices services = SettingsWindowRig::services();
    services.breakScheduler = breakTimer;
    services.plannedBreaks = plannedBreaks;
    return services;
}

std::unique_ptr<ContentView> BreaksPaneRig::openWindow()
{
    auto view = std::make_unique<ContentView>(services());
    view->resize(880, 820);
    view->show();
    settle();
    return view;
}

ScreenBreaksDetailView *BreaksPaneRig::pane(ContentView &view)
{
    return qobject_cast<ScreenBreaksDetailView *>(view.detail()->pane());
}

ScreenBreaksDetailView *BreaksPaneRig::showSubpage(ContentView &view, ScreenBreaksSubpage subpage)
{
    pane(view)->setSubpage(subpage);
    settle();
    return pane(view);
}

QJsonObject BreaksPaneRig::storedSettings()
{
    return QJsonDocument::fromJson(settingsFile()).object();
}

void BreaksPaneRig::settle()
{
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}
