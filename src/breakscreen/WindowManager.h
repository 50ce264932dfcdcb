#pragma once

#include "breakscreen/BreakScreenServices.h"
#include "breakscreen/BreakWindowController.h"
#include "breakscreen/SettingsWindowController.h"

#include <QObject>

class ActivationController;
class AppNotifier;
class AppStateStore;

// Creates and owns every window of the application: the break panels through its break
// controller and the settings window through its settings controller, and moves the
// application between the settings, break and background phases around a break. The
// application publishes its one instance through setShared(); until then there is none, and
// no break can be shown.
class WindowManager : public QObject
{
    Q_OBJECT

public:
    // On the application's shared services.
    WindowManager(ActivationController &activation, AppStateStore &appState,
                  QObject *parent = nullptr);
    WindowManager(ActivationController &activation, AppStateStore &appState,
                  BreakScreenServices services, QObject *parent = nullptr);

    // Null until the application has published one.
    static WindowManager *shared();
    static void setShared(WindowManager *manager);
    // Whether the published window manager has break panels up or fading out.
    static bool isBreakShowing();

    BreakWindowController &breakController() { return m_breakController; }
    const BreakWindowController &breakController() const { return m_breakController; }
    SettingsWindowController &settingsController() { return m_settingsController; }
    // Where the break screen's notifications go.
    AppNotifier &notifier() const { return m_notifier; }

    // Whether the settings window comes back once the break on screen has ended.
    bool restoreSettingsAfterBreak() const { return m_restoreSettingsAfterBreak; }

    // Panels on every screen; false while a break is up or fading out, or with no screen.
    bool showBreak(bool isLong);
    // The panels of a break have closed: the break timer takes the outcome from here, then
    // the settings window comes back if it was up (unless the break was snoozed).
    void onBreakDismissed(const BreakDismissalOutcome &outcome);

private:
    AppStateStore &m_appState;
    AppNotifier &m_notifier;
    std::function<void(const BreakDismissalOutcome &)> m_handleBreakDismissal;
    bool m_restoreSettingsAfterBreak = false;
    SettingsWindowController m_settingsController;
    BreakWindowController m_breakController;
};
