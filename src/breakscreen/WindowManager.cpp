#include "breakscreen/WindowManager.h"

#include "breakscreen/ActivationController.h"
#include "core/AppState.h"
#include "core/Logger.h"

#include <QPointer>

#include <utility>

namespace {

QPointer<WindowManager> &publishedManager()
{
    static QPointer<WindowManager> manager;
    return manager;
}

} // namespace

WindowManager::WindowManager(ActivationController &activation, AppStateStore &appState,
                             QObject *parent)
    : WindowManager(activation, appState, BreakScreenServices::shared(), parent)
{
}

WindowManager::WindowManager(ActivationController &activation, AppStateStore &appState,
                             BreakScreenServices services, QObject *parent)
    : QObject(parent)
    , m_appState(appState)
    , m_notifier(services.notifier)
    , m_handleBreakDismissal(services.handleBreakDismissal)
    , m_settingsController(activation, appState)
    , m_breakController(std::move(services))
{
    m_breakController.setActivationController(&activation);
    QPointer<WindowManager> self(this);
    m_breakController.setOnBreakDismissed([self](const BreakDismissalOutcome &outcome) {
        if (self)
            self->onBreakDismissed(outcome);
    });
    m_breakController.setOnPreviewDismissed([self] {
        if (self)
            self->m_settingsController.restoreFocusAfterPreview();
    });
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

bool WindowManager::showBreak(bool isLong)
{
    if (m_breakController.isShowingBreak())
        return false;
    m_restoreSettingsAfterBreak = m_settingsController.isWindowVisible();
    if (!m_breakController.showBreak(isLong)) {
        m_restoreSettingsAfterBreak = false;
        return false;
    }
    m_appState.transition(AppState::breakRunning);
    return true;
}

void WindowManager::onBreakDismissed(const BreakDismissalOutcome &outcome)
{
    logInfo(QStringLiteral("WindowManager"), QStringLiteral("Break dismissal completed"));
    if (m_handleBreakDismissal)
        m_handleBreakDismissal(outcome);
    // Asked for during the break counts as open at its start: it was only put off.
    const bool restore = std::exchange(m_restoreSettingsAfterBreak, false)
                         | m_settingsController.takeShowRequestedDuringBreak();
    const bool snoozed = std::holds_alternative<BreakDismissalOutcome::Snoozed>(outcome.value);
    if (restore && !snoozed) {
        m_settingsController.showAfterBreak();
        return;
    }
    m_appState.transition(AppState::background);
    // After a snooze the next break is minutes away: the settings stay out of the way.
    if (snoozed)
        m_settingsController.hide();
}
