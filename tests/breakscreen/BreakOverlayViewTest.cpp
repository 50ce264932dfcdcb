#include "breakscreen/BreakActionButton.h"
#include "breakscreen/BreakActionRow.h"
#include "breakscreen/BreakCompletePanel.h"
#include "breakscreen/BreakCountdownView.h"
#include "breakscreen/BreakOverlayText.h"
#include "breakscreen/BreakOverlayView.h"
#include "breakscreen/BreakResumeButton.h"
#include "breakscreen/SnoozeButton.h"
#include "breakscreen/SnoozeMenu.h"
#include "core/TextLimit.h"
#include "core/ThemeManager.h"
#include "support/BreakOverlayRig.h"
#include "support/BreakOverlayViewRig.h"
#include "support/MemoryCap.h"

#include <QKeyEvent>
#include <QPaintEvent>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using OverlayViewRig = BreakOverlayViewRig;

// Receives keys like a text field of another window would.
class KeyRecorder : public QWidget
{
public:
    QList<int> keys;

protected:
    void keyPressEvent(QKeyEvent *event) override { keys.append(event->key()); }
};

// Every paint event of a widget tree, as regions in the top widget's coordinates.
class PaintRecorder : public QObject
{
public:
    explicit PaintRecorder(QWidget *top)
        : m_top(top)
    {
        top->installEventFilter(this);
        for (QWidget *child : top->findChildren<QWidget *>())
            child->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            auto *widget = static_cast<QWidget *>(watched);
            const QRegion local = static_cast<QPaintEvent *>(event)->region();
            painted[widget] += local.translated(widget->mapTo(m_top, QPoint()));
        }
        return false;
    }

    QHash<QWidget *, QRegion> painted;

private:
    QWidget *m_top;
};

} // namespace

TEST(BreakOverlayViewTest, EscapeReachesTheRuleAndNothingElseWhileTheOverlayIsUp)
{
    OverlayViewRig rig;
    KeyRecorder elsewhere;
    BreakOverlayView &view = rig.show(60);

    QTest::keyClick(&elsewhere, Qt::Key_Escape);
    EXPECT_EQ(rig.lines("Escape pressed").size(), 1);
    QTest::keyClick(&elsewhere, Qt::Key_A);
    EXPECT_EQ(elsewhere.keys, QList<int>{Qt::Key_A});
    // The second press within the second ends the break, as a skip this early.
    QTest::keyClick(&elsewhere, Qt::Key_Escape);
    EXPECT_EQ(rig.outcomes, QStringList{"skipped"});

    view.hide();
    QTest::keyClick(&elsewhere, Qt::Key_Escape);
    EXPECT_EQ(elsewhere.keys, (QList<int>{Qt::Key_A, Qt::Key_Escape}));
    EXPECT_EQ(rig.lines("Escape pressed").size(), 2);
}

TEST(BreakOverlayViewTest, ACountdownStepRepaintsOnlyTheCountdown)
{
    for (BreakCountdown style : {BreakCountdown::timer, BreakCountdown::ring, BreakCountdown::bar}) {
        SCOPED_TRACE(rawValue(style).toStdString());
        OverlayViewRig rig;
        rig.config.setCountdownStyle(style);
        BreakOverlayView &view = rig.show(300);
        BreakCountdownView *countdown = view.countdownView();
        // Whatever showing the window left to paint is done once a full repaint has been.
        PaintRecorder recorder(&view);
        view.update();
        rig.waitUntil([&] { return recorder.painted.contains(&view); });
        recorder.painted.clear();

        rig.clock.advance(1);
        EXPECT_EQ(countdown->text(), "04:59");
        rig.waitUntil([&] { return !recorder.painted.isEmpty(); });
        QRegion everything;
        for (const QRegion &region : std::as_const(recorder.painted))
            everything += region;
        EXPECT_FALSE(everything.isEmpty());
        const QRect outside = everything.subtracted(countdown->geometry()).boundingRect();
        EXPECT_TRUE(outside.isEmpty()) << "also repainted " << outside.width() << "x"
                                       << outside.height() << " outside the countdown";
        EXPECT_LT(countdown->width() * countdown->height(), view.width() * view.height() / 20);
    }
}

TEST(BreakOverlayViewTest, TheControlsComeInAtFiveSecondsAndEachReportsItsWayOut)
{
    OverlayViewRig rig;
    rig.settings.setEndBreakEarly(true);
    BreakOverlayView &view = rig.show(300);
    BreakActionRow *row = view.actionRow();
    rig.clock.advance(4.9);
    QTest::qWait(0);
    EXPECT_FALSE(row->isVisible());
    EXPECT_FALSE(view.hintText()->isVisible());

    rig.clock.advance(0.1);
    rig.waitUntil([&] { return row->isVisible() && view.hintText()->isVisible(); });
    EXPECT_EQ(view.hintText()->text(), "Press Esc twice to skip");
    EXPECT_FALSE(row->endBreakButton()->isVisible());

    rig.clickAt(row->skipButton(), row->skipButton()->capsuleRect().center());
    SnoozeButton *snooze = row->snoozeButton();
    rig.clickAt(snooze, snooze->mainHalfRect().center());
    EXPECT_EQ(rig.outcomes, (QStringList{"skipped", "snoozed delay=300"}));
    EXPECT_FALSE(snooze->showOptions());

    rig.clickAt(snooze, snooze->chevronRect().center());
    ASSERT_TRUE(snooze->showOptions());
    rig.clickAt(snooze->menu(), snooze->menu()->rowRect(0).center());
    rig.clickAt(snooze, snooze->chevronRect().center());
    rig.clickAt(snooze->menu(), snooze->menu()->rowRect(6).center());
    EXPECT_EQ(rig.outcomes.mid(2), (QStringList{"snoozed delay=30", "snoozed delay=1200"}));
    EXPECT_FALSE(snooze->showOptions());

    // "End Break" joins the row in the final fifth: 60 of 300 seconds left.
    rig.clock.advance(234);
    EXPECT_FALSE(row->endBreakButton()->isVisible());
    rig.clock.advance(1);
    rig.waitUntil([&] { return row->endBreakButton()->opacity() == 1.0; });
    rig.clickAt(row->endBreakButton(), row->endBreakButton()->capsuleRect().center());
    EXPECT_EQ(rig.outcomes.last(), "completed elapsed=240 endedEarly=true waitForActivity=false");
}

TEST(BreakOverlayViewTest, TheSnoozeMenuTakesClicksOverWhatItCoversOnlyWhileOpen)
{
    OverlayViewRig rig;
    BreakOverlayView &view = rig.show(300, false, BreakOverlayMode::preview(300));
    SnoozeButton *snooze = view.actionRow()->snoozeButton();
    BreakActionButton *skip = view.actionRow()->skipButton();
    SnoozeMenu *menu = snooze->menu();
    const QPoint fiveMinutes = menu->mapTo(&view, menu->rowRect(3).center());
    ASSERT_LT(fiveMinutes.y(), snooze->mapTo(&view, snooze->capsuleRect().topLeft().toPoint()).y());

    // Closed, the room the menu rises into takes no clicks, and the neighbour's pill is
    // clickable to its edge.
    QTest::mouseClick(view.windowHandle(), Qt::LeftButton, {}, fiveMinutes);
    const QRectF skipCapsule = skip->capsuleRect();
    rig.clickAt(skip, QPointF(skipCapsule.right() - 3, skipCapsule.center().y()));
    EXPECT_EQ(rig.outcomes, QStringList{"skipped"});
    EXPECT_FALSE(snooze->showOptions());

    // Open, it lies over the countdown and the clock and takes the click there.
    rig.clickAt(snooze, snooze->chevronRect().center());
    ASSERT_TRUE(snooze->showOptions());
    QTest::mouseClick(view.windowHandle(), Qt::LeftButton, {}, fiveMinutes);
    EXPECT_EQ(rig.outcomes, (QStringList{"skipped", "snoozed delay=300"}));
    EXPECT_FALSE(snooze->showOptions());
}

TEST(BreakOverlayViewTest, AMessageWithMarkupShowsAsTyped)
{
    OverlayViewRig rig;
    const QString typed = "<b>Hi</b>&amp;";
    rig.config.setMessage(BreakScreenMessage::custom);
    rig.config.setCustomMessage(typed);
    BreakOverlayView &view = rig.show(60);

    BreakOverlayText *message = view.messageText();
    EXPECT_EQ(message->text(), typed);
    // Set as plain text, the tags and the entity take their room on the line; as rich text
    // they would vanish and the line would shrink to "Hi&".
    const QFontMetricsF metrics(message->textStyle().font);
    EXPECT_NEAR(message->textSize().width(), metrics.horizontalAdvance(typed), 2.0);
    EXPECT_GT(message->textSize().width(),
              metrics.horizontalAdvance("Hi&") + 100);
}

// A megabyte kept from an older version or an edited file would be laid out whole, line
// after line, on every break: the label holds what fits the field, and "…".
TEST(BreakOverlayViewTest, AMegabyteStoredMessageShowsItsFirstTwoHundredEightyCharacters)
{
    // Were the cut lost, the layout would grow by gigabytes.
    LUMENPAUSE_UNDER_MEMORY_CAP(512);
    OverlayViewRig rig;
    QString stored;
    while (stored.size() < (1 << 20))
        stored += QStringLiteral("look at something far away ");
    rig.config.setMessage(BreakScreenMessage::custom);
    rig.config.setCustomMessage(stored);
    BreakOverlayView &view = rig.show(60);

    const QString shown = view.messageText()->text();
    EXPECT_LE(shown.size(), 281);
    EXPECT_TRUE(shown == stored.left(280) + QChar(0x2026)) << shown.size();
}

namespace {

QString repeatedTo280(const QString &phrase)
{
    QString text;
    while (text.size() < 280 * 2)
        text += phrase;
    return TextLimit::cut(text, 280);
}

QRect inView(QWidget *part, const QRectF &local, QWidget *view)
{
    return QRectF(local.translated(part->mapTo(view, QPoint()))).toAlignedRect();
}

} // namespace

// The longest message the field allows, or a stored one drawn cut, in any script: it wraps,
// shrinks and at last ends in "…", so the countdown, the clock, the row and the hint stay
// wholly on screen and the message in its column; a message that fits keeps the designed size.
TEST(BreakOverlayViewTest, AnyMessageLeavesTheCountdownClockRowAndHintOnScreen)
{
    const struct
    {
        const char *name;
        QString message;
        bool designedSize;
    } messages[] = {
        {"preset", QString(), true},
        {"fits", "Take a slow breath, roll your shoulders back and rest your eyes on something far away", true},
        {"words", repeatedTo280("rest your eyes on something far away "), false},
        {"one long word", QString(281, QLatin1Char('w')), false},
        {"wide letters", repeatedTo280("WMW "), false},
        {"CJK", repeatedTo280(QStringLiteral("请让眼睛休息一下看看远处的东西")), false},
        {"emoji and marks", repeatedTo280(QStringLiteral("\U0001F33F e\u0301 \u0915\u094D\u0937 ")), false},
        {"right to left", repeatedTo280(QStringLiteral("תן לעיניים לנוח רגע ")), false},
    };
    for (const QSize screen : {QSize(1280, 800), QSize(1024, 768)}) {
        for (const auto &m : messages) {
            SCOPED_TRACE(testing::Message() << m.name << " on " << screen.width() << "x" << screen.height());
            OverlayViewRig rig;
            if (!m.message.isEmpty()) {
                rig.config.setMessage(BreakScreenMessage::custom);
                rig.config.setCustomMessage(m.message);
            }
            // The preview shows every part at once; a long break keeps room for "Break complete".
            BreakOverlayView &view = rig.show(300, true, BreakOverlayMode::preview(300));
            view.resize(screen);
            const QRect whole = view.rect();
            const int columnWidth = std::min(760, screen.width() - 80);
            const QRect column((screen.width() - columnWidth) / 2, 40, columnWidth, screen.height() - 80);
            BreakActionRow *row = view.actionRow();
            for (const auto &[part, rect] :
                 {std::pair{"countdown", view.countdownView()->contentGeometry()},
                  std::pair{"clock", view.clockText()->textGeometry()},
                  std::pair{"skip", inView(row->skipButton(), row->skipButton()->capsuleRect(), &view)},
                  std::pair{"snooze", inView(row->snoozeButton(), row->snoozeButton()->capsuleRect(), &view)},
                  std::pair{"hint", view.hintText()->textGeometry()}})
                EXPECT_TRUE(whole.contains(rect)) << part;
            const BreakOverlayText *message = view.messageText();
            EXPECT_TRUE(column.contains(message->textGeometry()));
            EXPECT_LT(message->textGeometry().bottom(), view.clockText()->textGeometry().top());
            const QString shown = message->text();
            const QString full = rig.config.message() == BreakScreenMessage::custom
                ? rig.config.shownCustomMessage() : view.model().fixedMessage();
            EXPECT_TRUE(shown == full || (shown.endsWith(QChar(0x2026)) && full.startsWith(shown.chopped(1).trimmed())))
                << shown.toStdString();
            EXPECT_EQ(message->accessibleName(), full) << "a message cut to fit is still read whole";
            if (m.designedSize) {
                EXPECT_EQ(message->textStyle().font.pixelSize(), 52);
            }
        }
    }

    // "Break complete" comes in where the countdown was, below the faded message.
    OverlayViewRig rig;
    rig.settings.setLongBreakResume("confirm");
    rig.config.setMessage(BreakScreenMessage::custom);
    rig.config.setCustomMessage(messages[2].message);
    BreakOverlayView &view = rig.show(600, true);
    view.resize(1024, 768);
    rig.clock.advance(600);
    rig.waitUntil([&] { return !view.countdownView()->isVisible(); });
    EXPECT_TRUE(view.rect().contains(view.completePanel()->geometry()));
}

TEST(BreakOverlayViewTest, ALongBreakWaitingForConfirmationShowsBreakCompleteWithResume)
{
    OverlayViewRig rig;
    rig.settings.setLongBreakResume("confirm");
    BreakOverlayView &view = rig.show(600, true);
    rig.clock.advance(6);
    rig.waitUntil([&] { return view.actionRow()->isVisible() && view.clockText()->isVisible(); });
    EXPECT_FALSE(view.completePanel()->isVisible());

    rig.clock.advance(600);
    rig.waitUntil([&] {
        return view.completePanel()->isVisible() && !view.countdownView()->isVisible()
            && !view.clockText()->isVisible() && !view.actionRow()->isVisible()
            && !view.hintText()->isVisible();
    });
    EXPECT_TRUE(rig.outcomes.isEmpty());
    BreakResumeButton *resume = view.completePanel()->resumeButton();
    rig.clickAt(resume, resume->rect().center());
    EXPECT_EQ(rig.outcomes, QStringList{"completed elapsed=600 endedEarly=false waitForActivity=false"});
}

TEST(BreakOverlayViewTest, StrictModeWithEarlyEndingShowsOnlyEndBreakCentred)
{
    OverlayViewRig rig;
    rig.settings.setEnforcement("Hardcore");
    rig.settings.setEndBreakEarly(true);
    BreakOverlayView &view = rig.show(100);
    rig.clock.advance(80);
    BreakActionRow *row = view.actionRow();
    rig.waitUntil([&] { return row->endBreakButton()->isVisible(); });
    EXPECT_FALSE(row->skipButton()->isVisible());
    EXPECT_FALSE(row->snoozeButton()->isVisible());
    EXPECT_EQ(view.hintText()->text(), "You've got this. Stay present.");
    // Centred once it has fully grown in.
    rig.waitUntil([&] { return row->endBreakButton()->opacity() == 1.0; });
    BreakActionButton *endBreak = row->endBreakButton();
    const QPointF centre = endBreak->capsuleRect().center() + endBreak->mapTo(&view, QPoint());
    EXPECT_NEAR(centre.x(), view.width() / 2.0, 1.5);
}

TEST(BreakOverlayViewTest, TextOnTheBlurBackdropFollowsTheThemeAndIsWhiteOnTheOthers)
{
    OverlayViewRig rig;
    rig.theme.setAppTheme(AppTheme::light);
    BreakOverlayView &view = rig.show(60);
    const QColor lightInk = view.messageText()->textStyle().colour;
    EXPECT_LT(lightInk.lightness(), 128);

    rig.theme.setAppTheme(AppTheme::dark);
    const QColor darkInk = view.messageText()->textStyle().colour;
    EXPECT_GT(darkInk.lightness(), 128);

    rig.config.setBackground(BreakBG::nature);
    EXPECT_EQ(view.messageText()->textStyle().colour, QColor::fromRgbF(1, 1, 1, 0.76f));
    rig.theme.setAppTheme(AppTheme::light);
    EXPECT_EQ(view.messageText()->textStyle().colour, QColor::fromRgbF(1, 1, 1, 0.76f));
}
