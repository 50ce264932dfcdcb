#include "breakscreen/BreakPanel.h"
#include "support/BreakScreenRig.h"

#include <QWidget>

#include <gtest/gtest.h>

// Where the application ends up after a break, with and without the settings window.

namespace {

class WindowManagerTest : public ::testing::Test
{
protected:
    SettingsWindowController &settings() { return rig.windows.settingsController(); }
    bool settingsVisible() { return settings().window() && settings().window()->isVisible(); }

    void endBreak(const BreakDismissalOutcome &outcome)
    {
        rig.overlay()->report(outcome);
        rig.finishFadeOut();
    }

    BreakScreenRig rig;
};

} // namespace

TEST_F(WindowManagerTest, SettingsOpenAtTheStartOfACompletedBreakComeBack)
{
    settings().show();
    ASSERT_TRUE(rig.presentBreak());
    EXPECT_TRUE(rig.windows.restoreSettingsAfterBreak());
    endBreak(BreakDismissalOutcome::completed(20, false, false));

    EXPECT_TRUE(settingsVisible());
    EXPECT_EQ(rig.appState.current(), AppState::settings);
    EXPECT_EQ(rig.activation.activationPolicy(), ActivationPolicy::regular);
    EXPECT_FALSE(rig.windows.restoreSettingsAfterBreak());
    EXPECT_EQ(rig.timeline.mid(rig.timeline.indexOf("outcome completed")),
              QStringList({"outcome completed", "state settings", "breakDidHide"}));
}

TEST_F(WindowManagerTest, ASnoozedBreakPutsTheSettingsAway)
{
    settings().show();
    ASSERT_TRUE(rig.presentBreak());
    endBreak(BreakDismissalOutcome::snoozed(300));

    EXPECT_FALSE(settingsVisible());
    EXPECT_EQ(rig.appState.current(), AppState::background);
    EXPECT_EQ(rig.activation.activationPolicy(), ActivationPolicy::accessory);
}

TEST_F(WindowManagerTest, WithoutTheSettingsEveryOutcomeEndsInTheBackground)
{
    for (const BreakDismissalOutcome &outcome :
         {BreakDismissalOutcome::completed(20, false, false), BreakDismissalOutcome::snoozed(300),
          BreakDismissalOutcome::skipped(), BreakDismissalOutcome::interrupted()}) {
        ASSERT_TRUE(rig.presentBreak());
        EXPECT_FALSE(rig.windows.restoreSettingsAfterBreak());
        endBreak(outcome);
        EXPECT_EQ(rig.appState.current(), AppState::background);
        EXPECT_FALSE(settingsVisible());
    }
    EXPECT_EQ(rig.timeline.count("breakWillShow"), 4);
    EXPECT_EQ(rig.timeline.count("breakDidHide"), 4);
}

// Opening the settings during a break used to move the application to the settings phase
// under the break, which then ended with the window up and the phase "background".
TEST_F(WindowManagerTest, SettingsAskedForDuringABreakWaitForItsEnd)
{
    ASSERT_TRUE(rig.presentBreak());
    settings().show();

    EXPECT_FALSE(settingsVisible());
    EXPECT_EQ(rig.appState.current(), AppState::breakRunning);
    EXPECT_EQ(rig.log.count("Activation", "→ foreground (regular)"), 0);
    EXPECT_TRUE(rig.log.contains("SettingsWindow", "show() deferred — break is running"));

    endBreak(BreakDismissalOutcome::skipped());
    EXPECT_TRUE(settingsVisible());
    EXPECT_EQ(rig.appState.current(), AppState::settings);
    EXPECT_EQ(rig.activation.activationPolicy(), ActivationPolicy::regular);

    // Asked for once: the next break leaves the application where it finds it.
    settings().hide();
    ASSERT_TRUE(rig.presentBreak());
    endBreak(BreakDismissalOutcome::skipped());
    EXPECT_FALSE(settingsVisible());
    EXPECT_EQ(rig.appState.current(), AppState::background);
}

TEST_F(WindowManagerTest, SettingsAskedForDuringASnoozedBreakStayAway)
{
    ASSERT_TRUE(rig.presentBreak());
    settings().show();
    endBreak(BreakDismissalOutcome::snoozed(300));

    EXPECT_FALSE(settingsVisible());
    EXPECT_EQ(rig.appState.current(), AppState::background);
}

TEST_F(WindowManagerTest, ClosingTheSettingsDuringABreakStillBringsThemBack)
{
    settings().show();
    ASSERT_TRUE(rig.presentBreak());
    settings().window()->close();
    settings().hide();
    EXPECT_EQ(rig.appState.current(), AppState::breakRunning);

    endBreak(BreakDismissalOutcome::completed(20, false, false));
    EXPECT_TRUE(settingsVisible());
    EXPECT_EQ(rig.appState.current(), AppState::settings);
}

// A minimised window is not in front of the user: the break must not bring it back up.
TEST_F(WindowManagerTest, SettingsMinimisedAtTheStartOfABreakStayMinimised)
{
    settings().show();
    settings().window()->showMinimized();
    ASSERT_TRUE(rig.presentBreak());
    EXPECT_FALSE(rig.windows.restoreSettingsAfterBreak());
    endBreak(BreakDismissalOutcome::completed(20, false, false));

    EXPECT_TRUE(settings().window()->isMinimized());
    EXPECT_EQ(rig.appState.current(), AppState::background);
}
