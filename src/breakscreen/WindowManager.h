#pragma once

#include "breakscreen/BreakWindowController.h"
#include "breakscreen/SettingsWindowController.h"

#include <QObject>

class ActivationController;
class AppStateStore;
struct BreakDismissalOutcome;

// Creates and owns every window of the application: the break panels through its break
// controller and the settings window through its settings controller. The application
// publishes its one instance through setShared(); until then there is none, and no break can
// be shown.
class WindowManager : public QObject
{
    Q_OBJECT

public:
    WindowManager(ActivationController &activation, AppStateStore &appState,
                  QObject *parent = nullptr);

    // Null until the application has published one.
    static WindowManager *shared();
    static void setShared(WindowManager *manager);
    // Whether the published window manager has break panels up or fading out.
    static bool isBreakShowing();

    BreakWindowController &breakController() { return m_breakController; }
    const BreakWindowController &breakController() const { return m_breakController; }
    SettingsWindowController &settingsController() { return m_settingsController; }

    // Panels on every screen; false when none could be put up (so far always).
    bool showBreak(bool isLong);
    // The panels of a break have closed: the break timer takes the outcome from here.
    void onBreakDismissed(const BreakDismissalOutcome &outcome);

private:
    ActivationController &m_activation;
    AppStateStore &m_appState;
    BreakWindowController m_breakController;
    SettingsWindowController m_settingsController;
};
