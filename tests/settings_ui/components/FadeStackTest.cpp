#include "settings_ui/components/Debouncer.h"
#include "settings_ui/components/FadeStack.h"
#include "settings_ui/components/Motion.h"
#include "settings_ui/components/ReducedMotion.h"
#include "support/BreakScreenRig.h"
#include "support/FakeClock.h"
#include "support/FakeDesktopAppearance.h"

#include <QPointer>

#include <gtest/gtest.h>

TEST(FadeStackTest, ANewPageReplacesTheOldOneWhoseSavesRunAsItLeaves)
{
    FakeClock clock;
    for (const bool reducedMotion : {false, true}) {
        SCOPED_TRACE(reducedMotion);
        FakeDesktopAppearance desktop;
        desktop.setAnimationsEnabled(!reducedMotion);
        ReducedMotion motion(desktop);
        FadeStack stack;
        stack.resize(300, 200);
        stack.show();
        auto *first = new QWidget;
        stack.setPage(first, MotionCurve::easeInOut(0.12));
        EXPECT_FALSE(stack.isFading()) << "the first page has nothing to fade from";

        int saves = 0;
        auto *save = new Debouncer(clock, 0.3, [&] { ++saves; }, first);
        save->call();
        const QPointer<QWidget> old = first;
        auto *second = new QWidget;
        stack.setPage(second, MotionCurve::easeInOut(0.12));
        EXPECT_EQ(saves, 1);
        EXPECT_EQ(stack.page(), second);
        EXPECT_EQ(second->geometry(), stack.rect());
        EXPECT_FALSE(old->isVisible());
        // Cross-faded on screen, at once with reduced motion.
        EXPECT_EQ(stack.isFading(), !reducedMotion);
        BreakScreenRig::flushDeletions();
        EXPECT_TRUE(old.isNull());

        stack.hide();
        EXPECT_FALSE(stack.isFading()) << "a hidden stack fades nothing";
    }
    Motion::setJumpToEnd(false);
}

TEST(ReducedMotionTest, TheDesktopsAnimationSwitchDrivesTheMotionSwitch)
{
    FakeDesktopAppearance desktop;
    ReducedMotion motion(desktop);
    EXPECT_FALSE(Motion::jumpsToEnd()) << "a desktop that says nothing animates";
    desktop.setAnimationsEnabled(false);
    EXPECT_TRUE(Motion::jumpsToEnd());
    desktop.setAnimationsEnabled(true);
    EXPECT_FALSE(Motion::jumpsToEnd());
}
