#include "menubar/MenuBarStatusHeaderView.h"
#include "support/MenuBarRig.h"

#include <QLocale>
#include <QMenu>
#include <QWidgetAction>

#include <gtest/gtest.h>

// The tray's menu as the user meets it: which actions it offers in each state, what they do,
// and its header counting down while it is open.

namespace {

const QStringList tail = {"Settings…", "---", "Check for Updates…", "Quit Lumenpause"};

QStringList withTail(QStringList lines)
{
    return lines + tail;
}

class MenuBarMenuTest : public ::testing::Test
{
protected:
    MenuBarMenuTest() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    ~MenuBarMenuTest() override { QLocale::setDefault(QLocale::system()); }

    static void startAndInstall(MenuBarRig &rig)
    {
        rig.timer.scheduler.start();
        rig.controller.installStatusItem();
    }

    // Clicks the item and reads the menu that opens.
    static QStringList clickMenu(MenuBarRig &rig)
    {
        rig.item()->click();
        return MenuBarRig::describe(*rig.lastPoppedUpMenu());
    }

    static void choose(MenuBarRig &rig, const QString &text)
    {
        rig.item()->click();
        QAction *action = MenuBarRig::findAction(*rig.lastPoppedUpMenu(), text);
        ASSERT_NE(action, nullptr) << text.toStdString();
        ASSERT_TRUE(action->isEnabled()) << text.toStdString();
        action->trigger();
    }

    static const MenuBarStatusHeaderView *header(const QMenu &menu)
    {
        for (QAction *action : menu.actions()) {
            if (auto *row = qobject_cast<QWidgetAction *>(action)) {
                if (auto *view = qobject_cast<MenuBarStatusHeaderView *>(row->defaultWidget()))
                    return view;
            }
        }
        return nullptr;
    }
};

MenuBarMenuState stateOf(MenuBarStatusKind kind)
{
    MenuBarMenuState state;
    state.presentation.kind = kind;
    return state;
}

} // namespace

TEST_F(MenuBarMenuTest, ARunningTimerOffersTheIntervalActions)
{
    MenuBarRig rig;
    startAndInstall(rig);
    EXPECT_EQ(clickMenu(rig), withTail({"[header]", "---", "Take Break Now", "Skip Current Break",
                                        "Pause Reminders", "  15 Minutes", "  30 Minutes",
                                        "  1 Hour", "  Indefinitely", "---"}));
}

TEST_F(MenuBarMenuTest, ActionGroupFollowsTheStateInItsOrder)
{
    using Kind = MenuBarStatusKind;
    using Group = MenuBarActionGroup;
    const auto group = [](MenuBarMenuState state) { return MenuBarMenuBuilder::actionGroup(state); };
    MenuBarMenuState setupInBreak = stateOf(Kind::setup);
    setupInBreak.breakOnScreen = true;
    EXPECT_EQ(group(setupInBreak), Group::none);
    MenuBarMenuState offHoursInBreak = stateOf(Kind::offHours);
    offHoursInBreak.breakOnScreen = true;
    EXPECT_EQ(group(offHoursInBreak), Group::skipBreakOnScreen);
    MenuBarMenuState offHoursPaused = stateOf(Kind::offHours);
    offHoursPaused.pausedManually = true;
    EXPECT_EQ(group(offHoursPaused), Group::none);
    MenuBarMenuState pausedInCall = stateOf(Kind::manualPause);
    pausedInCall.pausedManually = true;
    pausedInCall.breaksHeldByMeetingOrMedia = true;
    EXPECT_EQ(group(pausedInCall), Group::resumeBreaks);
    MenuBarMenuState heldByCall = stateOf(Kind::meeting);
    heldByCall.breaksHeldByMeetingOrMedia = true;
    EXPECT_EQ(group(heldByCall), Group::resumeAnyway);
    for (Kind kind : {Kind::running, Kind::breakSoon, Kind::waitingForNaturalPause})
        EXPECT_EQ(group(stateOf(kind)), Group::intervalActions);
    MenuBarMenuState callWhileRunning = stateOf(Kind::meeting);
    callWhileRunning.timerRunning = true;
    EXPECT_EQ(group(callWhileRunning), Group::intervalActions);
    for (Kind kind : {Kind::idle, Kind::autoPaused, Kind::stopped, Kind::meeting})
        EXPECT_EQ(group(stateOf(kind)), Group::takeBreakOnly);
}

TEST_F(MenuBarMenuTest, ChoosingFifteenMinutesPausesUntilTheResumeTimeAndOffersResume)
{
    MenuBarRig rig;
    startAndInstall(rig);
    choose(rig, "15 Minutes");
    EXPECT_TRUE(rig.timer.scheduler.pauseReasons().contains(PauseReason::manual));
    EXPECT_EQ(rig.item()->toolTip(), "Lumenpause: Paused. Resumes at 9:15 AM");
    EXPECT_EQ(clickMenu(rig), withTail({"[header]", "---", "Resume Breaks", "---"}));

    choose(rig, "Resume Breaks");
    EXPECT_FALSE(rig.timer.scheduler.isPaused());
    EXPECT_FALSE(rig.controller.scheduledResumeDate().has_value());
}

TEST_F(MenuBarMenuTest, SkipIsDisabledWithTheReasonWhenTheModeForbidsIt)
{
    MenuBarRig hardcore({{"enforcement", "Hardcore"}});
    startAndInstall(hardcore);
    hardcore.item()->click();
    QAction *skip = MenuBarRig::findAction(*hardcore.lastPoppedUpMenu(), "Skip Disabled - Hardcore mode");
    ASSERT_NE(skip, nullptr);
    EXPECT_FALSE(skip->isEnabled());
    EXPECT_EQ(skip->toolTip(), "Change this in Settings > Breaks > Enforcement.");

    MenuBarRig balanced({{"enforcement", "Balanced"}, {"skipsPerDay", qint64(1)}});
    startAndInstall(balanced);
    balanced.controller.skipBreak();
    EXPECT_TRUE(clickMenu(balanced).contains("Skip Unavailable - Daily limit reached (disabled)"));
}

TEST_F(MenuBarMenuTest, SkippingTheIntervalCountsASkipAndStartsAFullOne)
{
    MenuBarRig rig;
    startAndInstall(rig);
    rig.timer.clock.advance(300);
    choose(rig, "Skip Current Break");
    EXPECT_EQ(rig.timer.settings.skipsUsedToday(), 1);
    EXPECT_EQ(rig.timer.scheduler.timeRemaining(), 1200);
    EXPECT_EQ(rig.item()->toolTip(), "Lumenpause: Next break in 20:00");
}

TEST_F(MenuBarMenuTest, ASkipWhilePausedChangesNothing)
{
    MenuBarRig rig;
    startAndInstall(rig);
    rig.timer.clock.advance(300);
    rig.timer.scheduler.pause(PauseReason::media);
    rig.controller.skipBreak();
    EXPECT_EQ(rig.timer.settings.skipsUsedToday(), 0);
    EXPECT_EQ(rig.timer.scheduler.timeRemaining(), 900);
    EXPECT_TRUE(rig.timer.log.contains("BreakScheduler", "Skip ignored while paused"));
}

// A break that runs on past the end of office hours can still be skipped from the menu, as
// from the hot key; before, the menu offered an item that did nothing.
TEST_F(MenuBarMenuTest, ABreakOnScreenCanBeSkippedAfterOfficeHoursEnd)
{
    MenuBarRig rig({{"officeHoursEnabled", true}}, true, QDateTime(QDate(2025, 3, 4), QTime(17, 59)));
    startAndInstall(rig);
    rig.timer.breakShowing = true;
    rig.timer.clock.advance(120);
    ASSERT_EQ(rig.presentation().kind, MenuBarStatusKind::breakInProgress);
    ASSERT_FALSE(rig.timer.settings.isWithinOfficeHours(rig.timer.clock.now()));

    EXPECT_EQ(clickMenu(rig), withTail({"[header]", "---", "Skip Break", "---"}));
    choose(rig, "Skip Break");
    EXPECT_EQ(rig.skipsOfBreakOnScreen, 1);
    EXPECT_TRUE(rig.timer.log.contains("MenuBar", "active_break_skip_requested | source=menu_bar"));

    // With no break on screen the hour rules: no actions, and none of them does anything.
    rig.timer.breakShowing = false;
    EXPECT_EQ(clickMenu(rig), withTail({"[header]", "---"}));
    rig.timer.scheduler.pause(PauseReason::manual);
    rig.controller.resumeBreaks();
    rig.controller.skipBreak();
    rig.controller.takeBreakNow();
    EXPECT_TRUE(rig.timer.scheduler.pauseReasons().contains(PauseReason::manual));
    EXPECT_EQ(rig.timer.settings.skipsUsedToday(), 0);
    EXPECT_EQ(rig.skipsOfBreakOnScreen, 1);
}

TEST_F(MenuBarMenuTest, ABreakOnScreenUnderHardcoreCannotBeSkipped)
{
    MenuBarRig rig({{"enforcement", "Hardcore"}});
    startAndInstall(rig);
    rig.timer.breakShowing = true;
    EXPECT_TRUE(clickMenu(rig).contains("Skip Disabled - Hardcore mode (disabled)"));
    rig.controller.skipBreak();
    EXPECT_EQ(rig.skipsOfBreakOnScreen, 0);
}

TEST_F(MenuBarMenuTest, ResumeAnywayLetsBreaksRunThroughTheCall)
{
    MenuBarRig rig;
    startAndInstall(rig);
    rig.timer.scheduler.pause(PauseReason::meeting);
    rig.meetings.meetingActive = true;
    rig.meetings.pausedByMeeting = true;
    rig.meetings.detector = DetectorType::teams;
    rig.meetings.onOverride = [&] { rig.timer.scheduler.resume(PauseReason::meeting); };
    EXPECT_EQ(rig.presentation().headerTitle, "Teams call detected");
    EXPECT_EQ(clickMenu(rig), withTail({"[header]", "---", "Resume Anyway", "---"}));

    choose(rig, "Resume Anyway");
    EXPECT_TRUE(rig.meetings.overriddenForMeeting);
    EXPECT_TRUE(rig.timer.scheduler.isRunning());
    EXPECT_EQ(rig.presentation().kind, MenuBarStatusKind::running);
    EXPECT_TRUE(clickMenu(rig).contains("Skip Current Break"));
}

TEST_F(MenuBarMenuTest, TheTailOpensSettingsChecksForUpdatesAndQuits)
{
    MenuBarRig rig;
    startAndInstall(rig);
    choose(rig, "Settings…");
    choose(rig, "Check for Updates…");
    choose(rig, "Quit Lumenpause");
    EXPECT_EQ(rig.settingsOpened, 1);
    EXPECT_EQ(rig.updateChecks, 1);
    EXPECT_EQ(rig.quits, 1);
}

TEST_F(MenuBarMenuTest, TheOpenHeaderCountsDownAcrossTheLastMinute)
{
    MenuBarRig rig({{"breakInterval", qint64(2)}});
    startAndInstall(rig);
    rig.timer.clock.advance(59);
    rig.item()->click();
    const MenuBarStatusHeaderView *view = header(*rig.lastPoppedUpMenu());
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->title(), "Next break in 2m");

    rig.timer.clock.advance(1);
    EXPECT_EQ(view->title(), "Next break in 1m");
    EXPECT_EQ(view->subtitle(), "Lumenpause is running.");
    rig.timer.clock.advance(1);
    EXPECT_EQ(view->title(), "Next break in <1m");
    EXPECT_EQ(view->subtitle(), "Next break in 59 seconds");
    EXPECT_EQ(view->symbolName(), "camera.macro");
}

// The menu belongs to the controller: should the controller go while the menu is open, the
// menu and its ticking header go with it.
TEST_F(MenuBarMenuTest, AMenuOpenWhenTheControllerGoesGoesWithIt)
{
    MenuBarRig rig;
    rig.timer.scheduler.start();
    auto controller = std::make_unique<MenuBarController>(rig.services());
    controller->installStatusItem();
    rig.item()->click();
    const QPointer<QMenu> menu = rig.lastPoppedUpMenu();
    ASSERT_TRUE(menu);
    controller.reset();
    EXPECT_FALSE(menu);
    rig.timer.clock.advance(5);
}

TEST_F(MenuBarMenuTest, AHostThatDrawsItsOwnMenuGetsTheHeaderAsTextRebuiltOnEveryOpening)
{
    MenuBarRig rig;
    startAndInstall(rig);
    rig.item()->setContextMenuShowsWidgets(false);
    QMenu &menu = *rig.item()->contextMenu();

    emit menu.aboutToShow();
    EXPECT_EQ(MenuBarRig::describe(menu).mid(0, 4),
              QStringList({"Next break in 20m (disabled)", "Lumenpause is running. (disabled)", "---",
                           "Take Break Now"}));
    rig.timer.clock.advance(60);
    EXPECT_EQ(MenuBarRig::describe(menu).constFirst(), "Next break in 19m (disabled)")
        << "the open menu's header follows the countdown";
    emit menu.aboutToHide();

    rig.controller.pauseForDuration(0);
    emit menu.aboutToShow();
    EXPECT_EQ(MenuBarRig::describe(menu),
              withTail({"Breaks paused (disabled)", "Paused manually (disabled)", "---",
                        "Resume Breaks", "---"}));
    EXPECT_TRUE(menu.findChildren<QMenu *>().isEmpty()) << "the old submenu went with its item";
}
