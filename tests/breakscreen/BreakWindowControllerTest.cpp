#include "breakscreen/BreakPanel.h"
#include "breakscreen/BreakScreenConfig.h"
#include "breakscreen/BreakSecondaryView.h"
#include "breakscreen/BreakWindowManager.h"
#include "core/Logger.h"
#include "support/BreakScreenRig.h"

#include <QGuiApplication>
#include <QScreen>

#include <gtest/gtest.h>

#include <cmath>

namespace {

// One step of each fade on the fake clock, whose timers fire on whole milliseconds.
constexpr double fadeInStep = 0.034;
constexpr double fadeOutStep = 0.017;

class BreakWindowControllerTest : public ::testing::Test
{
protected:
    BreakWindowController &controller() { return rig.windows.breakController(); }
    BreakPanel *panel(int index) { return controller().panels().at(index); }

    BreakScreenRig rig;
};

} // namespace

TEST_F(BreakWindowControllerTest, APresentedBreakCoversEveryScreenWithTheOverlayOnTheFirst)
{
    rig.screenCount = 2;
    ASSERT_TRUE(rig.presentBreak(true));

    ASSERT_EQ(controller().panels().size(), 2);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    for (BreakPanel *each : controller().panels()) {
        EXPECT_TRUE(each->isVisible());
        EXPECT_EQ(each->geometry(), screen);
    }
    ASSERT_NE(rig.overlay(), nullptr);
    EXPECT_EQ(panel(0)->content(), rig.overlay());
    EXPECT_TRUE(rig.overlay()->isLongBreak);
    EXPECT_EQ(rig.overlay()->mode, BreakOverlayMode::live());
    EXPECT_NE(qobject_cast<BreakSecondaryView *>(panel(1)->content()), nullptr);
    EXPECT_EQ(rig.overlays.size(), 1) << "only the first screen has the controls";
    // Notices go before the panels come up; the announcement comes last.
    EXPECT_EQ(rig.timeline, QStringList({"clearNotices", "sound", "state breakRunning",
                                         "breakWillShow"}));
    EXPECT_TRUE(rig.activation.isInBreakMode());
    EXPECT_EQ(rig.activation.activationPolicy(), ActivationPolicy::regular);
    EXPECT_TRUE(rig.log.contains("BreakWindow", "--- SHOWING PANELS ---"));
}

TEST_F(BreakWindowControllerTest, ASecondBreakIsRefusedWhileOneShowsOrFadesOut)
{
    ASSERT_TRUE(rig.presentBreak());
    const QStringList before = rig.timeline;
    EXPECT_FALSE(rig.presentBreak());
    EXPECT_EQ(rig.timeline, before);

    rig.overlay()->report(BreakDismissalOutcome::skipped());
    EXPECT_TRUE(controller().panels().isEmpty());
    EXPECT_TRUE(controller().isDismissing());
    EXPECT_TRUE(WindowManager::isBreakShowing());
    EXPECT_FALSE(rig.presentBreak());
    EXPECT_FALSE(rig.windows.showBreak(false));
    EXPECT_EQ(rig.overlays.size(), 1);

    rig.finishFadeOut();
    EXPECT_FALSE(WindowManager::isBreakShowing());
    EXPECT_TRUE(rig.presentBreak());
}

TEST_F(BreakWindowControllerTest, PanelsFadeInEasingOutAndOutWithASmoothstep)
{
    ASSERT_TRUE(rig.presentBreak());
    EXPECT_EQ(panel(0)->windowOpacity(), 0.0);
    rig.clock.advance(fadeInStep);
    EXPECT_NEAR(panel(0)->windowOpacity(), 1.0 - std::pow(29.0 / 30.0, 3), 0.01);
    rig.clock.advance(29 * fadeInStep);
    EXPECT_EQ(panel(0)->windowOpacity(), 1.0);

    BreakPanel *fading = panel(0);
    controller().dismiss(BreakDismissalOutcome::skipped());
    rig.clock.advance(9 * fadeOutStep);
    EXPECT_NEAR(fading->windowOpacity(), 0.5, 0.01);
    rig.clock.advance(8 * fadeOutStep);
    EXPECT_TRUE(rig.timeline.filter("outcome").isEmpty()) << "17 of the 18 steps have run";
    EXPECT_TRUE(fading->isVisible());
    rig.clock.advance(fadeOutStep);
    EXPECT_EQ(rig.timeline.filter("outcome"), QStringList({"outcome skipped"}));
}

TEST_F(BreakWindowControllerTest, TheEndOfABreakLeavesBreakModeBeforeTheOutcomeAndAnnouncesLast)
{
    rig.activation.sendToBackground();
    BreakWindowManager::setScheduledBreakDurationSeconds(900);
    ASSERT_TRUE(rig.presentBreak());
    rig.timeline.clear();

    rig.overlay()->report(BreakDismissalOutcome::completed(20, false, false));
    rig.overlay()->report(BreakDismissalOutcome::skipped()); // a late second way out
    EXPECT_EQ(BreakWindowManager::scheduledBreakDurationSeconds(), 900)
        << "the length describes the break until its panels have gone";
    rig.finishFadeOut();

    EXPECT_EQ(rig.timeline, QStringList({"outcome completed", "state background", "breakDidHide"}));
    // The break timer hears of it with the panels closed, the planned length cleared and
    // break mode left, but before another break may start.
    ASSERT_TRUE(rig.atOutcome);
    EXPECT_EQ(rig.atOutcome->visiblePanels, 0);
    EXPECT_EQ(rig.atOutcome->scheduledDuration, std::nullopt);
    EXPECT_FALSE(rig.atOutcome->inBreakMode);
    EXPECT_TRUE(rig.atOutcome->dismissing);
    EXPECT_EQ(BreakWindowManager::scheduledBreakDurationSeconds(), std::nullopt);
    EXPECT_FALSE(rig.activation.isInBreakMode());
    EXPECT_EQ(rig.activation.activationPolicy(), ActivationPolicy::accessory);
    EXPECT_FALSE(controller().isDismissing());
    EXPECT_EQ(rig.log.count("BreakWindow", "Break requested dismissal"), 2);
    EXPECT_EQ(rig.log.count("BreakWindow", "Panels dismissing"), 1);
    QStringList order;
    for (const LogRecord &record : rig.log.records()) {
        if (record.message.startsWith("→ exit") || record.message == "Break dismissal completed"
            || record.message == "Panels dismissing")
            order.append(record.message);
    }
    EXPECT_EQ(order, QStringList({"Panels dismissing", "→ exit break mode (accessory)",
                                  "Break dismissal completed"}));
}

TEST_F(BreakWindowControllerTest, ABreakSkippedFromOutsideTakesTheSameRoadAsTheOverlays)
{
    ASSERT_TRUE(rig.presentBreak());
    EXPECT_TRUE(controller().dismiss(BreakDismissalOutcome::interrupted()));
    EXPECT_FALSE(controller().dismiss(BreakDismissalOutcome::skipped()));
    rig.finishFadeOut();

    EXPECT_EQ(rig.timeline.mid(4), QStringList({"outcome interrupted", "state background",
                                                "breakDidHide"}));
    EXPECT_FALSE(controller().dismiss(BreakDismissalOutcome::skipped())) << "nothing is up";
}

TEST_F(BreakWindowControllerTest, NoScreenMeansNoBreakAndNoTrace)
{
    rig.screenCount = 0;
    rig.windows.settingsController().show();
    rig.timeline.clear();

    EXPECT_FALSE(rig.presentBreak());
    EXPECT_TRUE(rig.timeline.isEmpty());
    EXPECT_EQ(rig.appState.current(), AppState::settings);
    EXPECT_FALSE(rig.windows.restoreSettingsAfterBreak());
    EXPECT_FALSE(rig.activation.isInBreakMode());
    EXPECT_TRUE(rig.log.contains("BreakWindow",
                                 "Cannot show a break because no display is available"));
}

TEST_F(BreakWindowControllerTest, ScreensThatComeAndGoGainAndLosePanelsButNeverTheOverlay)
{
    rig.screenCount = 2;
    ASSERT_TRUE(rig.presentBreak());
    rig.clock.advance(fadeInStep);

    rig.screenCount = 3;
    controller().rebuildPanels();
    ASSERT_EQ(controller().panels().size(), 3);
    EXPECT_EQ(panel(2)->windowOpacity(), 1.0) << "a late screen does not fade in";
    EXPECT_TRUE(panel(2)->isVisible());
    EXPECT_NE(qobject_cast<BreakSecondaryView *>(panel(2)->content()), nullptr);

    rig.screenCount = 1;
    controller().rebuildPanels();
    ASSERT_EQ(controller().panels().size(), 1);
    EXPECT_EQ(panel(0)->content(), rig.overlay());
    EXPECT_EQ(rig.overlays.size(), 1);
}

TEST_F(BreakWindowControllerTest, ALockedSessionTakesTheKeyboardHoldAndUnlockingGivesItBack)
{
    rig.enforcement = "Hardcore";
    ASSERT_TRUE(rig.presentBreak());
    const PresentationOptions held = PresentationOption::holdFocus | PresentationOption::grabKeyboard;
    EXPECT_EQ(rig.activation.presentationOptions(), held);

    rig.session.emitSessionDidResignActive();
    EXPECT_FALSE(controller().sessionAllowsReassertion());
    EXPECT_EQ(rig.activation.presentationOptions(), PresentationOptions());
    rig.clock.advance(1.0); // no reassertion puts them back
    EXPECT_EQ(rig.activation.presentationOptions(), PresentationOptions());

    rig.session.emitSessionDidBecomeActive();
    EXPECT_TRUE(controller().sessionAllowsReassertion());
    EXPECT_EQ(rig.activation.presentationOptions(), held);
}

TEST_F(BreakWindowControllerTest, WakingIntoALockedScreenWaitsForTheUnlock)
{
    ASSERT_TRUE(rig.presentBreak());
    rig.session.emitSystemWillSleep();
    EXPECT_EQ(rig.activation.presentationOptions(), PresentationOptions());

    rig.screenLocked = true;
    rig.session.emitSystemDidWake();
    EXPECT_FALSE(controller().sessionAllowsReassertion());

    rig.screenLocked = false;
    rig.session.emitSessionDidBecomeActive();
    EXPECT_TRUE(controller().sessionAllowsReassertion());
    EXPECT_EQ(rig.activation.presentationOptions(),
              PresentationOptions(PresentationOption::holdFocus));
}

// Unmanaged panels shown over a screen locker would cover it: they wait for the unlock.
TEST_F(BreakWindowControllerTest, ABreakDueOverALockedScreenStaysOutOfSightUntilTheUnlock)
{
    rig.screenLocked = true;
    rig.screenCount = 2;
    ASSERT_TRUE(rig.presentBreak());
    ASSERT_EQ(controller().panels().size(), 2);
    rig.screenCount = 3;
    controller().rebuildPanels(); // a monitor plugged in meanwhile
    rig.clock.advance(1.0);
    for (BreakPanel *each : controller().panels())
        EXPECT_FALSE(each->isVisible());

    rig.screenLocked = false;
    rig.session.emitSessionDidBecomeActive();
    rig.clock.advance(0.0);
    ASSERT_EQ(controller().panels().size(), 3);
    for (BreakPanel *each : controller().panels())
        EXPECT_TRUE(each->isVisible());
    EXPECT_TRUE(rig.timeline.contains("breakWillShow"));
}

// A window mapped or raised over the panels puts them back on top, unless the session is
// locked; one that goes straight back over them each time wins after three raises.
TEST_F(BreakWindowControllerTest, WindowsThatComeOverThePanelsAreCoveredAgain)
{
    rig.screenCount = 2;
    ASSERT_TRUE(rig.presentBreak());
    EXPECT_EQ(rig.stacking.watched(), QList<WId>({panel(0)->winId(), panel(1)->winId()}));
    const auto coverAndAnswer = [&](quint64 window, double afterSeconds) {
        rig.clock.advance(afterSeconds);
        panel(0)->hide(); // what the window over it hides
        rig.stacking.cover(window);
        rig.clock.advance(0.0);
        return panel(0)->isVisible();
    };
    const quint64 bubble = 0x600001;
    const quint64 insisting = 0x700001;
    EXPECT_TRUE(coverAndAnswer(bubble, 0.5));
    EXPECT_TRUE(coverAndAnswer(bubble, 1.5)); // long after: a new contest
    EXPECT_TRUE(coverAndAnswer(insisting, 0.5));
    EXPECT_TRUE(coverAndAnswer(insisting, 1.0));
    EXPECT_TRUE(coverAndAnswer(insisting, 1.0));
    EXPECT_FALSE(coverAndAnswer(insisting, 1.0));
    EXPECT_FALSE(coverAndAnswer(insisting, 5.0)); // for the rest of the break
    EXPECT_EQ(rig.log.count("BreakWindow", "panels_left_below_window | window=0x700001"), 1);
    EXPECT_TRUE(coverAndAnswer(bubble, 0.1));

    rig.session.emitSessionDidResignActive();
    EXPECT_FALSE(coverAndAnswer(bubble, 2.0)) << "raised over a locked session";
    rig.session.emitSessionDidBecomeActive();
    rig.clock.advance(1.0);

    controller().dismiss(BreakDismissalOutcome::skipped());
    EXPECT_TRUE(rig.stacking.watched().isEmpty());
    rig.finishFadeOut();
    ASSERT_TRUE(rig.presentBreak());
    EXPECT_TRUE(coverAndAnswer(insisting, 0.0)) << "every break starts afresh";
}

// Raises count as one contest by the time that really passed between them: a clock set back
// meanwhile does not make a window that came back after seconds look as if it answered at once.
TEST_F(BreakWindowControllerTest, SettingTheClockDoesNotJoinRaisesIntoOneContest)
{
    ASSERT_TRUE(rig.presentBreak());
    const quint64 window = 0x700001;
    const auto coverAndAnswer = [&](double afterSeconds) {
        rig.clock.advance(afterSeconds);
        panel(0)->hide();
        rig.stacking.cover(window);
        rig.clock.advance(0.0);
        return panel(0)->isVisible();
    };
    EXPECT_TRUE(coverAndAnswer(0.5));
    EXPECT_TRUE(coverAndAnswer(0.5));
    EXPECT_TRUE(coverAndAnswer(0.5));
    rig.clock.setNow(rig.clock.now().addSecs(-3600));
    EXPECT_TRUE(coverAndAnswer(5.0)) << "seconds later: a new contest";
}

TEST_F(BreakWindowControllerTest, ReassertionPutsBackOptionsSomethingElseChanged)
{
    ASSERT_TRUE(rig.presentBreak());
    rig.activation.setPresentationOptions({});
    rig.windows.breakController().panels().first()->hide();
    emit qGuiApp->applicationStateChanged(Qt::ApplicationInactive);
    rig.clock.advance(0.0);
    EXPECT_EQ(rig.activation.presentationOptions(),
              PresentationOptions(PresentationOption::holdFocus));
    EXPECT_TRUE(panel(0)->isVisible());

    // Not while the main display sleeps.
    rig.display.setMainDisplayActive(false);
    rig.activation.setPresentationOptions({});
    emit qGuiApp->applicationStateChanged(Qt::ApplicationInactive);
    rig.clock.advance(0.5);
    EXPECT_EQ(rig.activation.presentationOptions(), PresentationOptions());
}

TEST_F(BreakWindowControllerTest, APreviewShowsOneScreenForAtLeastASecondWithoutABreak)
{
    auto config = std::make_shared<BreakScreenConfig>();
    config->setBackground(BreakBG::dark);
    ASSERT_TRUE(controller().showPreview(config, 0));

    ASSERT_NE(controller().previewPanel(), nullptr);
    EXPECT_TRUE(controller().previewPanel()->isVisible());
    EXPECT_EQ(controller().previewPanel()->windowOpacity(), 1.0);
    EXPECT_EQ(rig.overlay()->mode, BreakOverlayMode::preview(1));
    EXPECT_FALSE(rig.overlay()->isLongBreak);
    EXPECT_FALSE(rig.activation.isInBreakMode());
    EXPECT_FALSE(WindowManager::isBreakShowing());
    EXPECT_TRUE(rig.timeline.isEmpty());
    const QString name = QGuiApplication::primaryScreen()->name();
    EXPECT_TRUE(rig.log.contains("BreakPreview", formatLogEvent("Preview shown",
                                                                {{"display", name},
                                                                 {"duration", "1s"}})));

    rig.clock.advance(0.999);
    EXPECT_NE(controller().previewPanel(), nullptr);
    rig.clock.advance(0.002);
    EXPECT_EQ(controller().previewPanel(), nullptr);
    EXPECT_TRUE(rig.log.contains("BreakPreview", "Preview dismissed"));
}

TEST_F(BreakWindowControllerTest, ABreakClosesAnOpenPreviewAndAPreviewWaitsForTheBreakToEnd)
{
    auto config = std::make_shared<BreakScreenConfig>();
    config->setBackground(BreakBG::dark);
    ASSERT_TRUE(controller().showPreview(config, 5));
    int previewsDismissed = 0;
    controller().setOnPreviewDismissed([&] { ++previewsDismissed; });

    ASSERT_TRUE(rig.presentBreak());
    EXPECT_EQ(controller().previewPanel(), nullptr);
    EXPECT_EQ(previewsDismissed, 1);

    EXPECT_FALSE(controller().showPreview(config, 5));
    EXPECT_TRUE(rig.log.contains("BreakPreview", "Preview blocked because a break panel is active"));
}

TEST_F(BreakWindowControllerTest, ThePreviewsOwnWayOutClosesIt)
{
    auto config = std::make_shared<BreakScreenConfig>();
    config->setBackground(BreakBG::dark);
    ASSERT_TRUE(controller().showPreview(config, 5));
    rig.overlay()->report(BreakDismissalOutcome::skipped());

    EXPECT_EQ(controller().previewPanel(), nullptr);
    EXPECT_TRUE(rig.timeline.isEmpty()) << "a preview reports nothing";
    BreakScreenRig::flushDeletions();
    EXPECT_TRUE(rig.overlays.constLast().isNull());
}
