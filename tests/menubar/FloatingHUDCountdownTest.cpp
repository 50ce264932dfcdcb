#include "menubar/HUDContentView.h"
#include "menubar/HUDCountdownRing.h"
#include "menubar/HUDWindow.h"
#include "support/FloatingHUDRig.h"

#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QVariantMap countdownSettings(qint64 headsUpSeconds = 30)
{
    return {{"hudAutoDismiss", false}, {"headsUpSeconds", QVariant::fromValue(headsUpSeconds)}};
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget *widget) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

} // namespace

TEST(FloatingHUDCountdownTest, TheRingStartsAgainstTheHeadsUpLeadThenDrainsAgainstItsOwnTotal)
{
    FloatingHUDRig rig(countdownSettings(60));
    ASSERT_TRUE(rig.present(HUDStyle::breakReminder, 30));
    ASSERT_NE(rig.ring(), nullptr);
    EXPECT_EQ(rig.figure(), "30");
    EXPECT_DOUBLE_EQ(rig.ring()->fraction(), 0.5);

    rig.clock.advance(0.25);
    EXPECT_EQ(rig.figure(), "29");
    EXPECT_DOUBLE_EQ(rig.ring()->fraction(), 29.0 / 30.0);

    rig.clock.advance(29.75);
    EXPECT_EQ(rig.figure(), "0");
    EXPECT_DOUBLE_EQ(rig.ring()->fraction(), 0.0);
    // The countdown stops there; the notice stays until someone closes it.
    EXPECT_TRUE(rig.clock.scheduledBlocks().isEmpty());
    EXPECT_TRUE(rig.hud.isShowing());

    // A lead of zero or less counts as one second: any time left starts a full ring.
    FloatingHUDRig noLead(countdownSettings(0));
    ASSERT_TRUE(noLead.present(HUDStyle::breakReminder, 12));
    EXPECT_DOUBLE_EQ(noLead.ring()->fraction(), 1.0);
}

// Setting the time of day while the ring counts neither stretches the count nor empties it.
TEST(FloatingHUDCountdownTest, SettingTheClockLeavesTheCountAlone)
{
    for (const qint64 step : {qint64(-3600), qint64(3600)}) {
        SCOPED_TRACE(step);
        FloatingHUDRig rig(countdownSettings());
        ASSERT_TRUE(rig.present(HUDStyle::breakReminder, 30));
        rig.clock.advance(10);
        rig.clock.setNow(rig.clock.now().addSecs(step));
        QStringList figures;
        for (int second = 0; second < 20; ++second) {
            rig.clock.advance(1);
            figures.append(rig.figure());
        }
        EXPECT_EQ(figures.first(), "19");
        EXPECT_EQ(figures.at(18), "1");
        EXPECT_EQ(figures.last(), "0");
        EXPECT_TRUE(rig.clock.scheduledBlocks().isEmpty()) << "the count stopped at zero";
    }
}

TEST(FloatingHUDCountdownTest, OnlyABreakReminderWithTheSettingOnAndTimeLeftCountsDown)
{
    const struct
    {
        const char *name;
        HUDStyle style;
        int secondsLeft;
        bool showCountdownInHUD;
    } withoutRing[] = {
        {"wellness style", HUDStyle::blink, 30, true},
        {"countdown switched off", HUDStyle::breakReminder, 30, false},
        {"no time left", HUDStyle::breakReminder, 0, true},
    };
    for (const auto &c : withoutRing) {
        SCOPED_TRACE(c.name);
        QVariantMap stored = countdownSettings();
        stored.insert("showCountdownInHUD", c.showCountdownInHUD);
        FloatingHUDRig rig(stored);
        ASSERT_TRUE(rig.present(c.style, c.secondsLeft));
        EXPECT_EQ(rig.ring(), nullptr);
        // The text then runs to the body's right inset.
        EXPECT_EQ(rig.content()->titleLabel()->width(), 236);
        EXPECT_TRUE(rig.clock.scheduledBlocks().isEmpty());
    }
}

TEST(FloatingHUDCountdownTest, UpdateRefillsTheRingForMoreTimeAndKeepsItsShareForLess)
{
    FloatingHUDRig rig(countdownSettings());
    ASSERT_TRUE(rig.present(HUDStyle::breakReminder, 30));
    rig.clock.advance(10);
    EXPECT_EQ(rig.figure(), "20");

    EXPECT_TRUE(rig.hud.update("Break in 45s", "Snoozed", 45));
    EXPECT_EQ(rig.figure(), "45");
    EXPECT_DOUBLE_EQ(rig.ring()->fraction(), 1.0);
    EXPECT_EQ(rig.content()->titleLabel()->text(), "Break in 45s");

    EXPECT_TRUE(rig.hud.update("Break in 10s", "Finish your thought", 10));
    EXPECT_EQ(rig.figure(), "10");
    EXPECT_DOUBLE_EQ(rig.ring()->fraction(), 10.0 / 45.0);

    // No time given: only the texts change.
    EXPECT_TRUE(rig.hud.update("Almost", "there", 0));
    EXPECT_EQ(rig.figure(), "10");
    EXPECT_EQ(rig.content()->subtitleLabel()->text(), "there");
    rig.clock.advance(1);
    EXPECT_EQ(rig.figure(), "9");
}

TEST(FloatingHUDCountdownTest, ACountdownThatRanOutCountsAgainWhenGivenNewTime)
{
    FloatingHUDRig rig(countdownSettings());
    ASSERT_TRUE(rig.present(HUDStyle::breakReminder, 5));
    rig.clock.advance(6);
    ASSERT_EQ(rig.figure(), "0");

    EXPECT_TRUE(rig.hud.update("Break in 5s", "Finish your thought", 5));
    EXPECT_EQ(rig.figure(), "5");
    rig.clock.advance(1.25);
    EXPECT_EQ(rig.figure(), "3");
    rig.clock.advance(10);
    EXPECT_EQ(rig.figure(), "0");
    EXPECT_TRUE(rig.clock.scheduledBlocks().isEmpty());
}

TEST(FloatingHUDCountdownTest, TheRingRepaintsOnlyWhenWhatItShowsChanges)
{
    FloatingHUDRig rig(countdownSettings());
    ASSERT_TRUE(rig.present(HUDStyle::breakReminder, 30));
    HUDWindow *window = rig.hud.window();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    QTRY_COMPARE_WITH_TIMEOUT(window->windowOpacity(), 1.0, 2000);
    QCoreApplication::processEvents();
    PaintCounter paints(rig.ring());

    rig.clock.advance(0.25); // 30 becomes 29
    QTRY_VERIFY_WITH_TIMEOUT(paints.count > 0, 2000);

    // Three more ticks within the same second change nothing one could see.
    paints.count = 0;
    rig.clock.advance(0.75);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(paints.count, 0);

    rig.clock.advance(0.25); // 28
    QTRY_VERIFY_WITH_TIMEOUT(paints.count > 0, 2000);
}

TEST(FloatingHUDCountdownTest, TheNextTickOfAReplacedNoticeDoesNotTouchTheNewOne)
{
    FloatingHUDRig rig(countdownSettings());
    ASSERT_TRUE(rig.present(HUDStyle::breakReminder, 30));
    rig.clock.advance(2);
    ASSERT_TRUE(rig.present(HUDStyle::breakReminder, 60));
    EXPECT_EQ(rig.figure(), "60");
    rig.clock.advance(0.25);
    EXPECT_EQ(rig.figure(), "59");
    // One countdown runs, the new one's.
    EXPECT_EQ(rig.clock.scheduledBlocks().size(), 1);
}
