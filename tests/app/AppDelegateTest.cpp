#include "app/AppDelegate.h"
#include "breakscreen/ActivationController.h"
#include "breakscreen/WindowManager.h"
#include "core/AppState.h"
#include "app/LaunchCoordinator.h"
#include "settings_ui/components/Debouncer.h"
#include "support/FakeClock.h"
#include "support/FakeLaunchServices.h"
#include "support/LogCapture.h"

#include <QWidget>

#include <gtest/gtest.h>

namespace {

class AppDelegateTest : public ::testing::Test, protected FakeLaunchServices
{
protected:
    AppDelegateTest() { defaults.setBool("hasCompletedOnboarding", true); }

    std::unique_ptr<AppDelegate> makeDelegate(bool underTestHost)
    {
        return std::make_unique<AppDelegate>(
            underTestHost, services());
    }

    static bool settingsWindowVisible(const AppDelegate &delegate)
    {
        const QWidget *window = delegate.windowManager()->settingsController().window();
        return window && window->isVisible();
    }

    LogCapture log;
};

} // namespace

TEST_F(AppDelegateTest, UnderTheTestHostNothingIsBuiltAndReopenAndTerminationDoNothing)
{
    auto delegate = makeDelegate(true);
    delegate->applicationDidFinishLaunching();

    EXPECT_EQ(delegate->stateStore(), nullptr);
    EXPECT_EQ(delegate->windowManager(), nullptr);
    EXPECT_EQ(delegate->launchCoordinator(), nullptr);
    EXPECT_EQ(delegate->menuBarController(), nullptr);
    EXPECT_EQ(WindowManager::shared(), nullptr);

    EXPECT_TRUE(delegate->applicationShouldHandleReopen(false));
    delegate->applicationWillTerminate();
    EXPECT_TRUE(runtime.calls.isEmpty());
    EXPECT_TRUE(log.messages("Launch").isEmpty());
}

TEST_F(AppDelegateTest, LaunchPublishesTheWindowManagerAndStartsTheRuntimeUntilTermination)
{
    auto delegate = makeDelegate(false);
    delegate->applicationDidFinishLaunching();

    ASSERT_NE(delegate->windowManager(), nullptr);
    EXPECT_EQ(WindowManager::shared(), delegate->windowManager());
    EXPECT_EQ(delegate->stateStore()->current(), AppState::background);
    EXPECT_TRUE(delegate->launchCoordinator()->runtimeServicesStarted());

    // An edit the settings window still waits to save is saved before the runtime stops
    // (and so before the store's last write at quit).
    FakeClock clock;
    Debouncer pendingSave(clock, 0.3, [&] { runtime.calls.append("pendingSave"); });
    pendingSave.call();
    delegate->applicationWillTerminate();
    EXPECT_EQ(delegate->stateStore()->current(), AppState::shutdown);
    EXPECT_TRUE(runtime.calls.contains("stopBreakTimer"));
    EXPECT_LT(runtime.calls.indexOf("pendingSave"), runtime.calls.indexOf("stopBreakTimer"));

    delegate.reset();
    EXPECT_EQ(WindowManager::shared(), nullptr) << "a destroyed window manager stays published";
}

TEST_F(AppDelegateTest, ReopenShowsTheSettingsOnlyWhenNoWindowIsVisible)
{
    auto delegate = makeDelegate(false);
    delegate->applicationDidFinishLaunching();

    EXPECT_TRUE(delegate->applicationShouldHandleReopen(true));
    EXPECT_EQ(delegate->stateStore()->current(), AppState::background);
    EXPECT_EQ(delegate->windowManager()->settingsController().window(), nullptr);
    EXPECT_FALSE(log.contains("Activation", "→ foreground (regular)"));

    EXPECT_TRUE(delegate->applicationShouldHandleReopen(false));
    EXPECT_TRUE(settingsWindowVisible(*delegate));
    EXPECT_EQ(delegate->stateStore()->current(), AppState::settings);
    EXPECT_EQ(delegate->activationController()->activationPolicy(), ActivationPolicy::regular);
    delegate->applicationWillTerminate();
}
