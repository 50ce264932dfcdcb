#pragma once

#include <QObject>

// The application-wide notifications between subsystems. A sender emits the signal on the
// one instance; each interested party connects to it, so neither side knows the other.
class AppNotifier : public QObject
{
    Q_OBJECT

public:
    explicit AppNotifier(QObject *parent = nullptr);

    // Made on first use and never destroyed.
    static AppNotifier &instance();

signals:
    // The panels of a break (routine, manual or planned) have just gone up.
    void breakWillShow();
    // The panels of a break have faded out and closed.
    void breakDidHide();
    void onboardingDidComplete();
    // Shortly after onboarding: the menu-bar item points the user at itself.
    void showMenuBarHandoff();
    // Asks the settings window to lay the first-run flow over its content again. Nothing in
    // the application sends it yet; it is the hook for offering the flow once more.
    void showOnboarding();
    // Asks the Breaks pane to return from a sub-page to its main page. Like showOnboarding,
    // nothing sends it yet.
    void navigateToBreaksMain();
};
