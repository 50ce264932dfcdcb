#include "breakscreen/ActivationController.h"
#include "breakscreen/BreakOverlayView.h"
#include "breakscreen/BreakPanel.h"
#include "breakscreen/BreakScreenConfig.h"
#include "breakscreen/BreakSecondaryView.h"
#include "breakscreen/BreakWindowManager.h"
#include "breakscreen/WindowManager.h"
#include "core/AppState.h"
#include "core/SystemClock.h"
#include "core/ThemeManager.h"
#include "platform/linux/LogindSessionEvents.h"
#include "platform/linux/X11PanelStackingMonitor.h"
#include "support/BreakSchedulerRig.h"
#include "support/FakeDisplayStateProvider.h"
#include "support/ForeignX11Window.h"
#include "support/LoadAllowance.h"
#include "support/LogindMock.h"
#include "support/RunCommand.h"
#include "support/TestServices.h"
#include "support/X11Probe.h"

#include <QDBusConnection>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

// Break panels on the test desktop: an X server with a window manager and two monitors side
// by side, the left one the primary. The break comes from a break timer, as in the
// application, and its outcome goes back to it. The login session is the one the login
// manager (its mock) reports: a test locks the screen as a screen locker would.

namespace {

constexpr int waitMs = 5000;
// Another window took the focus: the panel has it back within this. The controller asks for it
// at once (BreakWindowControllerTest, on the fake clock); the rest is the X server's and the
// window manager's round trips, which a busy machine stretches.
constexpr int focusBackMs = int(withLoadAllowanceMs(500));
// Another window came over the panels: they are back on top within this.
constexpr int backOnTopMs = int(withLoadAllowanceMs(500));

QString describe(const BreakDismissalOutcome &outcome)
{
    if (std::holds_alternative<BreakDismissalOutcome::Skipped>(outcome.value))
        return QStringLiteral("skipped");
    if (std::holds_alternative<BreakDismissalOutcome::Completed>(outcome.value))
        return QStringLiteral("completed");
    return QStringLiteral("other");
}

class BreakPanelsIntegrationTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        LUMENPAUSE_REQUIRE_TEST_SERVICES();
        ASSERT_TRUE(probe.isOpen());
        ASSERT_TRUE(QTest::qWaitFor(
            [this] {
                return !scheduler.log.messages("SessionEvents")
                            .filter("logind_session_followed")
                            .isEmpty();
            },
            waitMs));
        monitors = std::make_unique<TwoMonitors>();
        ASSERT_EQ(monitors->error(), QString());
        ASSERT_TRUE(monitors->waitUntilSeen());
        windows = std::make_unique<WindowManager>(activation, appState, services());
        WindowManager::setShared(windows.get());
        scheduler.scheduler.setBreakPresenter(&BreakWindowManager::presentBreak);
        QObject::connect(&notifier, &AppNotifier::breakWillShow,
                         [this] { timeline.append("breakWillShow"); });
        QObject::connect(&notifier, &AppNotifier::breakDidHide,
                         [this] { timeline.append("breakDidHide"); });
    }

    void TearDown() override
    {
        if (windows && !windows->breakController().panels().isEmpty()) {
            windows->breakController().dismiss(BreakDismissalOutcome::skipped());
            (void)QTest::qWaitFor([this] { return !windows->breakController().isDismissing(); },
                                  waitMs);
        }
        WindowManager::setShared(nullptr);
        windows.reset();
        monitors.reset();
    }

    BreakScreenServices services()
    {
        // The real views, the overlay on the break timer's settings.
        BreakPanelContent content = BreakPanelContent::standard();
        content.overlay = [this](BreakScreenConfig &config, bool isLong, BreakOverlayMode mode,
                                 BreakPanelContent::OutcomeReceiver onDismiss, QScreen *) {
            const BreakOverlayServices overlayServices{scheduler.settings, clock,
                                                       ThemeManager::shared(),
                                                       [] { return QImage(); }};
            return new BreakOverlayView(config, isLong, mode, std::move(onDismiss),
                                        overlayServices);
        };
        return {
            .clock = clock,
            .notifier = notifier,
            .sessionEvents = *session,
            .displayState = display,
            .stacking = *stacking,
            .content = content,
            .screens = &BreakScreenServices::desktopScreens,
            .screenUnderPointer = &BreakScreenServices::desktopScreenUnderPointer,
            .loadConfig =
                [] {
                    auto config = std::make_unique<BreakScreenConfig>();
                    config->setBackground(BreakBG::dark);
                    return config;
                },
            .enforcement = [this] { return scheduler.settings.enforcement(); },
            .isScreenLocked = [this] { return scheduler.scheduler.isScreenLocked(); },
            .clearNotices = [] {},
            .playBreakSound = [] {},
            .handleBreakDismissal =
                [this](const BreakDismissalOutcome &outcome) {
                    timeline.append("outcome " + describe(outcome));
                    scheduler.scheduler.handleBreakDismissal(outcome);
                },
        };
    }

    QList<BreakPanel *> panels() { return windows->breakController().panels(); }
    xcb_window_t panelWindow(int index) { return xcb_window_t(panels().at(index)->winId()); }
    bool overlayHasFocus() { return !panels().isEmpty() && probe.focusedWindow() == panelWindow(0); }

    LogindMock::SessionRestorer sessionRestorer;
    QObject sessionOwner;
    SessionEvents *session = new LogindSessionEvents(
        QDBusConnection::systemBus(), QDBusConnection::sessionBus(),
        qEnvironmentVariable("XDG_SESSION_ID"), &sessionOwner);
    BreakSchedulerRig scheduler{{}, QDateTime(QDate(2025, 3, 4), QTime(9, 0)), session};
    SystemClock clock;
    AppNotifier notifier;
    FakeDisplayStateProvider display;
    AppStateStore appState;
    ActivationController activation{appState};
    X11Probe probe;
    std::unique_ptr<X11PanelStackingMonitor> stacking =
        X11PanelStackingMonitor::open(qgetenv("DISPLAY"));
    std::unique_ptr<TwoMonitors> monitors;
    std::unique_ptr<WindowManager> windows;
    QStringList timeline;
};

// Another application's window, which the window manager activates.
class OtherWindow
{
public:
    OtherWindow()
    {
        m_process.start("xmessage", {"-name", "other", "-geometry", "300x100+100+100",
                                     "another application"});
    }
    ~OtherWindow()
    {
        m_process.kill();
        m_process.waitForFinished();
    }
    // The client window, once the window manager has mapped it.
    xcb_window_t find(const X11Probe &probe)
    {
        (void)QTest::qWaitFor([&] { return !probe.viewableClients("other").isEmpty(); }, waitMs);
        const QList<xcb_window_t> found = probe.viewableClients("other");
        return found.isEmpty() ? xcb_window_t(XCB_WINDOW_NONE) : found.first();
    }

private:
    QProcess m_process;
};

} // namespace

TEST_F(BreakPanelsIntegrationTest, AScheduledBreakCoversBothMonitorsAndTwoEscapesSkipIt)
{
    ASSERT_TRUE(scheduler.scheduler.takeBreakNow());

    ASSERT_EQ(panels().size(), 2);
    EXPECT_EQ(timeline, QStringList({"breakWillShow"}));
    EXPECT_TRUE(qobject_cast<BreakOverlayView *>(panels().at(0)->content()));
    EXPECT_TRUE(qobject_cast<BreakSecondaryView *>(panels().at(1)->content()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return probe.isViewable(panelWindow(1)); }, waitMs));
    EXPECT_EQ(probe.geometry(panelWindow(0)), TwoMonitors::left);
    EXPECT_EQ(probe.geometry(panelWindow(1)), TwoMonitors::right);
    ASSERT_TRUE(QTest::qWaitFor([&] { return overlayHasFocus(); }, waitMs));

    ASSERT_EQ(runCommand("xdotool", {"key", "Escape"}), QString());
    ASSERT_EQ(runCommand("xdotool", {"key", "Escape"}), QString());
    ASSERT_TRUE(QTest::qWaitFor([&] { return timeline.contains("breakDidHide"); }, waitMs));

    EXPECT_EQ(timeline, QStringList({"breakWillShow", "outcome skipped", "breakDidHide"}));
    EXPECT_EQ(scheduler.events("break_dismissed").size(), 1);
    EXPECT_EQ(scheduler.settings.skipsUsedToday(), 1);
    EXPECT_TRUE(probe.viewableWindowsTitled("Lumenpause break").isEmpty());
    EXPECT_EQ(appState.current(), AppState::background);
}

TEST_F(BreakPanelsIntegrationTest, PanelsStayAboveDocksAndOnEveryDesktop)
{
    // A dock along the top of the primary monitor, which the window manager keeps above
    // ordinary windows.
    QWidget dock(nullptr, Qt::FramelessWindowHint);
    dock.setGeometry(0, 0, 1280, 40);
    ASSERT_TRUE(probe.setWindowType(xcb_window_t(dock.winId()), "_NET_WM_WINDOW_TYPE_DOCK"));
    dock.show();
    // The window manager puts the dock in a frame of its own once it has taken it on.
    const auto dockOnTop = [&] {
        return probe.topmostWindowAt({10, 10}) == probe.frameOf(xcb_window_t(dock.winId()));
    };
    ASSERT_TRUE(QTest::qWaitFor(dockOnTop, waitMs));

    ASSERT_TRUE(scheduler.scheduler.takeBreakNow());
    ASSERT_TRUE(QTest::qWaitFor([&] { return probe.topmostWindowAt({10, 10}) == panelWindow(0); },
                                waitMs));
    dock.raise();
    EXPECT_FALSE(QTest::qWaitFor(dockOnTop, 300));

    ASSERT_EQ(runCommand("xdotool", {"set_desktop", "1"}), QString());
    const auto coveredAfterSwitch = [&] {
        return probe.topmostWindowAt({640, 400}) == panelWindow(0)
               && probe.topmostWindowAt({1920, 400}) == panelWindow(1);
    };
    EXPECT_TRUE(QTest::qWaitFor([&] { return probe.currentDesktop() == 1; }, waitMs));
    EXPECT_TRUE(QTest::qWaitFor(coveredAfterSwitch, waitMs));
    EXPECT_EQ(runCommand("xdotool", {"set_desktop", "0"}), QString());
}

TEST_F(BreakPanelsIntegrationTest, AnotherWindowActivatedDuringABreakLosesTheFocusAgainUntilALock)
{
    OtherWindow other;
    const xcb_window_t otherWindow = other.find(probe);
    ASSERT_NE(otherWindow, xcb_window_t(XCB_WINDOW_NONE));
    ASSERT_TRUE(scheduler.scheduler.takeBreakNow());
    ASSERT_TRUE(QTest::qWaitFor([&] { return overlayHasFocus(); }, waitMs));
    // The focus taken at the start of the break has been taken for the last time once the
    // panels are fully faded in: what follows is an answer to the other window alone.
    ASSERT_TRUE(QTest::qWaitFor([&] { return panels().at(0)->windowOpacity() == 1.0; }, waitMs));

    ASSERT_EQ(runCommand("xdotool", {"windowactivate", QString::number(otherWindow)}), QString());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !overlayHasFocus(); }, waitMs))
        << "the other window never had the focus";
    QElapsedTimer sinceFocusLost;
    sinceFocusLost.start();
    EXPECT_TRUE(QTest::qWaitFor([&] { return overlayHasFocus(); }, focusBackMs));
    RecordProperty("focusBackMs", int(sinceFocusLost.elapsed()));

    ASSERT_EQ(LogindMock::setLockedHint(true), QString());
    ASSERT_TRUE(QTest::qWaitFor([&] { return scheduler.scheduler.isScreenLocked(); }, waitMs));
    ASSERT_EQ(runCommand("xdotool", {"windowactivate", QString::number(otherWindow)}), QString());
    ASSERT_TRUE(QTest::qWaitFor([&] { return probe.focusedWindow() != panelWindow(0); }, waitMs));
    EXPECT_FALSE(QTest::qWaitFor([&] { return overlayHasFocus(); }, 1000))
        << "focus was taken back over a locked session";
}

// A secondary screen's panel has no control: the keyboard left on it (by a tool, or a
// pointer-focus desktop) comes back to the overlay's panel, where the controls are.
TEST_F(BreakPanelsIntegrationTest, TheKeyboardLeftOnASecondScreensPanelComesBackToTheControls)
{
    ASSERT_TRUE(scheduler.scheduler.takeBreakNow());
    ASSERT_TRUE(QTest::qWaitFor([&] { return overlayHasFocus(); }, waitMs));
    ASSERT_TRUE(QTest::qWaitFor([&] { return panels().at(0)->windowOpacity() == 1.0; }, waitMs));

    ASSERT_EQ(runCommand("xdotool", {"windowfocus", QString::number(panelWindow(1))}), QString());
    ASSERT_EQ(probe.focusedWindow(), panelWindow(1));
    EXPECT_TRUE(QTest::qWaitFor([&] { return overlayHasFocus(); }, waitMs));
}

// A notification bubble of another program, which no window manager stacks, mapped or
// raised over a break.
TEST_F(BreakPanelsIntegrationTest, AWindowMappedOverABreakGoesBelowThePanelsUntilALock)
{
    ASSERT_TRUE(scheduler.scheduler.takeBreakNow());
    ASSERT_TRUE(QTest::qWaitFor([&] { return panels().at(0)->windowOpacity() == 1.0; }, waitMs));
    const QPoint inBubble(1100, 60);
    const auto panelOnTop = [&] { return probe.topmostWindowAt(inBubble) == panelWindow(0); };
    ASSERT_TRUE(panelOnTop());

    // Made now, the bubble is made on top of every window.
    ForeignX11Window bubble(QRect(900, 20, 360, 100));
    ASSERT_TRUE(bubble.isOpen());
    bubble.map();
    QElapsedTimer sinceMap;
    sinceMap.start();
    ASSERT_EQ(probe.topmostWindowAt(inBubble), bubble.id());
    EXPECT_TRUE(QTest::qWaitFor(panelOnTop, backOnTopMs));
    RecordProperty("backOnTopAfterMapMs", int(sinceMap.elapsed()));

    bubble.raise();
    ASSERT_EQ(probe.topmostWindowAt(inBubble), bubble.id());
    EXPECT_TRUE(QTest::qWaitFor(panelOnTop, backOnTopMs));

    ASSERT_EQ(LogindMock::setLockedHint(true), QString());
    ASSERT_TRUE(QTest::qWaitFor([&] { return scheduler.scheduler.isScreenLocked(); }, waitMs));
    bubble.raise();
    EXPECT_FALSE(QTest::qWaitFor(panelOnTop, 1000)) << "raised over a locked session";
}

TEST_F(BreakPanelsIntegrationTest, HardcoreHoldsTheKeyboardExceptOverALockedSession)
{
    scheduler.settings.setEnforcement("Hardcore");
    ASSERT_TRUE(probe.keyboardIsFree());
    ASSERT_TRUE(scheduler.scheduler.takeBreakNow());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !probe.keyboardIsFree(); }, waitMs));

    ASSERT_EQ(LogindMock::setLockedHint(true), QString());
    EXPECT_TRUE(QTest::qWaitFor([&] { return probe.keyboardIsFree(); }, waitMs));
    ASSERT_EQ(LogindMock::setLockedHint(false), QString());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !probe.keyboardIsFree(); }, waitMs));

    windows->breakController().dismiss(BreakDismissalOutcome::skipped());
    EXPECT_TRUE(QTest::qWaitFor([&] { return probe.keyboardIsFree(); }, waitMs));
}

TEST_F(BreakPanelsIntegrationTest, AMonitorPluggedDuringABreakGetsAPanelAndLosesItWhenUnplugged)
{
    ASSERT_TRUE(scheduler.scheduler.takeBreakNow());
    BreakPanel *overlayPanel = panels().at(0);

    ASSERT_EQ(monitors->removeRight(), QString());
    ASSERT_TRUE(QTest::qWaitFor([&] { return panels().size() == 1; }, waitMs));
    EXPECT_EQ(panels().at(0), overlayPanel);
    EXPECT_EQ(probe.viewableWindowsTitled("Lumenpause break").size(), 1);

    ASSERT_EQ(monitors->addRight(), QString());
    ASSERT_TRUE(QTest::qWaitFor([&] { return panels().size() == 2; }, waitMs));
    EXPECT_EQ(panels().at(0), overlayPanel);
    EXPECT_TRUE(qobject_cast<BreakSecondaryView *>(panels().at(1)->content()));
    EXPECT_TRUE(QTest::qWaitFor([&] { return probe.geometry(panelWindow(1)) == TwoMonitors::right; },
                                waitMs));
}

TEST_F(BreakPanelsIntegrationTest, ABreakDueWhileTheScreenIsLockedShowsOnlyOnceItIsUnlocked)
{
    ASSERT_EQ(LogindMock::setLockedHint(true), QString());
    ASSERT_TRUE(QTest::qWaitFor([&] { return scheduler.scheduler.isScreenLocked(); }, waitMs));
    ASSERT_TRUE(scheduler.scheduler.takeBreakNow());
    ASSERT_EQ(panels().size(), 2);
    const auto bothViewable = [&] {
        return probe.isViewable(panelWindow(0)) && probe.isViewable(panelWindow(1));
    };
    const auto anyViewable = [&] {
        return probe.isViewable(panelWindow(0)) || probe.isViewable(panelWindow(1));
    };
    EXPECT_FALSE(QTest::qWaitFor(anyViewable, 500)) << "a panel was put over the locked screen";

    ASSERT_EQ(LogindMock::setLockedHint(false), QString());
    EXPECT_TRUE(QTest::qWaitFor(bothViewable, waitMs));
    EXPECT_TRUE(QTest::qWaitFor([&] { return overlayHasFocus(); }, waitMs));
}
