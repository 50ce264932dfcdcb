#include "settings_ui/components/Motion.h"
#include "settings_ui/components/ToggleSwitch.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

TEST(ToggleSwitchTest, ClickAndSpaceToggleItAndScreenReadersHearItsNameAndState)
{
    Motion::setJumpToEnd(true);
    QWidget window;
    auto *toggle = new ToggleSwitch(ToggleSwitch::Size::small, QColor(101, 182, 43), &window);
    toggle->setAccessibleName("Long breaks");
    window.show();
    QSignalSpy toggled(toggle, &QAbstractButton::toggled);

    QTest::mouseClick(toggle, Qt::LeftButton);
    EXPECT_TRUE(toggle->isChecked());
    toggle->setFocus(Qt::TabFocusReason);
    QTest::keyClick(toggle, Qt::Key_Space);
    EXPECT_FALSE(toggle->isChecked());
    EXPECT_EQ(toggled.count(), 2);

    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(toggle);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->text(QAccessible::Name), "Long breaks");
    EXPECT_EQ(accessible->role(), QAccessible::CheckBox);
    EXPECT_FALSE(accessible->state().checked);
    toggle->setChecked(true);
    EXPECT_TRUE(accessible->state().checked);
    EXPECT_TRUE(accessible->state().focusable);

    toggle->setEnabled(false);
    QTest::mouseClick(toggle, Qt::LeftButton);
    EXPECT_TRUE(toggle->isChecked()) << "a disabled switch ignores clicks";
    Motion::setJumpToEnd(false);
}

TEST(ToggleSwitchTest, SizesLeaveRoomForTheFocusRingAroundTheTrack)
{
    const std::pair<ToggleSwitch::Size, QSize> cases[] = {
        {ToggleSwitch::Size::small, QSize(32, 18)},
        {ToggleSwitch::Size::mini, QSize(26, 15)},
    };
    for (const auto &[size, track] : cases) {
        ToggleSwitch toggle(size, Qt::blue);
        EXPECT_EQ(ToggleSwitch::trackSize(size), track);
        EXPECT_EQ(toggle.sizeHint(), track + QSize(6, 6));
    }
}
