#include "menubar/HUDContentView.h"
#include "menubar/HUDWindow.h"
#include "support/FloatingHUDRig.h"

#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

// Focus and clicks themselves are tried against a real window manager in the integration
// tests; the offscreen platform activates every window it shows.
TEST(HUDWindowTest, TheWindowAsksNeverToTakeFocusAndToLetClicksThroughWhateverItsLayer)
{
    for (const bool aboveFullscreen : {false, true}) {
        SCOPED_TRACE(aboveFullscreen ? "above full-screen windows" : "floating");
        FloatingHUDRig rig({{"hudAboveFullscreen", aboveFullscreen}, {"hudAutoDismiss", false}});
        ASSERT_TRUE(rig.present());
        HUDWindow *window = rig.hud.window();
        EXPECT_TRUE(window->testAttribute(Qt::WA_ShowWithoutActivating));
        EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowTransparentForInput));
        EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
        EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        // Only a window the window manager does not stack can cover a focused full-screen one.
        EXPECT_EQ(window->windowFlags().testFlag(Qt::BypassWindowManagerHint), aboveFullscreen);
        // Kept on every workspace, asked before the window manager first sees it.
        ASSERT_EQ(rig.windowSupport.pinned().size(), 1);
        EXPECT_EQ(rig.windowSupport.pinned().constFirst().window, window);
        EXPECT_FALSE(rig.windowSupport.pinned().constFirst().wasVisible);
        // A window manager's frame around it is opened to clicks once it is on screen.
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        EXPECT_EQ(rig.windowSupport.clickThroughFrames(), QList<QPointer<QWidget>>({window}));
    }
}

TEST(HUDWindowTest, WithoutACompositorTheWindowIsCutToTheBodysRoundedShape)
{
    FloatingHUDRig opaque({{"hudAutoDismiss", false}});
    opaque.windowSupport.setCompositing(false);
    ASSERT_TRUE(opaque.present());
    const QRegion mask = opaque.hud.window()->mask();
    EXPECT_EQ(mask.boundingRect(), QRect(30, 30, 310, 56));
    // The corners are cut round, not square.
    EXPECT_FALSE(mask.contains(QPoint(31, 31)));
    EXPECT_TRUE(mask.contains(QPoint(30 + 155, 30 + 28)));
    EXPECT_FALSE(opaque.hud.window()->testAttribute(Qt::WA_TranslucentBackground));

    FloatingHUDRig translucent({{"hudAutoDismiss", false}});
    ASSERT_TRUE(translucent.present());
    EXPECT_TRUE(translucent.hud.window()->mask().isEmpty());
    EXPECT_TRUE(translucent.hud.window()->testAttribute(Qt::WA_TranslucentBackground));
}

TEST(HUDWindowTest, ThePaletteIsTheThemeAtTheMomentOfPresentation)
{
    FloatingHUDRig rig({{"hudAutoDismiss", false}});
    rig.theme.setAppTheme(AppTheme::dark);
    ASSERT_TRUE(rig.present());
    const auto titleColour = [&rig] {
        return rig.content()->titleLabel()->palette().color(QPalette::WindowText);
    };
    EXPECT_EQ(titleColour(), QColor(Qt::white));

    rig.theme.setAppTheme(AppTheme::light);
    EXPECT_EQ(titleColour(), QColor(Qt::white));
    EXPECT_TRUE(rig.hud.update("Blink", "Look away for a moment", 0));
    EXPECT_EQ(titleColour(), QColor(Qt::white));

    ASSERT_TRUE(rig.present());
    EXPECT_EQ(titleColour(), QColor(Qt::black));
}
