#pragma once

#include "app/LaunchServices.h"
#include "core/RuntimeControl.h"

#include <QList>
#include <QObject>

class ActivationController;
class AppStateStore;
class WindowManager;

// Decides at launch between the first run and normal running, starts and stops the runtime
// services in fixed orders, and hands the system's sleep and wake to the break timer.
// Main thread only.
class LaunchCoordinator : public QObject, public RuntimeControl
{
    Q_OBJECT

public:
    LaunchCoordinator(AppStateStore &stateStore, ActivationController &activation,
                      WindowManager &windowManager, QObject *parent = nullptr);
    LaunchCoordinator(AppStateStore &stateStore, ActivationController &activation,
                      WindowManager &windowManager, LaunchServices services,
                      QObject *parent = nullptr);
    ~LaunchCoordinator() override;

    // Once, at the end of launching.
    void start();
    // Once, as the application ends.
    void terminate();

    // Does nothing while the services run.
    void startRuntimeServices() override;
    // Runs every step even when nothing was started, so a half-made start is undone too.
    void stopRuntimeServices() override;

    bool runtimeServicesStarted() const override { return m_runtimeServicesStarted; }

private:
    void registerRuntimeObservers();
    void registerWorkspaceObservers();
    void removeWorkspaceObservers();
    void removeRuntimeObservers();
    // Static, as the observer holds the coordinator only weakly: a notification that comes
    // after the coordinator is gone is still logged, and starts nothing.
    static void handleOnboardingCompleted(LaunchCoordinator *coordinator);

    AppStateStore &m_stateStore;
    ActivationController &m_activation;
    WindowManager &m_windowManager;
    LaunchServices m_services;
    QList<QMetaObject::Connection> m_workspaceObservers;
    QList<QMetaObject::Connection> m_runtimeObservers;
    bool m_runtimeServicesStarted = false;
};
