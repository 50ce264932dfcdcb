#include "settings_ui/components/ValueComboBox.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

void press(QAccessibleInterface *target)
{
    target->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    // An entry's press lands on the next turn of the event loop, as a click's release would.
    QCoreApplication::processEvents();
}

} // namespace

// A closed drop-down offers no entry; pressed, it opens on its entries, and an entry's press
// chooses it and closes the list. An entry held from then on neither shows nor takes a press,
// so nothing can change a choice nobody sees.
TEST(ValueComboBoxAccessibleTest, OnlyAnOpenListOffersItsEntriesAndAnEntryOfAClosedOneTakesNoPress)
{
    ValueComboBox picker(ValueComboBox::numbered({1, 2, 3}, QStringLiteral(" min"), 60), 120);
    picker.setAccessibleName(QStringLiteral("Break duration"));
    picker.setValue(QVariant::fromValue(qint64(120)));
    picker.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&picker));
    QSignalSpy picks(&picker, &ValueComboBox::valueActivated);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(&picker);
    EXPECT_EQ(accessible->childCount(), 0);

    press(accessible);
    ASSERT_EQ(accessible->childCount(), 3);
    EXPECT_TRUE(accessible->state().expanded);
    EXPECT_TRUE(accessible->child(1)->state().selected) << "the shown choice";
    QAccessibleInterface *entry = accessible->child(2);
    EXPECT_EQ(entry->text(QAccessible::Name), "3 min");
    EXPECT_FALSE(entry->state().invisible);

    press(entry);
    EXPECT_FALSE(picker.isListOpen());
    ASSERT_EQ(picks.count(), 1);
    EXPECT_EQ(picks.first().first().toLongLong(), 180);
    EXPECT_EQ(accessible->childCount(), 0);
    EXPECT_TRUE(entry->state().invisible);
    press(entry);
    EXPECT_EQ(picks.count(), 1) << "an entry of the closed list took a press";

    // The drop-down's own press closes the list again, choosing nothing.
    press(accessible);
    press(accessible);
    EXPECT_FALSE(picker.isListOpen());
    EXPECT_EQ(picks.count(), 1);
}
