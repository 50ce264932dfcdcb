#pragma once

#include "breakscreen/BreakPanelContent.h"
#include "scheduling/BreakDismissalOutcome.h"

#include <QList>

#include <functional>
#include <memory>

class AppNotifier;
class BreakScreenConfig;
class Clock;
class DisplayStateProvider;
class PanelStackingMonitor;
class QScreen;
class SessionEvents;

// Everything the break screen reads from or tells outside its own windows. The application
// hands in shared(); a test its own clock, session events, screens and views, and records
// what the break screen tells the rest of the application.
struct BreakScreenServices
{
    // Fades, focus reassertions and the preview's end.
    Clock &clock;
    // "breakDidHide" is posted here.
    AppNotifier &notifier;
    // A locked or sleeping session is never held: no grab, no focus taken back.
    SessionEvents &sessionEvents;
    // Focus is not taken back while the main display sleeps.
    DisplayStateProvider &displayState;
    // Tells when another window comes over the panels, which then go back on top.
    PanelStackingMonitor &stacking;
    BreakPanelContent content;
    // The screens to cover, the primary one first.
    std::function<QList<QScreen *>()> screens;
    // The screen the pointer is on, for the preview; null when there is none.
    std::function<QScreen *()> screenUnderPointer;
    // Every break reads the break screen's look afresh.
    std::function<std::unique_ptr<BreakScreenConfig>()> loadConfig;
    // "Casual", "Balanced" or "Hardcore": how firmly the keyboard is held.
    std::function<QString()> enforcement;
    std::function<bool()> isScreenLocked;
    // Pending notices are dropped and the floating notice closes before a break covers the
    // screens.
    std::function<void()> clearNotices;
    std::function<void()> playBreakSound;
    // Where the outcome of every break goes once its panels have closed.
    std::function<void(const BreakDismissalOutcome &)> handleBreakDismissal;

    // The shared services of the application; each is reached only when first needed.
    static BreakScreenServices shared();
    // The window system's stacking monitor for shared(); until one is installed, nothing
    // watches the stacking. It must live as long as the process.
    static void setSharedStackingMonitor(PanelStackingMonitor *monitor);
    // The desktop's screens, the primary one first.
    static QList<QScreen *> desktopScreens();
    static QScreen *desktopScreenUnderPointer();
};
