#include "menubar/StatusIconRenderer.h"
#include "support/MenuBarRig.h"

#include <QCoreApplication>
#include <QLocale>

#include <gtest/gtest.h>

// The tray item over a simulated countdown: what it shows, when it redraws, when it steps
// aside, and how a timed pause ends.

namespace {

class MenuBarControllerTest : public ::testing::Test
{
protected:
    MenuBarControllerTest() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    ~MenuBarControllerTest() override { QLocale::setDefault(QLocale::system()); }

    // Starts the timer, then installs the item, as the application does.
    void startAndInstall(MenuBarRig &rig)
    {
        rig.timer.scheduler.start();
        rig.controller.installStatusItem();
    }

    static QImage shownIcon(const FakeStatusItem &item, int side)
    {
        return item.icon().pixmap(QSize(side, side)).toImage().convertToFormat(QImage::Format_ARGB32);
    }

    static QImage iconFor(const QString &title, int side)
    {
        return StatusIconRenderer::render({QStringLiteral("camera.macro"), title, false}, side)
            .convertToFormat(QImage::Format_ARGB32);
    }

    static bool pausedByHand(const MenuBarRig &rig)
    {
        return rig.timer.scheduler.pauseReasons().contains(PauseReason::manual);
    }
};

} // namespace

TEST_F(MenuBarControllerTest, IconAndToolTipFollowTheCountdownAndTheIconRedrawsOnlyWhenItChanges)
{
    MenuBarRig rig;
    startAndInstall(rig);
    FakeStatusItem &item = *rig.item();
    EXPECT_TRUE(item.isVisible());
    EXPECT_EQ(item.toolTip(), "Lumenpause: Next break in 20:00");
    EXPECT_EQ(shownIcon(item, 16), iconFor("20m", 16));

    // Three minutes of the rounded style: a tool tip every second, an icon every minute.
    const qsizetype tipsBefore = item.toolTips().size();
    const int iconsBefore = item.iconChanges();
    rig.timer.clock.advance(180);
    EXPECT_EQ(item.toolTips().size() - tipsBefore, 180);
    EXPECT_EQ(item.iconChanges() - iconsBefore, 3);
    EXPECT_EQ(item.toolTip(), "Lumenpause: Next break in 17:00");
    EXPECT_EQ(shownIcon(item, 22), iconFor("17m", 22));

    // Across the last minute's boundary: 1m at sixty seconds, then <1m for the rest.
    rig.timer.clock.advance(17 * 60 - 61);
    EXPECT_EQ(item.toolTip(), "Lumenpause: Next break in 1:01");
    EXPECT_EQ(shownIcon(item, 24), iconFor("2m", 24));
    rig.timer.clock.advance(1);
    EXPECT_EQ(shownIcon(item, 24), iconFor("1m", 24));
    rig.timer.clock.advance(1);
    EXPECT_EQ(item.toolTip(), "Lumenpause: Next break in 0:59");
    EXPECT_EQ(shownIcon(item, 32), iconFor("<1m", 32));
    const int iconsInLastMinute = item.iconChanges();
    rig.timer.clock.advance(50);
    EXPECT_EQ(item.toolTip(), "Lumenpause: Next break in 0:09");
    EXPECT_EQ(item.iconChanges(), iconsInLastMinute);
}

TEST_F(MenuBarControllerTest, TheExactStyleRedrawsEverySecondAndAHiddenTimerShowsTheSymbol)
{
    MenuBarRig rig({{"menuBarTimerStyle", "exact"}});
    startAndInstall(rig);
    FakeStatusItem &item = *rig.item();
    EXPECT_EQ(shownIcon(item, 16), iconFor("20:00", 16));
    const int before = item.iconChanges();
    rig.timer.clock.advance(5);
    EXPECT_EQ(item.iconChanges() - before, 5);
    EXPECT_EQ(shownIcon(item, 16), iconFor("19:55", 16));

    rig.timer.settings.setMenuBarShowTimer(false);
    rig.timer.clock.advance(1);
    EXPECT_EQ(shownIcon(item, 16), iconFor(QString(), 16));
    EXPECT_EQ(item.toolTip(), "Lumenpause: Next break in 19:54");
}

TEST_F(MenuBarControllerTest, NoItemBeforeOnboardingAndBreakNoticesMakeNone)
{
    MenuBarRig rig({}, false);
    startAndInstall(rig);
    emit rig.timer.notifier.breakWillShow();
    emit rig.timer.notifier.breakDidHide();
    rig.timer.clock.advance(3);
    EXPECT_EQ(rig.controller.statusItem(), nullptr);

    rig.timer.store.setBool("hasCompletedOnboarding", true);
    emit rig.timer.notifier.onboardingDidComplete();
    ASSERT_NE(rig.item(), nullptr);
    EXPECT_TRUE(rig.item()->isVisible());
    EXPECT_EQ(rig.item()->toolTip(), "Lumenpause: Next break in 19:57");
}

TEST_F(MenuBarControllerTest, TheItemStepsAsideWhileABreakIsOnScreen)
{
    MenuBarRig rig;
    startAndInstall(rig);
    FakeStatusItem &item = *rig.item();

    rig.timer.breakShowing = true;
    emit rig.timer.notifier.breakWillShow();
    EXPECT_FALSE(item.isVisible());
    rig.timer.clock.advance(2);
    EXPECT_FALSE(item.isVisible());

    rig.timer.breakShowing = false;
    rig.timer.scheduler.stop();
    rig.timer.scheduler.start();
    emit rig.timer.notifier.breakDidHide();
    EXPECT_TRUE(item.isVisible());
    EXPECT_EQ(item.toolTip(), "Lumenpause: Next break in 20:00") << "refreshed before it shows";

    // Without a break having hidden it first, it simply stays.
    emit rig.timer.notifier.breakDidHide();
    EXPECT_TRUE(item.isVisible());
}

TEST_F(MenuBarControllerTest, TheOnboardingHandOffMakesTheItemAndOpensTheMenuWithItsNotice)
{
    MenuBarRig rig({}, false);
    startAndInstall(rig);
    rig.controller.installStatusItem(); // a second call adds no second observer
    rig.timer.store.setBool("hasCompletedOnboarding", true);

    emit rig.timer.notifier.showMenuBarHandoff();
    ASSERT_NE(rig.item(), nullptr);
    EXPECT_TRUE(rig.item()->isVisible());
    ASSERT_EQ(rig.item()->poppedUpMenus().size(), 1);
    EXPECT_EQ(rig.item()->poppedUpMenus()[0].placement, StatusItem::MenuPlacement::nearItem);
    const QStringList menu = MenuBarRig::describe(*rig.lastPoppedUpMenu());
    EXPECT_EQ(menu.mid(0, 4), QStringList({"[notice]", "---", "[header]", "---"}));

    // A click opens the same menu at the pointer, without the notice.
    rig.item()->click();
    EXPECT_EQ(rig.item()->poppedUpMenus().constLast().placement,
              StatusItem::MenuPlacement::atPointer);
    EXPECT_EQ(MenuBarRig::describe(*rig.lastPoppedUpMenu()).constFirst(), "[header]");
}

TEST_F(MenuBarControllerTest, WithoutATrayHostItWarnsAndTheTimerRunsOn)
{
    FakeStatusItem *hostless = nullptr;
    MenuBarRig rig({}, true, QDateTime(QDate(2025, 3, 4), QTime(9, 0)), [&] {
        auto item = std::make_unique<FakeStatusItem>();
        item->setHostAvailable(false);
        hostless = item.get();
        return item;
    });
    startAndInstall(rig);
    ASSERT_NE(hostless, nullptr);
    const QStringList warnings = [&] {
        QStringList lines;
        for (const LogRecord &record : rig.timer.log.records())
            if (record.level == LogLevel::Warn && record.category == "MenuBar")
                lines.append(record.message);
        return lines;
    }();
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings[0].startsWith("status_item_without_tray")) << warnings[0].toStdString();

    rig.timer.clock.advance(3);
    EXPECT_TRUE(rig.timer.scheduler.isRunning());
    EXPECT_EQ(rig.timer.scheduler.timeRemaining(), 1197);
    EXPECT_EQ(hostless->toolTip(), "Lumenpause: Next break in 19:57") << "ready for a host to come";
}

TEST_F(MenuBarControllerTest, ATimedPauseEndsWhenTheWallClockPassesItsEnd)
{
    MenuBarRig rig;
    startAndInstall(rig);
    rig.controller.pauseForDuration(15);
    EXPECT_TRUE(pausedByHand(rig));
    EXPECT_EQ(rig.item()->toolTip(), "Lumenpause: Paused. Resumes at 9:15 AM");
    EXPECT_EQ(shownIcon(*rig.item(), 16),
              StatusIconRenderer::render({"pause.circle", "15m", false}, 16)
                  .convertToFormat(QImage::Format_ARGB32));

    rig.timer.clock.advance(15 * 60 - 1);
    EXPECT_TRUE(pausedByHand(rig));
    EXPECT_EQ(rig.presentation().statusTitle, "1m");
    rig.timer.clock.advance(1);
    EXPECT_FALSE(rig.timer.scheduler.isPaused());
    EXPECT_TRUE(rig.timer.scheduler.isRunning());
    EXPECT_FALSE(rig.controller.scheduledResumeDate().has_value());
    EXPECT_EQ(rig.presentation().kind, MenuBarStatusKind::running);
}

// The machine slept through the end of a timed pause. Timers stop while it sleeps; the wall
// clock does not, and waking lets the breaks go at once rather than showing an endless
// "Paused manually".
TEST_F(MenuBarControllerTest, AfterALongSleepTheTimedPauseEndsOnWake)
{
    MenuBarRig rig;
    startAndInstall(rig);
    rig.controller.pauseForDuration(15);

    rig.timer.scheduler.systemWillSleep();
    rig.timer.clock.skipAhead(3 * 3600);
    rig.timer.scheduler.systemDidWake();
    rig.timer.sessionEvents.emitSystemDidWake();
    QCoreApplication::processEvents();

    EXPECT_FALSE(pausedByHand(rig));
    EXPECT_FALSE(rig.controller.scheduledResumeDate().has_value());
    EXPECT_NE(rig.presentation().kind, MenuBarStatusKind::manualPause);
    EXPECT_EQ(rig.item()->toolTip(), "Lumenpause: Next break in 20:00");
    EXPECT_TRUE(rig.timer.log.contains("MenuBar", "timed_pause_ended | lateBy=9900s"));
}

TEST_F(MenuBarControllerTest, WithoutAWakeNoticeTheNextRefreshEndsAnOverduePause)
{
    MenuBarRig rig;
    startAndInstall(rig);
    rig.controller.pauseForDuration(30);
    rig.timer.clock.skipAhead(45 * 60);
    rig.timer.clock.advance(1);
    EXPECT_FALSE(pausedByHand(rig));
    EXPECT_TRUE(rig.timer.scheduler.isRunning());
}

// Setting the time of day during a timed pause, back or forward, leaves it its length: the
// tray counts on, and "Resumes at" reads the end on the clock as it now stands.
TEST_F(MenuBarControllerTest, SettingTheClockNeitherStretchesNorCutsATimedPause)
{
    for (const qint64 step : {qint64(-3600), qint64(3600), qint64(-86400)}) {
        SCOPED_TRACE(step);
        MenuBarRig rig;
        startAndInstall(rig);
        rig.timer.settings.setMenuBarShowTimer(true);
        rig.controller.pauseForDuration(15);
        rig.timer.clock.advance(5 * 60);
        rig.timer.clock.setNow(rig.timer.clock.now().addSecs(step));
        rig.timer.clock.advance(1);

        const QDateTime end = rig.timer.clock.now().addSecs(10 * 60 - 1);
        EXPECT_EQ(rig.controller.scheduledResumeDate(), end);
        EXPECT_EQ(rig.presentation().statusTitle, "10m");
        EXPECT_EQ(rig.presentation().headerSubtitle,
                  "Resumes at " + QLocale().toString(end.time(), QLocale::ShortFormat));
        rig.timer.clock.advance(10 * 60 - 2);
        EXPECT_TRUE(pausedByHand(rig));
        rig.timer.clock.advance(1);
        EXPECT_FALSE(pausedByHand(rig));
        EXPECT_TRUE(rig.timer.log.contains("MenuBar", "timed_pause_ended | lateBy=0s"));
    }
}

TEST_F(MenuBarControllerTest, ALaterPauseReplacesTheScheduleOfAnEarlierOne)
{
    MenuBarRig rig;
    startAndInstall(rig);
    rig.controller.pauseForDuration(15);
    rig.controller.pauseForDuration(30);
    rig.timer.clock.advance(20 * 60);
    EXPECT_TRUE(pausedByHand(rig)) << "the fifteen-minute end no longer applies";
    EXPECT_EQ(rig.presentation().statusTitle, "10m");
    rig.timer.clock.advance(10 * 60);
    EXPECT_FALSE(pausedByHand(rig));
}

TEST_F(MenuBarControllerTest, ResumingOrPausingIndefinitelyCancelsTheTimedEnd)
{
    MenuBarRig rig;
    startAndInstall(rig);
    rig.controller.pauseForDuration(15);
    rig.controller.resumeBreaks();
    EXPECT_FALSE(rig.timer.scheduler.isPaused());
    EXPECT_FALSE(rig.controller.scheduledResumeDate().has_value());

    rig.controller.pauseForDuration(15);
    rig.controller.pauseForDuration(0);
    rig.timer.clock.advance(20 * 60);
    EXPECT_TRUE(pausedByHand(rig));
    EXPECT_EQ(rig.presentation().kind, MenuBarStatusKind::manualPause);
    EXPECT_EQ(rig.item()->toolTip(), "Lumenpause: Breaks paused manually");
}

// The hot key resumes and pauses breaks without the menu: the old end must not then cut the
// new pause short.
TEST_F(MenuBarControllerTest, LeavingThePauseByAnotherRoadDropsItsEnd)
{
    MenuBarRig rig;
    startAndInstall(rig);
    rig.controller.pauseForDuration(15);
    rig.timer.scheduler.resume(PauseReason::manual);
    rig.timer.clock.advance(1);
    EXPECT_FALSE(rig.controller.scheduledResumeDate().has_value());

    rig.timer.scheduler.pause(PauseReason::manual);
    rig.timer.clock.advance(20 * 60);
    EXPECT_TRUE(pausedByHand(rig));
}
