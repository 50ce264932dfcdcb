#include "breakscreen/WindowManager.h"

#include "breakscreen/ActivationController.h"
#include "core/AppState.h"
#include "core/Logger.h"
#include "scheduling/BreakDismissalOutcome.h"
#include "scheduling/BreakScheduler.h"

#include <QPointer>

namespace {

QPointer<WindowManager> &publishedManager()
{
    static QPointer<WindowManager> manager;
    return manager;
}

} // namespace

WindowManager::WindowManager(ActivationController &activation, AppStateStore &appState,
                             QObject *parent)
    : QObject(parent)
    , m_activation(activation)
    , m_appState(appState)
    , m_settingsController(activation, appState)
{
}

WindowManager *WindowManager::shared()
{
    return publishedManager().data();
}

void WindowManager::setShared(WindowManager *manager)
{
    publishedManager() = manager;
}

bool WindowManager::isBreakShowing()
{
    const WindowManager *manager = shared();
    return manager && manager->breakController().isShowingBreak();
}

bool WindowManager::showBreak(bool)
{
    return false;
}

void WindowManager::onBreakDismissed(const BreakDismissalOutcome &outcome)
{
    logInfo(QStringLiteral("WindowManager"), QStringLiteral("Break dismissal completed"));
    BreakScheduler::shared().handleBreakDismissal(outcome);
}
