#include "app/AppDelegate.h"

#include "breakscreen/ActivationController.h"
#include "breakscreen/WindowManager.h"
#include "core/AppState.h"
#include "app/LaunchCoordinator.h"
#include "app/PlatformBackends.h"
#include "core/FactoryReset.h"
#include "core/RunningTests.h"
#include "core/ThemeManager.h"
#include "menubar/MenuBarController.h"
#include "onboarding/OnboardingView.h"
#include "breakscreen/BreakScreenConfig.h"
#include "settings_ui/customizer/BreakScreenCustomizeView.h"
#include "settings_ui/window/ContentView.h"
#include "settings_ui/components/Debouncer.h"

AppDelegate::AppDelegate(QObject *parent)
    : AppDelegate(isRunningTests(), std::nullopt, parent)
{
}

AppDelegate::AppDelegate(bool underTestHost, std::optional<LaunchServices> services,
                         QObject *parent)
    : QObject(parent)
    , m_underTestHost(underTestHost)
    , m_services(services)
{
}

AppDelegate::~AppDelegate()
{
    if (WindowManager::shared() == m_windowManager.get())
        WindowManager::setShared(nullptr);
}

void AppDelegate::applicationDidFinishLaunching()
{
    if (m_underTestHost || m_launchCoordinator)
        return;
    const LaunchServices services = m_services ? *m_services : LaunchServices::shared();
    m_stateStore = std::make_unique<AppStateStore>();
    m_activationController = std::make_unique<ActivationController>(*m_stateStore);
    m_windowManager = std::make_unique<WindowManager>(*m_activationController, *m_stateStore);
    WindowManager::setShared(m_windowManager.get());
    installSettingsContent(services);
    m_launchCoordinator = std::make_unique<LaunchCoordinator>(
        *m_stateStore, *m_activationController, *m_windowManager, services);
    m_menuBarController = std::make_unique<MenuBarController>(MenuBarServices::forApplication(
        *m_windowManager, services.defaults, services.notifier, services.sessionEvents));
    // Before the start: the item is to be in place when the countdown it shows begins.
    m_menuBarController->installStatusItem();
    m_launchCoordinator->start();
}

void AppDelegate::installSettingsContent(const LaunchServices &services)
{
    // The coordinator is made after this, but before the window first shows.
    const ContentServices::OnboardingFactory makeOnboarding = [this](std::function<void()> dismiss) {
        return new OnboardingView(OnboardingServices::forApplication(*m_launchCoordinator), std::move(dismiss));
    };
    m_windowManager->settingsController().setContentFactory([this, services, makeOnboarding] {
        ContentServices content{services.defaults, services.notifier, ThemeManager::shared(), makeOnboarding};
        content.factoryReset = [this] {
            return FactoryReset(FactoryResetContext::forApplication(*m_launchCoordinator)).perform();
        };
        content.waylandSession = PlatformBackends::currentSession().wayland;
        return new ContentView(content);
    });
    // Saves where the break screen loads its look from, on the settings window's own clock.
    m_windowManager->settingsController().setCustomizerFactory(
        [services](std::unique_ptr<BreakScreenConfig> config, std::function<void()> close) {
            return new BreakScreenCustomizeView({services.defaults, ContentServices::sharedClock(), ThemeManager::shared()},
                                                std::move(config), std::move(close));
        });
}

bool AppDelegate::applicationShouldHandleReopen(bool hasVisibleWindows)
{
    if (!hasVisibleWindows && m_windowManager)
        m_windowManager->settingsController().show();
    return true;
}

void AppDelegate::applicationWillTerminate()
{
    // An edit the settings window was still waiting to save reaches the settings first, so
    // that the store's last write at quit holds it.
    Debouncer::flushAll();
    if (m_launchCoordinator)
        m_launchCoordinator->terminate();
}
