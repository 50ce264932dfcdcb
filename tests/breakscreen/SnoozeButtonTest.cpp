#include "breakscreen/SnoozeButton.h"
#include "breakscreen/SnoozeMenu.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QCoreApplication>
#include <QEnterEvent>
#include <QImage>
#include <QMouseEvent>
#include <QPointer>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// The control is driven by events sent straight to it and is never shown, so its hover
// and menu changes land at once instead of easing.
void send(QWidget *widget, QEvent::Type type, const QPointF &at,
          Qt::MouseButtons buttons = Qt::NoButton)
{
    const Qt::MouseButton button =
        type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, widget->mapToGlobal(at), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

void click(QWidget *widget, const QPointF &at)
{
    send(widget, QEvent::MouseButtonPress, at, Qt::LeftButton);
    send(widget, QEvent::MouseButtonRelease, at);
}

void leave(QWidget *widget)
{
    QEvent event(QEvent::Leave);
    QCoreApplication::sendEvent(widget, &event);
}

// The strongest ink in `area`: how bright the label is drawn, whatever its glyphs' shapes.
// The control is drawn as the row draws it, as a child (its mask only clips a child).
int strongestInk(SnoozeButton &button, const QRectF &area)
{
    QImage image(button.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    button.parentWidget()->render(&image, QPoint(), QRegion(button.geometry()),
                                  QWidget::DrawChildren);
    int strongest = 0;
    const QRect box = area.toAlignedRect() & image.rect();
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            strongest = std::max(strongest, qAlpha(image.pixel(x, y)));
    return strongest;
}

// The part of a control's accessible interface that screen readers find by that name.
QAccessibleInterface *childNamed(QAccessibleInterface *parent, const QString &name)
{
    for (int index = 0; index < parent->childCount(); ++index) {
        QAccessibleInterface *child = parent->child(index);
        if (child && child->text(QAccessible::Name) == name) {
            EXPECT_EQ(parent->indexOfChild(child), index);
            EXPECT_EQ(child->parent(), parent);
            return child;
        }
    }
    ADD_FAILURE() << "nothing named " << name.toStdString();
    return nullptr;
}

} // namespace

TEST(SnoozeButtonTest, HoverAnywhereOnThePillBrightensItAndAnOpenMenuKeepsItActive)
{
    QWidget row;
    SnoozeButton button(Qt::white, snoozeOptions(), &row);
    row.resize(button.size());
    const QRectF label = button.mainHalfRect().adjusted(24, 0, -8, 0);
    const int resting = strongestInk(button, label);
    const qreal restingShadow = button.shadowOpacity();

    // Over the chevron, the main half's label brightens too: hover covers the whole pill.
    send(&button, QEvent::MouseMove, button.chevronRect().center());
    ASSERT_TRUE(button.isHovering());
    EXPECT_GT(strongestInk(button, label), resting * 1.1);
    EXPECT_NEAR(button.shadowOpacity(), 0.22, 0.001);

    click(&button, button.chevronRect().center());
    ASSERT_TRUE(button.showOptions());
    leave(&button);
    EXPECT_FALSE(button.isHovering());
    EXPECT_NEAR(button.shadowOpacity(), 0.22, 0.001) << "the open menu keeps the pill active";
    EXPECT_NEAR(strongestInk(button, label), resting, 2) << "but only hover brightens the label";

    click(&button, button.chevronRect().center());
    EXPECT_FALSE(button.showOptions());
    EXPECT_NEAR(button.shadowOpacity(), restingShadow, 0.001);
}

TEST(SnoozeButtonTest, TheMainHalfSnoozesByDefaultAndLeavesTheMenuAsItIs)
{
    SnoozeButton button(Qt::white, snoozeOptions());
    QSignalSpy defaults(&button, &SnoozeButton::snoozeClicked);
    QSignalSpy chosen(&button, &SnoozeButton::snoozeChosen);

    click(&button, button.mainHalfRect().center());
    click(&button, button.chevronRect().center());
    click(&button, button.mainHalfRect().center());
    EXPECT_EQ(defaults.count(), 2);
    EXPECT_EQ(chosen.count(), 0);
    EXPECT_TRUE(button.showOptions());

    // A row closes the menu before it reports, and reports its value unchanged.
    SnoozeMenu *menu = button.menu();
    bool closedFirst = false;
    QObject::connect(&button, &SnoozeButton::snoozeChosen, [&] { closedFirst = !button.showOptions(); });
    click(menu, menu->rowRect(6).center());
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).toInt(), 20);
    EXPECT_TRUE(closedFirst);
}

TEST(SnoozeButtonTest, AMenuRowHighlightsOnlyWhilePressedAndAPressThatSlidesOffChoosesNothing)
{
    SnoozeMenu menu(snoozeOptions());
    menu.setPanelGeometry(QRect(QPoint(20, 20), menu.panelSize()));
    QSignalSpy chosen(&menu, &SnoozeMenu::optionChosen);

    send(&menu, QEvent::MouseMove, menu.rowRect(2).center());
    EXPECT_EQ(menu.pressedRow(), -1);
    send(&menu, QEvent::MouseButtonPress, menu.rowRect(2).center(), Qt::LeftButton);
    EXPECT_EQ(menu.pressedRow(), 2);
    send(&menu, QEvent::MouseButtonRelease, menu.rowRect(3).center());
    EXPECT_EQ(menu.pressedRow(), -1);
    EXPECT_EQ(chosen.count(), 0);

    click(&menu, menu.rowRect(0).center());
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).toInt(), 0) << "\"30 sec\" reports 0, the overlay makes it 30 s";
}

// What a screen reader finds of the control: the main half by its label, the chevron as
// "Snooze options", and the menu's rows by theirs, each pressed as a click presses it. A row
// of the closed menu is not there to press.
TEST(SnoozeButtonTest, AScreenReaderFindsEveryPartByItsNameAndPressesItAsAClickDoes)
{
    QWidget row;
    row.resize(300, 300);
    SnoozeButton button(Qt::white, snoozeOptions(), &row);
    row.show();
    QSignalSpy snoozed(&button, &SnoozeButton::snoozeClicked);
    QSignalSpy chosen(&button, &SnoozeButton::snoozeChosen);
    QAccessibleInterface *control = QAccessible::queryAccessibleInterface(&button);
    QAccessibleInterface *menu = QAccessible::queryAccessibleInterface(button.menu());
    const auto press = [](QAccessibleInterface *node) {
        ASSERT_EQ(node->actionInterface()->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
        node->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCoreApplication::processEvents();
    };

    QAccessibleInterface *main = childNamed(control, "Snooze 5m");
    QAccessibleInterface *options = childNamed(control, "Snooze options");
    ASSERT_TRUE(main && options);
    EXPECT_EQ(main->role(), QAccessible::Button);
    EXPECT_EQ(main->rect().topLeft(), button.mapToGlobal(button.mainHalfRect().toAlignedRect().topLeft()));
    EXPECT_EQ(control->childAt(options->rect().center().x(), options->rect().center().y()), options);
    EXPECT_EQ(control->indexOfChild(menu), 2) << "the menu follows the two halves";
    press(main);
    EXPECT_EQ(snoozed.count(), 1);
    EXPECT_FALSE(button.showOptions());

    QAccessibleInterface *closedRow = childNamed(menu, "30 sec");
    ASSERT_NE(closedRow, nullptr);
    EXPECT_TRUE(closedRow->state().invisible);
    press(closedRow);
    EXPECT_EQ(chosen.count(), 0) << "a row of the closed menu";

    for (const SnoozeOption &option : snoozeOptions()) {
        SCOPED_TRACE(option.label.toStdString());
        EXPECT_FALSE(options->state().expanded);
        press(options);
        EXPECT_TRUE(options->state().expanded);
        QAccessibleInterface *item = childNamed(menu, option.label);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->role(), QAccessible::MenuItem);
        EXPECT_FALSE(item->state().invisible);
        press(item);
        ASSERT_FALSE(chosen.isEmpty());
        EXPECT_EQ(chosen.takeLast().value(0).toInt(), option.value);
        EXPECT_FALSE(button.showOptions()) << "choosing closes the menu";
    }
    EXPECT_EQ(snoozed.count(), 1) << "rows never snooze by default";
}

// A snooze ends the break screen and takes the control with it, while the screen reader that
// pressed the row still holds it: the choice comes on the next turn of the event loop, once.
TEST(SnoozeButtonTest, AScreenReadersChoiceComesAfterThePressReturnsSoItsHandlerMayDeleteTheControl)
{
    QWidget row;
    row.resize(300, 300);
    QPointer<SnoozeButton> button = new SnoozeButton(Qt::white, snoozeOptions(), &row);
    row.show();
    QList<int> chosen;
    QObject::connect(button, &SnoozeButton::snoozeChosen, [&](int value) {
        chosen.append(value);
        delete button.data();
    });
    QAccessibleInterface *options = childNamed(QAccessible::queryAccessibleInterface(button), "Snooze options");
    ASSERT_NE(options, nullptr);
    options->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents();
    ASSERT_TRUE(button->showOptions());
    QAccessibleInterface *shortest = childNamed(QAccessible::queryAccessibleInterface(button->menu()), "30 sec");
    ASSERT_NE(shortest, nullptr);

    shortest->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(chosen.isEmpty()) << "chosen within the press";
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_TRUE(button.isNull());
    EXPECT_EQ(chosen, QList<int>{0});
}
