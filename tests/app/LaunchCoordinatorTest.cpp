#include "breakscreen/ActivationController.h"
#include "breakscreen/WindowManager.h"
#include "core/AppState.h"
#include "app/LaunchCoordinator.h"
#include "support/FakeLaunchServices.h"
#include "support/LogCapture.h"

#include <QCoreApplication>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

const QStringList startOrder = FakeLaunchServices::startSteps();
const QStringList stopOrder = FakeLaunchServices::stopSteps();

class LaunchCoordinatorTest : public ::testing::Test, protected FakeLaunchServices
{
protected:
    void makeCoordinator(bool onboarded)
    {
        if (onboarded)
            defaults.setBool("hasCompletedOnboarding", true);
        coordinator = std::make_unique<LaunchCoordinator>(
            stateStore, activation, windowManager, services());
    }

    // The deferred start runs once the notification has been handled.
    static void runPostedWork() { QCoreApplication::sendPostedEvents(); }

    bool settingsWindowVisible()
    {
        const QWidget *window = windowManager.settingsController().window();
        return window && window->isVisible();
    }

    LogCapture log;
    AppStateStore stateStore;
    ActivationController activation{stateStore};
    WindowManager windowManager{activation, stateStore};
    std::unique_ptr<LaunchCoordinator> coordinator;
};

} // namespace

TEST_F(LaunchCoordinatorTest, OnboardedLaunchRunsInTheBackgroundWithEveryServiceStartedInOrder)
{
    makeCoordinator(true);
    coordinator->start();

    EXPECT_EQ(runtime.calls, startOrder);
    EXPECT_EQ(stateStore.current(), AppState::background);
    EXPECT_EQ(activation.activationPolicy(), ActivationPolicy::accessory);
    EXPECT_EQ(log.messages("Activation"), QStringList({"→ background (accessory)"}));
    EXPECT_EQ(log.messages("Launch"),
              QStringList({"launch_start | needsOnboarding=false", "runtime_services_started"}));
    EXPECT_EQ(windowManager.settingsController().window(), nullptr);
    EXPECT_TRUE(coordinator->runtimeServicesStarted());
}

TEST_F(LaunchCoordinatorTest, FirstLaunchShowsTheSettingsAndStartsServicesOnlyAfterOnboarding)
{
    makeCoordinator(false);
    coordinator->start();

    EXPECT_EQ(log.messages("Launch"), QStringList({"launch_start | needsOnboarding=true"}));
    EXPECT_EQ(log.messages("AppState"), QStringList({"launching → onboarding", "onboarding → settings"}));
    EXPECT_TRUE(settingsWindowVisible());
    EXPECT_TRUE(runtime.calls.isEmpty());
    EXPECT_FALSE(log.contains("Activation", "→ background (accessory)"));

    emit notifier.onboardingDidComplete();
    EXPECT_TRUE(log.contains("Launch", "onboarding_completed"));
    EXPECT_TRUE(runtime.calls.isEmpty()) << "the start must wait until the handler has returned";
    runPostedWork();
    EXPECT_EQ(runtime.calls, startOrder);
    EXPECT_EQ(log.count("Launch", "runtime_services_started"), 1);
    // Hiding the settings window, not the notification, moves the phase on.
    EXPECT_EQ(stateStore.current(), AppState::settings);

    emit notifier.onboardingDidComplete();
    runPostedWork();
    EXPECT_EQ(log.count("Launch", "onboarding_completed"), 2);
    EXPECT_EQ(runtime.calls, startOrder) << "a second notice must not start anything again";
    EXPECT_EQ(log.count("Launch", "runtime_services_started"), 1);
}

TEST_F(LaunchCoordinatorTest, PlannedBreaksAlreadyRunningAreOnlyEvaluated)
{
    runtime.plannedStarted = true;
    makeCoordinator(true);
    coordinator->start();

    EXPECT_FALSE(runtime.calls.contains("startPlannedBreaks"));
    EXPECT_TRUE(runtime.calls.contains("evaluatePlannedBreaks"));
}

TEST_F(LaunchCoordinatorTest, TerminationAfterAnUnfinishedFirstLaunchStopsEverythingQuietly)
{
    makeCoordinator(false);
    coordinator->start();
    coordinator->terminate();

    EXPECT_EQ(runtime.calls, stopOrder);
    EXPECT_FALSE(log.contains("Launch", "runtime_services_stopped"));
    EXPECT_TRUE(log.contains("Launch", "terminate"));
    EXPECT_EQ(stateStore.current(), AppState::shutdown);

    // The observers are gone: neither onboarding nor sleep reaches anything any more.
    runtime.calls.clear();
    emit notifier.onboardingDidComplete();
    sessionEvents.emitSystemWillSleep();
    runPostedWork();
    EXPECT_FALSE(log.contains("Launch", "onboarding_completed"));
    EXPECT_TRUE(runtime.calls.isEmpty());
}

TEST_F(LaunchCoordinatorTest, TerminationOfARunningApplicationStopsInOrderAndLogsOnce)
{
    makeCoordinator(true);
    coordinator->start();
    runtime.calls.clear();

    coordinator->terminate();
    EXPECT_EQ(runtime.calls, stopOrder);
    EXPECT_EQ(log.count("Launch", "runtime_services_stopped"), 1);
    EXPECT_FALSE(coordinator->runtimeServicesStarted());
    EXPECT_EQ(stateStore.current(), AppState::shutdown);

    // Stopped services may be started again.
    runtime.calls.clear();
    coordinator->startRuntimeServices();
    EXPECT_EQ(runtime.calls, startOrder);
}

TEST_F(LaunchCoordinatorTest, SleepAndWakeReachTheBreakTimerOnceEachOnBothLaunchPaths)
{
    for (bool onboarded : {true, false}) {
        SCOPED_TRACE(onboarded ? "onboarded" : "first run");
        defaults.removePersistentDomain();
        makeCoordinator(onboarded);
        coordinator->start();
        runtime.calls.clear();

        sessionEvents.emitSystemWillSleep();
        sessionEvents.emitSystemDidWake();
        EXPECT_EQ(runtime.calls, QStringList({"breakTimerWillSleep", "breakTimerDidWake"}));
        coordinator->terminate();
    }
}

TEST_F(LaunchCoordinatorTest, OnboardingNoticeOutlivingTheCoordinatorStartsNothing)
{
    makeCoordinator(false);
    coordinator->start();

    emit notifier.onboardingDidComplete();
    coordinator.reset(); // gone before its deferred start runs
    runPostedWork();
    EXPECT_TRUE(runtime.calls.isEmpty());

    emit notifier.onboardingDidComplete(); // gone before the notice arrives
    runPostedWork();
    EXPECT_EQ(log.count("Launch", "onboarding_completed"), 2);
    EXPECT_TRUE(runtime.calls.isEmpty());

    sessionEvents.emitSystemWillSleep(); // the services it was handed are no longer called
    EXPECT_TRUE(runtime.calls.isEmpty());
}
