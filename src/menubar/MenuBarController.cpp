#include "menubar/MenuBarController.h"

#include "breakscreen/WindowManager.h"
#include "core/AppNotifier.h"

MenuBarController::MenuBarController(WindowManager &windowManager, QObject *parent)
    : MenuBarController(windowManager, AppNotifier::instance(), parent)
{
}

MenuBarController::MenuBarController(WindowManager &windowManager, AppNotifier &notifier,
                                     QObject *parent)
    : QObject(parent)
    , m_windowManager(windowManager)
    , m_notifier(notifier)
{
}

void MenuBarController::installStatusItem()
{
    registerObservers();
}

void MenuBarController::registerObservers()
{
    if (m_observersRegistered)
        return;
    m_observersRegistered = true;
    connect(&m_notifier, &AppNotifier::onboardingDidComplete, this,
            &MenuBarController::handleOnboardingDidComplete);
    connect(&m_notifier, &AppNotifier::breakWillShow, this,
            &MenuBarController::handleBreakWillShow);
    connect(&m_notifier, &AppNotifier::breakDidHide, this,
            &MenuBarController::handleBreakDidHide);
    connect(&m_notifier, &AppNotifier::showMenuBarHandoff, this,
            &MenuBarController::handleShowMenuBarHandoff);
}

// The handlers gain their work with the tray item; nothing is on screen to change yet.
void MenuBarController::handleOnboardingDidComplete()
{
}

void MenuBarController::handleBreakWillShow()
{
}

void MenuBarController::handleBreakDidHide()
{
}

void MenuBarController::handleShowMenuBarHandoff()
{
}
