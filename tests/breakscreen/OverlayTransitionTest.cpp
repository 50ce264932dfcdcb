#include "breakscreen/OverlayTransition.h"

#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>

TEST(OverlayTransitionTest, EasesOnScreenAndLandsAtOnceOffScreen)
{
    QWidget owner;
    OverlayTransition transition(200, QEasingCurve::InOutQuad, false, &owner);
    transition.setShown(true);
    EXPECT_EQ(transition.value(), 1.0) << "nobody watches a hidden overlay";

    owner.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
    QList<qreal> seen;
    QObject::connect(&transition, &OverlayTransition::valueChanged,
                     [&](qreal value) { seen.append(value); });
    transition.setShown(false);
    EXPECT_EQ(transition.value(), 1.0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return transition.value() == 0.0; }, 3000));
    ASSERT_GE(seen.size(), 3);
    EXPECT_TRUE(std::is_sorted(seen.rbegin(), seen.rend())) << "straight down, no bounce";
    EXPECT_TRUE(std::any_of(seen.begin(), seen.end(), [](qreal v) { return v > 0.1 && v < 0.9; }));
}
