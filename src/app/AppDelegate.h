#pragma once

#include "app/LaunchServices.h"

#include <QObject>

#include <memory>
#include <optional>

class ActivationController;
class AppStateStore;
class LaunchCoordinator;
class MenuBarController;
class WindowManager;

// Builds the long-lived controllers once the application is up, starts the launch
// coordinator, and answers the application's reopen and termination. Under the test host it
// builds nothing, and reopen and termination then do nothing. Main thread only.
class AppDelegate : public QObject
{
    Q_OBJECT

public:
    // The application's delegate: the test host as the environment says, the shared services.
    explicit AppDelegate(QObject *parent = nullptr);
    // Without services, the shared ones are taken when launching finishes.
    AppDelegate(bool underTestHost, std::optional<LaunchServices> services,
                QObject *parent = nullptr);
    ~AppDelegate() override;

    void applicationDidFinishLaunching();
    // Another launch asked for the application. Always true; without a visible window the
    // settings window comes up, so the user sees that the application runs.
    bool applicationShouldHandleReopen(bool hasVisibleWindows);
    // Runs the settings window's pending saves, then stops the runtime; the caller writes
    // the settings store afterwards.
    void applicationWillTerminate();

    // Null until launching has finished (and always under the test host).
    AppStateStore *stateStore() const { return m_stateStore.get(); }
    ActivationController *activationController() const { return m_activationController.get(); }
    WindowManager *windowManager() const { return m_windowManager.get(); }
    LaunchCoordinator *launchCoordinator() const { return m_launchCoordinator.get(); }
    MenuBarController *menuBarController() const { return m_menuBarController.get(); }

private:
    // The settings window's content, made when the window first shows, and the customizer's.
    void installSettingsContent(const LaunchServices &services);

    bool m_underTestHost;
    std::optional<LaunchServices> m_services;
    // Declared in creation order, so they are destroyed in the reverse one.
    std::unique_ptr<AppStateStore> m_stateStore;
    std::unique_ptr<ActivationController> m_activationController;
    std::unique_ptr<WindowManager> m_windowManager;
    std::unique_ptr<LaunchCoordinator> m_launchCoordinator;
    std::unique_ptr<MenuBarController> m_menuBarController;
};
