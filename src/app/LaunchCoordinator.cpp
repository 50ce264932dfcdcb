#include "app/LaunchCoordinator.h"

#include "breakscreen/ActivationController.h"
#include "breakscreen/WindowManager.h"
#include "core/AppNotifier.h"
#include "core/AppState.h"
#include "core/Logger.h"
#include "app/RuntimeServices.h"
#include "core/SessionEvents.h"
#include "core/SettingsRepository.h"

#include <QPointer>

namespace {

const QString category = QStringLiteral("Launch");
const QString onboardingKey = QStringLiteral("hasCompletedOnboarding");

} // namespace

LaunchCoordinator::LaunchCoordinator(AppStateStore &stateStore, ActivationController &activation,
                                     WindowManager &windowManager, QObject *parent)
    : LaunchCoordinator(stateStore, activation, windowManager, LaunchServices::shared(), parent)
{
}

LaunchCoordinator::LaunchCoordinator(AppStateStore &stateStore, ActivationController &activation,
                                     WindowManager &windowManager, LaunchServices services,
                                     QObject *parent)
    : QObject(parent)
    , m_stateStore(stateStore)
    , m_activation(activation)
    , m_windowManager(windowManager)
    , m_services(services)
{
}

LaunchCoordinator::~LaunchCoordinator()
{
    // Sleep and wake go straight to the runtime services, which need not outlive this
    // coordinator when it was not terminated. The onboarding observer holds the coordinator
    // weakly and may stay.
    removeWorkspaceObservers();
}

void LaunchCoordinator::start()
{
    // A missing key reads as false: not onboarded.
    const bool onboarded = m_services.defaults.boolean(onboardingKey);
    registerRuntimeObservers();
    logInfo(category, formatLogEvent(QStringLiteral("launch_start"),
                                     {{QStringLiteral("needsOnboarding"),
                                       formatBoolForLog(!onboarded)}}));
    if (onboarded) {
        m_stateStore.transition(AppState::background);
        m_activation.sendToBackground();
        startRuntimeServices();
    } else {
        // The first-run flow runs in the settings window; the runtime waits for its end.
        m_stateStore.transition(AppState::onboarding);
        m_windowManager.settingsController().show();
    }
    registerWorkspaceObservers();
}

void LaunchCoordinator::terminate()
{
    logInfo(category, QStringLiteral("terminate"));
    stopRuntimeServices();
    removeWorkspaceObservers();
    removeRuntimeObservers();
    m_stateStore.transition(AppState::shutdown);
}

void LaunchCoordinator::startRuntimeServices()
{
    if (m_runtimeServicesStarted)
        return;
    m_runtimeServicesStarted = true;
    RuntimeServices &runtime = m_services.runtime;
    // Whatever held the timer in an earlier run of the services no longer applies.
    runtime.clearBreakPauseReasons();
    runtime.startBreakTimer();
    runtime.startWellness();
    runtime.startTypingHealth();
    runtime.startOfficeHours();
    if (!runtime.plannedBreaksStarted())
        runtime.startPlannedBreaks();
    // A planned break that fell due while the services were down is looked at now.
    runtime.evaluatePlannedBreaks();
    runtime.setHotKeysRuntimeStarted(true);
    runtime.updateHotKeyRegistration();
    logInfo(category, QStringLiteral("runtime_services_started"));
}

void LaunchCoordinator::stopRuntimeServices()
{
    const bool wasStarted = m_runtimeServicesStarted;
    RuntimeServices &runtime = m_services.runtime;
    // Those that can start breaks or reminders go first, the break timer they lean on last.
    runtime.stopOfficeHours();
    runtime.stopPlannedBreaks();
    runtime.setHotKeysRuntimeStarted(false);
    runtime.unregisterHotKeys();
    runtime.stopWellness();
    runtime.stopTypingHealth();
    runtime.stopBreakTimer();
    m_runtimeServicesStarted = false;
    if (wasStarted)
        logInfo(category, QStringLiteral("runtime_services_stopped"));
}

void LaunchCoordinator::registerRuntimeObservers()
{
    if (!m_runtimeObservers.isEmpty())
        return;
    const QPointer<LaunchCoordinator> weakSelf(this);
    m_runtimeObservers.append(connect(&m_services.notifier, &AppNotifier::onboardingDidComplete,
                                      &m_services.notifier,
                                      [weakSelf] { handleOnboardingCompleted(weakSelf.data()); }));
}

void LaunchCoordinator::registerWorkspaceObservers()
{
    if (!m_workspaceObservers.isEmpty())
        return;
    RuntimeServices *runtime = &m_services.runtime;
    SessionEvents *events = &m_services.sessionEvents;
    // Direct connections: the system lets the machine sleep only once these have returned.
    m_workspaceObservers.append(connect(events, &SessionEvents::systemWillSleep, events,
                                        [runtime] { runtime->breakTimerWillSleep(); }));
    m_workspaceObservers.append(connect(events, &SessionEvents::systemDidWake, events,
                                        [runtime] { runtime->breakTimerDidWake(); }));
}

void LaunchCoordinator::removeWorkspaceObservers()
{
    for (const QMetaObject::Connection &observer : std::as_const(m_workspaceObservers))
        disconnect(observer);
    m_workspaceObservers.clear();
}

void LaunchCoordinator::removeRuntimeObservers()
{
    for (const QMetaObject::Connection &observer : std::as_const(m_runtimeObservers))
        disconnect(observer);
    m_runtimeObservers.clear();
}

void LaunchCoordinator::handleOnboardingCompleted(LaunchCoordinator *coordinator)
{
    logInfo(category, QStringLiteral("onboarding_completed"));
    if (!coordinator)
        return;
    // Started once the notification's other observers have run; the coordinator is the
    // call's context, so a coordinator gone by then starts nothing.
    QMetaObject::invokeMethod(
        coordinator, [coordinator] { coordinator->startRuntimeServices(); },
        Qt::QueuedConnection);
}
