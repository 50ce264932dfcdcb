#include "breakscreen/BreakActionButton.h"
#include "breakscreen/BreakActionRow.h"
#include "breakscreen/BreakCompletePanel.h"
#include "breakscreen/BreakCountdownView.h"
#include "breakscreen/BreakFocusRing.h"
#include "breakscreen/BreakOverlayText.h"
#include "breakscreen/BreakOverlayView.h"
#include "breakscreen/BreakSecondaryView.h"
#include "breakscreen/SnoozeButton.h"
#include "support/BreakOverlayViewRig.h"

#include <QAccessible>
#include <QApplication>

#include <gtest/gtest.h>

#include <algorithm>

// The break overlay by keyboard and screen reader alone: where Tab takes the keyboard, what
// each key does there, and what a screen reader reads.

namespace {

// What a screen reader says has the keyboard: the focused control, or the part of it (a
// half of the snooze pill, a row of its menu); "-" for nothing but the backdrop.
QString focused()
{
    QWidget *widget = QApplication::focusWidget();
    QAccessibleInterface *control = widget ? QAccessible::queryAccessibleInterface(widget) : nullptr;
    QAccessibleInterface *part = control ? control->focusChild() : nullptr;
    const QString name = part ? part->text(QAccessible::Name) : QString();
    return name.isEmpty() ? QStringLiteral("-") : name;
}

// The names of the labels that show under `root`, in the order a screen reader reads them.
QStringList shownLabels(QAccessibleInterface *root)
{
    QStringList names;
    for (int index = 0; index < root->childCount(); ++index) {
        QAccessibleInterface *child = root->child(index);
        if (!child || child->state().invisible)
            continue;
        if (child->role() == QAccessible::StaticText)
            names.append(child->text(QAccessible::Name));
        names += shownLabels(child);
    }
    return names;
}

QStringList shownLabels(QWidget *widget)
{
    return shownLabels(QAccessible::queryAccessibleInterface(widget));
}

// What a screen reader says as the keyboard lands: the named groups the focused object lies
// in, outermost first, then its name and its description.
QString heardOnFocus()
{
    QWidget *widget = QApplication::focusWidget();
    if (!widget)
        return QStringLiteral("-");
    QAccessibleInterface *focused = QAccessible::queryAccessibleInterface(widget);
    QStringList heard{focused->text(QAccessible::Name), focused->text(QAccessible::Description)};
    for (QWidget *group = widget->parentWidget(); group; group = group->parentWidget()) {
        QAccessibleInterface *holder = QAccessible::queryAccessibleInterface(group);
        if (holder->role() == QAccessible::Grouping)
            heard.prepend(holder->text(QAccessible::Name));
    }
    heard.removeAll(QString());
    return heard.join(QStringLiteral(". "));
}

struct Key
{
    const char *name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

const Key pressKeys[] = {
    {"Return", Qt::Key_Return, Qt::NoModifier},
    {"keypad Enter", Qt::Key_Enter, Qt::KeypadModifier},
    {"Space", Qt::Key_Space, Qt::NoModifier},
};

// A break of 300 s in its final fifth: every control of the row shows.
BreakOverlayView &showFinalFifth(BreakOverlayViewRig &rig)
{
    rig.settings.setEndBreakEarly(true);
    BreakOverlayView &view = rig.show(300);
    rig.clock.advance(240);
    BreakActionButton *endBreak = view.actionRow()->endBreakButton();
    rig.waitUntil([&] { return view.actionRow()->isVisible() && endBreak->opacity() == 1.0; });
    return view;
}

} // namespace

TEST(BreakOverlayKeyboardTest, TabAndShiftTabGoThroughTheShownControlsLeftToRightWithARing)
{
    BreakOverlayViewRig rig;
    rig.settings.setEndBreakEarly(true);
    rig.config.setBackground(BreakBG::dark);
    BreakOverlayView &view = rig.show(300);
    rig.press(Qt::Key_Tab);
    EXPECT_EQ(focused(), "-") << "the controls have not come in yet";

    rig.clock.advance(240);
    rig.waitUntil([&] { return view.actionRow()->endBreakButton()->opacity() == 1.0; });
    QStringList forward;
    for (int step = 0; step < 5; ++step) {
        rig.press(Qt::Key_Tab);
        forward.append(focused());
    }
    EXPECT_EQ(forward, QStringList({"Skip Break", "Snooze 5m", "Snooze options", "End Break",
                                    "Skip Break"}));
    // The ring, drawn by the row beneath the pill, in the ring's colour on the dark backdrop.
    BreakActionButton *skip = view.actionRow()->skipButton();
    const QRectF capsule = skip->capsuleRect().translated(skip->mapTo(&view, QPoint()));
    const QPoint onRing(int(capsule.left() - BreakFocusRing::gap - BreakFocusRing::width / 2),
                        int(capsule.center().y()));
    const QColor drawn = view.grab().toImage().pixelColor(onRing);
    const QColor ring = BreakFocusRing::colour(true);
    EXPECT_LE(std::max({std::abs(drawn.red() - ring.red()), std::abs(drawn.green() - ring.green()),
                        std::abs(drawn.blue() - ring.blue())}),
              8)
        << drawn.name().toStdString();
    QStringList backward;
    for (int step = 0; step < 4; ++step) {
        rig.press(Qt::Key_Tab, Qt::ShiftModifier);
        backward.append(focused());
    }
    EXPECT_EQ(backward, QStringList({"End Break", "Snooze options", "Snooze 5m", "Skip Break"}));
}

TEST(BreakOverlayKeyboardTest, ReturnEnterAndSpacePressTheControlTheKeyboardIsOn)
{
    for (const Key &key : pressKeys) {
        SCOPED_TRACE(key.name);
        BreakOverlayViewRig rig;
        showFinalFifth(rig);
        // Skip, then the main half of the snooze pill, then End Break past the chevron.
        for (int tabs : {1, 1, 2}) {
            for (int step = 0; step < tabs; ++step)
                rig.press(Qt::Key_Tab);
            rig.press(key.key, key.modifiers);
        }
        EXPECT_EQ(rig.outcomes, QStringList({"skipped", "snoozed delay=300",
                                             "completed elapsed=240 endedEarly=true "
                                             "waitForActivity=false"}));
    }
}

// Escape in the open menu is the menu's alone: the break's Escape rule neither counts nor
// logs it, and the keyboard is back on the chevron.
TEST(BreakOverlayKeyboardTest, TheSnoozeMenuOpensFromTheChevronAndEscapeOnlyClosesIt)
{
    BreakOverlayViewRig rig;
    BreakOverlayView &view = showFinalFifth(rig);
    SnoozeButton *snooze = view.actionRow()->snoozeButton();
    for (int step = 0; step < 3; ++step)
        rig.press(Qt::Key_Tab);
    ASSERT_EQ(focused(), "Snooze options");

    for (const Key &opener : {Key{"Down", Qt::Key_Down, Qt::NoModifier}, pressKeys[0], pressKeys[2]}) {
        SCOPED_TRACE(opener.name);
        rig.press(opener.key, opener.modifiers);
        EXPECT_TRUE(snooze->showOptions());
        EXPECT_EQ(focused(), "30 sec");
        rig.press(Qt::Key_Escape);
        EXPECT_FALSE(snooze->showOptions());
        EXPECT_EQ(focused(), "Snooze options");
    }
    EXPECT_TRUE(rig.lines("Escape pressed").isEmpty());
    rig.press(Qt::Key_Down);
    rig.press(Qt::Key_Tab);
    EXPECT_FALSE(snooze->showOptions()) << "Tab leaves the menu as Escape does";
    EXPECT_EQ(focused(), "Snooze options");

    rig.press(Qt::Key_Down);
    QStringList rows;
    for (Qt::Key arrow : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_Up, Qt::Key_Up}) {
        rig.press(arrow);
        rows.append(focused());
    }
    EXPECT_EQ(rows, QStringList({"1 min", "2 min", "1 min", "30 sec", "30 sec"}));
    rig.press(Qt::Key_Down);
    rig.press(Qt::Key_Return);
    EXPECT_EQ(rig.outcomes, QStringList{"snoozed delay=60"});
    EXPECT_FALSE(snooze->showOptions());
    EXPECT_TRUE(rig.outcomes.size() == 1 && rig.lines("Escape pressed").isEmpty());

    // With the menu closed, Escape is the rule's again.
    rig.press(Qt::Key_Escape);
    EXPECT_EQ(rig.lines("Escape pressed").size(), 1);
}

TEST(BreakOverlayKeyboardTest, BreakCompleteGivesResumeTheKeyboardAndEachKeyPressesIt)
{
    for (const Key &key : pressKeys) {
        SCOPED_TRACE(key.name);
        BreakOverlayViewRig rig;
        rig.settings.setEnforcement("Hardcore");
        rig.settings.setLongBreakResume("confirm");
        BreakOverlayView &view = rig.show(60, true);
        rig.clock.advance(61);
        rig.waitUntil([&] { return view.completePanel()->isVisible(); });
        EXPECT_EQ(focused(), "Resume");
        rig.press(key.key, key.modifiers);
        EXPECT_EQ(rig.outcomes,
                  QStringList{"completed elapsed=60 endedEarly=false waitForActivity=false"});
    }
}

// As the break begins its panel gives the overlay the keyboard, and a screen reader says the
// message and the time left (asked again, the time left then); at "Break complete", that title
// with Resume.
TEST(BreakOverlayKeyboardTest, ScreenReadersHearTheBreakBeginAndCompleteAndReadTheShownTextsTopToBottom)
{
    BreakOverlayViewRig rig;
    rig.config.setMessage(BreakScreenMessage::restYourEyes);
    rig.settings.setLongBreakResume("confirm");
    BreakOverlayView &view = rig.show(270, true);
    view.setFocus(Qt::ActiveWindowFocusReason);
    EXPECT_EQ(heardOnFocus(), "Rest Your Eyes. 4 minutes 30 seconds left");
    EXPECT_EQ(shownLabels(&view), QStringList({"Rest Your Eyes", "4 minutes 30 seconds left"}));

    // The digits the countdown draws are not read: it reads as words alone.
    rig.clock.advance(1);
    EXPECT_EQ(shownLabels(&view), QStringList({"Rest Your Eyes", "4 minutes 29 seconds left"}));
    EXPECT_EQ(heardOnFocus(), "Rest Your Eyes. 4 minutes 29 seconds left") << "when asked again";
    rig.config.setCountdownStyle(BreakCountdown::hidden);
    EXPECT_EQ(heardOnFocus(), "Rest Your Eyes") << "no time left where none shows";
    rig.config.setCountdownStyle(BreakCountdown::timer);

    rig.clock.advance(9);
    rig.waitUntil([&] { return !view.messageText()->isVisible() && view.hintText()->isVisible(); });
    EXPECT_EQ(shownLabels(&view), QStringList({"Current time  9:00 AM", "4 minutes 20 seconds left",
                                               "Press Esc twice to skip"}));

    rig.clock.advance(261);
    rig.waitUntil([&] { return !view.countdownView()->isVisible(); });
    EXPECT_EQ(shownLabels(&view),
              QStringList({"Break complete", "Take your time. Resume when you're ready."}));
    EXPECT_EQ(heardOnFocus(), "Break complete. Resume");

    BreakSecondaryView secondary(rig.config, ColorScheme::dark, nullptr);
    secondary.show();
    EXPECT_EQ(shownLabels(&secondary), QStringList{"Break in progress"});
}

TEST(BreakOverlayKeyboardTest, TheCountdownReadsAsWords)
{
    const std::pair<qint64, const char *> cases[] = {
        {270, "4 minutes 30 seconds left"}, {60, "1 minute left"},   {61, "1 minute 1 second left"},
        {20, "20 seconds left"},            {1, "1 second left"},    {0, "0 seconds left"},
        {3600, "60 minutes left"},
    };
    for (const auto &[seconds, words] : cases)
        EXPECT_EQ(BreakCountdownView::spoken(seconds), words) << seconds;
}
