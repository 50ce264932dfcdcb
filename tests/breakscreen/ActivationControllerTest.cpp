#include "breakscreen/ActivationController.h"
#include "core/AppState.h"
#include "support/LogCapture.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

class ActivationControllerTest : public ::testing::Test
{
protected:
    LogCapture log;
    AppStateStore appState;
    ActivationController activation{appState};
    const PresentationOptions casual = ActivationController::breakPresentationOptions("Casual");
};

} // namespace

TEST_F(ActivationControllerTest, OnlyHardcoreBreaksGrabTheKeyboard)
{
    for (const char *mode : {"Casual", "Balanced", "hardcore", ""})
        EXPECT_EQ(ActivationController::breakPresentationOptions(mode),
                  PresentationOptions(PresentationOption::holdFocus))
            << mode;
    EXPECT_EQ(ActivationController::breakPresentationOptions("Hardcore"),
              PresentationOption::holdFocus | PresentationOption::grabKeyboard);
}

TEST_F(ActivationControllerTest, ABreakFromTheTrayGoesBackToTheTray)
{
    activation.sendToBackground();
    activation.enterBreakMode(casual);

    EXPECT_TRUE(activation.isInBreakMode());
    EXPECT_EQ(activation.activationPolicy(), ActivationPolicy::regular);
    EXPECT_EQ(activation.presentationOptions(), casual);
    EXPECT_EQ(activation.previousActivationPolicy(), ActivationPolicy::accessory);

    activation.exitBreakMode();
    EXPECT_FALSE(activation.isInBreakMode());
    EXPECT_EQ(activation.activationPolicy(), ActivationPolicy::accessory);
    EXPECT_EQ(activation.presentationOptions(), PresentationOptions());
    EXPECT_EQ(activation.previousActivationPolicy(), std::nullopt);
    EXPECT_EQ(activation.previousPresentationOptions(), std::nullopt);
    EXPECT_EQ(log.messages("Activation"),
              QStringList({"→ background (accessory)", "→ enter break mode",
                           "→ exit break mode (accessory)"}));
}

TEST_F(ActivationControllerTest, ABreakOverTheSettingsWindowLeavesTheAppRegular)
{
    activation.bringToForeground();
    activation.enterBreakMode(casual);
    activation.exitBreakMode();

    EXPECT_EQ(activation.activationPolicy(), ActivationPolicy::regular);
    EXPECT_EQ(log.messages("Activation").constLast(), "→ exit break mode (regular)");
}

TEST_F(ActivationControllerTest, EnteringTwiceKeepsWhatTheFirstEntrySaved)
{
    activation.sendToBackground();
    activation.enterBreakMode(casual);
    activation.enterBreakMode(ActivationController::breakPresentationOptions("Hardcore"));

    EXPECT_EQ(activation.presentationOptions(),
              PresentationOption::holdFocus | PresentationOption::grabKeyboard);
    activation.exitBreakMode();
    EXPECT_EQ(activation.activationPolicy(), ActivationPolicy::accessory);
    EXPECT_EQ(activation.presentationOptions(), PresentationOptions());
    EXPECT_EQ(log.count("Activation", "→ enter break mode"), 2);
}

TEST_F(ActivationControllerTest, WindowsCannotMoveTheAppDuringABreakAndNothingHappensOutsideOne)
{
    activation.exitBreakMode(); // outside break mode: nothing at all
    EXPECT_TRUE(log.messages("Activation").isEmpty());

    activation.sendToBackground();
    activation.enterBreakMode(casual);
    QSignalSpy policyChanges(&activation, &ActivationController::activationPolicyChanged);
    activation.bringToForeground();
    activation.sendToBackground();

    EXPECT_EQ(policyChanges.count(), 0);
    EXPECT_EQ(activation.activationPolicy(), ActivationPolicy::regular);
    EXPECT_EQ(log.messages("Activation"),
              QStringList({"→ background (accessory)", "→ enter break mode"}));
}

TEST_F(ActivationControllerTest, OptionsAreLetGoBeforeThePolicyOnExit)
{
    activation.sendToBackground();
    activation.enterBreakMode(casual);
    QStringList order;
    QObject::connect(&activation, &ActivationController::presentationOptionsChanged,
                     [&] { order.append("options"); });
    QObject::connect(&activation, &ActivationController::activationPolicyChanged,
                     [&] { order.append("policy"); });
    activation.exitBreakMode();

    EXPECT_EQ(order, QStringList({"options", "policy"}));
}
