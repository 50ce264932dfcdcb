#pragma once

#include <QObject>

class AppNotifier;
class WindowManager;

// The application's presence in the tray: its item, and what the item does as breaks come
// and go and as onboarding ends. The item itself is not built yet; the controller already
// follows the notifications it will answer. Main thread only.
class MenuBarController : public QObject
{
    Q_OBJECT

public:
    explicit MenuBarController(WindowManager &windowManager, QObject *parent = nullptr);
    MenuBarController(WindowManager &windowManager, AppNotifier &notifier,
                      QObject *parent = nullptr);

    // Called once at launch, before the runtime starts; a second call adds nothing.
    void installStatusItem();

private:
    void registerObservers();
    // The item appears once onboarding is done.
    void handleOnboardingDidComplete();
    // The item steps aside while break panels cover the screens.
    void handleBreakWillShow();
    void handleBreakDidHide();
    // Points the user, who just finished onboarding, at the item.
    void handleShowMenuBarHandoff();

    WindowManager &m_windowManager;
    AppNotifier &m_notifier;
    bool m_observersRegistered = false;
};
