#include "breakscreen/ActivationController.h"
#include "breakscreen/SettingsWindowController.h"
#include "core/AppState.h"
#include "support/LogCapture.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSignalSpy>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

class SettingsWindowControllerTest : public ::testing::Test
{
protected:
    QWidget *window() const { return controller.window(); }

    LogCapture log;
    AppStateStore appState;
    ActivationController activation{appState};
    SettingsWindowController controller{activation, appState};
};

} // namespace

TEST_F(SettingsWindowControllerTest, ShowingTwiceBringsOneCentredWindowTitledWithTheAppNameToFront)
{
    const QString previousName = QGuiApplication::applicationDisplayName();
    QGuiApplication::setApplicationDisplayName("Lumenpause");
    controller.show();
    QGuiApplication::setApplicationDisplayName(previousName);
    QWidget *first = window();
    controller.show();

    ASSERT_NE(first, nullptr);
    EXPECT_EQ(window(), first);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->windowTitle(), "Lumenpause");
    EXPECT_EQ(first->size(), QSize(880, 820));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    // Window frames differ between desktops: a few pixels either way still count as centred.
    EXPECT_LE((first->geometry().center() - screen.center()).manhattanLength(), 40);
    EXPECT_EQ(appState.current(), AppState::settings);
    EXPECT_EQ(activation.activationPolicy(), ActivationPolicy::regular);
    EXPECT_EQ(log.count("Activation", "→ foreground (regular)"), 2);
}

TEST_F(SettingsWindowControllerTest, HidingSendsTheAppToTheBackgroundAndKeepsTheWindowForLater)
{
    QSignalSpy policyChanges(&activation, &ActivationController::activationPolicyChanged);
    controller.show();
    QWidget *shown = window();
    controller.hide();

    EXPECT_FALSE(shown->isVisible());
    EXPECT_EQ(appState.current(), AppState::background);
    EXPECT_EQ(activation.activationPolicy(), ActivationPolicy::accessory);
    EXPECT_TRUE(log.contains("SettingsWindow", "hide() called"));
    EXPECT_TRUE(log.contains("Activation", "→ background (accessory)"));
    // Regular from the start, so showing changed nothing: one change, to accessory.
    EXPECT_EQ(policyChanges.count(), 1);

    controller.show();
    EXPECT_EQ(window(), shown);
    EXPECT_TRUE(shown->isVisible());
    EXPECT_EQ(activation.activationPolicy(), ActivationPolicy::regular);
}

TEST_F(SettingsWindowControllerTest, HidingDuringABreakIsRefusedAndChangesNothing)
{
    controller.show();
    appState.transition(AppState::breakRunning);
    controller.hide();

    EXPECT_TRUE(window()->isVisible());
    EXPECT_EQ(appState.current(), AppState::breakRunning);
    EXPECT_EQ(activation.activationPolicy(), ActivationPolicy::regular);
    EXPECT_EQ(log.messages("SettingsWindow"), QStringList({"hide() ignored — break is running"}));
}

TEST_F(SettingsWindowControllerTest, ClosingTheWindowLeavesTheSettingsExceptDuringABreak)
{
    controller.show();
    window()->close();
    EXPECT_EQ(appState.current(), AppState::background);
    EXPECT_EQ(activation.activationPolicy(), ActivationPolicy::accessory);
    EXPECT_TRUE(log.contains("SettingsWindow", "handleClose() called"));

    controller.show();
    appState.transition(AppState::breakRunning);
    window()->close();
    EXPECT_FALSE(window()->isVisible()) << "the window closes either way";
    EXPECT_EQ(appState.current(), AppState::breakRunning);
    EXPECT_TRUE(log.contains("SettingsWindow", "handleClose() ignored — break is running"));

    controller.show(); // and comes back
    EXPECT_TRUE(window()->isVisible());
}
