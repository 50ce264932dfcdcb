#pragma once

#include "scheduling/BreakScheduler.h"
#include "scheduling/PlannedBreakScheduler.h"
#include "settings_ui/panes/breaks/ScreenBreaksSubpage.h"
#include "settings_ui/window/ContentView.h"
#include "support/SettingsWindowRig.h"

#include <QJsonObject>

#include <memory>

class ScreenBreaksDetailView;

// The Breaks pane in a whole settings window on a temporary store, with a break timer and a
// planned-break scheduler of its own on the window's settings and store, so that what the
// pane writes is what the timer reads and what the file holds. The fake clock drives the
// timer, the debounced saves and the store's own writes alike.
struct BreaksPaneRig : SettingsWindowRig
{
    BreaksPaneRig();
    ~BreaksPaneRig();

    ContentServices services();
    // The window on screen at its usual size, showing the Breaks pane.
    std::unique_ptr<ContentView> openWindow();
    static ScreenBreaksDetailView *pane(ContentView &view);
    // The pane in `view` turned to `subpage`, once what that set moving has settled.
    static ScreenBreaksDetailView *showSubpage(ContentView &view, ScreenBreaksSubpage subpage);
    // The settings file read back from disk, after writing what is pending.
    QJsonObject storedSettings();
    // Runs posted events, deferred deletions included.
    static void settle();

    PlannedBreakScheduler plannedBreaks;
    BreakScheduler breakTimer;
};
