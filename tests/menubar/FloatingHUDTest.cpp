#include "menubar/HUDContentView.h"
#include "menubar/HUDWindow.h"
#include "support/FloatingHUDRig.h"

#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QRect kScreen = FloatingHUDRig::kScreen;

QVariantMap noAutoDismiss()
{
    return {{"hudAutoDismiss", false}};
}

} // namespace

TEST(FloatingHUDTest, BodyIsCentredOnTheScreenUnderThePointerWithItsLowerEdge150Below)
{
    const struct
    {
        QString hudStyle;
        QRect screen;
        QRect body;
    } cases[] = {
        {"standard", kScreen, {805, 94, 310, 56}},
        {"compact", kScreen, {830, 106, 260, 44}},
        {"large", kScreen, {770, 78, 380, 72}},
        {"", kScreen, {805, 94, 310, 56}},
        {"Large", kScreen, {805, 94, 310, 56}},
        // A second screen to the right, lower down.
        {"standard", {1920, 200, 1280, 1024}, {2405, 294, 310, 56}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.hudStyle.toStdString());
        FloatingHUDRig rig({{"hudStyle", c.hudStyle}}, c.screen);
        ASSERT_TRUE(rig.present());
        const HUDWindow *window = rig.hud.window();
        // It enters 12 pixels higher and invisible...
        EXPECT_EQ(window->geometry().adjusted(30, 30, -30, -30), c.body.translated(0, -12));
        EXPECT_EQ(window->windowOpacity(), 0.0);
        EXPECT_TRUE(window->isVisible());
    }

    // ...and drops into place as it fades in.
    FloatingHUDRig rig;
    ASSERT_TRUE(rig.present());
    const HUDWindow *window = rig.hud.window();
    QTRY_COMPARE_WITH_TIMEOUT(window->geometry(), QRect(775, 64, 370, 116), 2000);
    QTRY_COMPARE_WITH_TIMEOUT(window->windowOpacity(), 1.0, 2000);
}

TEST(FloatingHUDTest, NothingIsShownWithoutAScreenOrOutsideOfficeHours)
{
    FloatingHUDRig rig(noAutoDismiss());
    ASSERT_TRUE(rig.present());
    const QUuid shown = rig.hud.presentationId();

    rig.screen.reset();
    EXPECT_FALSE(rig.present(HUDStyle::blink));
    EXPECT_EQ(rig.log.messages("HUD"),
              QStringList({"HUD presentation skipped because no display is available"}));
    EXPECT_EQ(rig.log.records().constLast().level, LogLevel::Warn);
    // The notice on screen is left alone.
    EXPECT_EQ(rig.hud.presentationId(), shown);
    EXPECT_TRUE(rig.hud.isShowing());

    // Office hours Monday to Friday from 09:00; it is 08:00 on a Tuesday.
    FloatingHUDRig early({{"officeHoursEnabled", true}});
    early.clock.setNow(QDateTime(QDate(2025, 3, 4), QTime(8, 0)));
    EXPECT_FALSE(early.present());
    EXPECT_TRUE(early.log.messages("HUD").isEmpty());
    EXPECT_EQ(early.sounds, 0);
    // The settings' notification preview shows whatever the hour.
    EXPECT_TRUE(early.hud.present(HUDStyle::posture, "Preview", "Looks like this", 0,
                                  HUDPresentationKind::regular, true, nullptr));
}

TEST(FloatingHUDTest, EachPresentationGetsItsOwnIdAndReplacesTheLastWithoutItsHandler)
{
    FloatingHUDRig rig(noAutoDismiss());
    EXPECT_TRUE(rig.hud.presentationId().isNull());
    ASSERT_TRUE(rig.present());
    const QUuid first = rig.hud.presentationId();
    const QPointer<HUDWindow> firstWindow = rig.hud.window();
    EXPECT_FALSE(first.isNull());
    EXPECT_EQ(rig.sounds, 1);

    ASSERT_TRUE(rig.present(HUDStyle::blink));
    EXPECT_NE(rig.hud.presentationId(), first);
    EXPECT_FALSE(rig.hud.presentationId().isNull());
    // The old window goes at once, without a fade, and its owner is not told.
    EXPECT_TRUE(firstWindow.isNull() || !firstWindow->isVisible());
    EXPECT_NE(rig.hud.window(), firstWindow.data());
    EXPECT_TRUE(rig.handled.isEmpty());
    EXPECT_EQ(rig.sounds, 2);
}

TEST(FloatingHUDTest, DismissClosesAtOnceAndRunsTheHandlerOnlyWhenAskedAndSomethingShowed)
{
    FloatingHUDRig rig(noAutoDismiss());
    ASSERT_TRUE(rig.present());
    const QPointer<HUDWindow> window = rig.hud.window();
    rig.hud.dismiss(true);
    EXPECT_EQ(rig.handled, QList<int>({1}));
    EXPECT_TRUE(rig.hud.presentationId().isNull());
    EXPECT_FALSE(rig.hud.isShowing());
    EXPECT_TRUE(window.isNull() || !window->isVisible());

    // Nothing on screen: nothing to tell anyone, whatever is asked.
    rig.hud.dismiss(true);
    EXPECT_EQ(rig.handled, QList<int>({1}));
    EXPECT_FALSE(rig.hud.update("Blink", "Look away", 0));

    ASSERT_TRUE(rig.present());
    rig.hud.dismiss(false);
    EXPECT_TRUE(rig.hud.presentationId().isNull());
    EXPECT_FALSE(rig.hud.isShowing());
    // The dropped handler is gone for good: a later dismissal does not find it.
    rig.hud.dismiss(true);
    EXPECT_EQ(rig.handled, QList<int>({1}));
}

TEST(FloatingHUDTest, UpdateChangesTheTextsInPlaceKeepingTheIdAndPlaysNoSound)
{
    FloatingHUDRig rig(noAutoDismiss());
    ASSERT_TRUE(rig.present(HUDStyle::posture));
    const QUuid id = rig.hud.presentationId();
    HUDWindow *window = rig.hud.window();

    EXPECT_TRUE(rig.hud.update("Wellness check", "Sit up straight and blink", 0));
    EXPECT_EQ(rig.hud.presentationId(), id);
    EXPECT_EQ(rig.hud.window(), window);
    EXPECT_EQ(rig.content()->titleLabel()->text(), "Wellness check");
    EXPECT_EQ(rig.content()->subtitleLabel()->text(), "Sit up straight and blink");
    EXPECT_EQ(rig.sounds, 1);
    // A notice without a ring does not gain one.
    EXPECT_TRUE(rig.hud.update("Break in 20s", "Finish your thought", 20));
    EXPECT_EQ(rig.ring(), nullptr);

    // The compact notice's one line shows the subtitle, never the title.
    FloatingHUDRig compact({{"hudStyle", "compact"}, {"hudAutoDismiss", false}});
    ASSERT_TRUE(compact.present());
    EXPECT_EQ(compact.content()->compactLabel()->text(), "Roll your shoulders back");
    EXPECT_EQ(compact.content()->titleLabel(), nullptr);
    EXPECT_TRUE(compact.hud.update("Wellness check", "Sit up straight and blink", 0));
    EXPECT_EQ(compact.content()->compactLabel()->text(), "Sit up straight and blink");
}

TEST(FloatingHUDTest, AutoDismissFadesOutAfterTheSetTimeThenTellsTheOwner)
{
    FloatingHUDRig rig({{"hudDismissSeconds", 8}});
    ASSERT_TRUE(rig.present());
    const QPointer<HUDWindow> window = rig.hud.window();
    rig.clock.advance(7.9);
    EXPECT_TRUE(rig.hud.isShowing());

    rig.clock.advance(0.1);
    // Gone at once for its owner: no update lands on a notice that is fading away...
    EXPECT_TRUE(rig.hud.presentationId().isNull());
    EXPECT_FALSE(rig.hud.update("Too late", "", 0));
    // ...but still on screen while it fades, and the handler waits for the end.
    EXPECT_TRUE(window && window->isVisible());
    EXPECT_TRUE(rig.handled.isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(window.isNull() || !window->isVisible(), 2000);
    QTRY_COMPARE_WITH_TIMEOUT(rig.handled, QList<int>({1}), 2000);
}

TEST(FloatingHUDTest, WhichNoticesDismissThemselvesFollowsTheSettingsAtPresentation)
{
    const struct
    {
        const char *name;
        QVariantMap stored;
        HUDPresentationKind kind;
        double seconds; // until it is gone; 0 when it stays
    } cases[] = {
        {"regular", {}, HUDPresentationKind::regular, 5},
        {"planned break, asked to stay", {}, HUDPresentationKind::scheduledBreak, 0},
        {"planned break, not asked to stay",
         {{"scheduledBreakHUDStaysVisible", false}}, HUDPresentationKind::scheduledBreak, 5},
        {"auto-dismiss off", {{"hudAutoDismiss", false}}, HUDPresentationKind::regular, 0},
        {"three seconds", {{"hudDismissSeconds", 3}}, HUDPresentationKind::regular, 3},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        FloatingHUDRig rig(c.stored);
        ASSERT_TRUE(rig.present(HUDStyle::breakReminder, 0, c.kind));
        // A change made while it shows does not alter it.
        rig.settings.setHudAutoDismiss(!rig.settings.hudAutoDismiss());
        if (c.seconds == 0) {
            rig.clock.advance(3600);
            EXPECT_TRUE(rig.hud.isShowing());
            continue;
        }
        rig.clock.advance(c.seconds - 0.05);
        EXPECT_TRUE(rig.hud.isShowing());
        rig.clock.advance(0.05);
        EXPECT_FALSE(rig.hud.isShowing());
    }

    // A dismiss time of zero or less still lets the notice be seen for a tenth of a second.
    FloatingHUDRig instant;
    instant.settings.setHudDismissSeconds(0);
    ASSERT_TRUE(instant.present());
    instant.clock.advance(0.09);
    EXPECT_TRUE(instant.hud.isShowing());
    instant.clock.advance(0.01);
    EXPECT_FALSE(instant.hud.isShowing());
}

TEST(FloatingHUDTest, ANewNoticeDuringTheFadeOutKeepsTheFadingOnesHandlerFromRunning)
{
    FloatingHUDRig rig;
    ASSERT_TRUE(rig.present());
    const QPointer<HUDWindow> fading = rig.hud.window();
    rig.clock.advance(5);
    ASSERT_TRUE(fading && fading->isVisible());

    ASSERT_TRUE(rig.present(HUDStyle::blink));
    // The fading window still goes; the handler would have run as it went.
    QTRY_VERIFY_WITH_TIMEOUT(fading.isNull() || !fading->isVisible(), 2000);
    EXPECT_TRUE(rig.hud.isShowing());
    EXPECT_TRUE(rig.handled.isEmpty());

    // Even when the newer notice is closed again before the fade ends, the faded notice's
    // owner hears nothing: its notice was replaced, not dismissed.
    ASSERT_TRUE(rig.present(HUDStyle::typing));
    const QPointer<HUDWindow> third = rig.hud.window();
    rig.clock.advance(5);
    ASSERT_TRUE(rig.present(HUDStyle::walk));
    rig.hud.dismiss(true);
    EXPECT_EQ(rig.handled, QList<int>({4}));
    QTRY_VERIFY_WITH_TIMEOUT(third.isNull() || !third->isVisible(), 2000);
    EXPECT_EQ(rig.handled, QList<int>({4}));
}
