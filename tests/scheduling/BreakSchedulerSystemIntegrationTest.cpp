#include "platform/linux/LogindSessionEvents.h"
#include "support/BreakSchedulerRig.h"
#include "support/LogindMock.h"
#include "support/RunCommand.h"
#include "support/TestServices.h"

#include <QDBusConnection>
#include <QGuiApplication>
#include <QTest>

#include <gtest/gtest.h>

// The break timer on a fake clock, told about sleep, wake and the login session by the real
// session-events source listening to the login-manager mock of the test services, and about
// screens by the X server. The mock and the X screen are shared by every integration test of
// a run: each test puts back what it changed and leaves no sleep inhibitor behind.

namespace {

constexpr int kTimeoutMs = 10000;

QVariantMap awaySettings(QVariantMap stored = {})
{
    stored.insert("idleDetectionEnabled", true);
    stored.insert("breakInterval", QVariant::fromValue(qint64(25)));
    stored.insert("idleTimeoutMinutes", QVariant::fromValue(qint64(5)));
    stored.insert("idleResetThresholdMinutes", QVariant::fromValue(qint64(20)));
    return stored;
}

// Sleep and wake are connected here as the launch coordinator connects them in the
// application; the login session reaches the timer through its own observers.
struct LogindRig
{
    explicit LogindRig(const QVariantMap &stored)
        : events(new LogindSessionEvents(QDBusConnection::systemBus(),
                                         QDBusConnection::sessionBus(),
                                         qEnvironmentVariable("XDG_SESSION_ID"), &owner))
        , rig(stored, QDateTime(QDate(2025, 3, 4), QTime(9, 0)), events)
    {
        QObject::connect(events, &SessionEvents::systemWillSleep, &rig.scheduler,
                         &BreakScheduler::systemWillSleep);
        QObject::connect(events, &SessionEvents::systemDidWake, &rig.scheduler,
                         &BreakScheduler::systemDidWake);
        rig.input.setIdleSeconds(0);
    }

    bool waitUntilFollowingTheSession()
    {
        return QTest::qWaitFor(
            [&] {
                const QStringList lines = rig.log.messages("SessionEvents");
                return !lines.filter("logind_session_followed").isEmpty();
            },
            kTimeoutMs);
    }

    int reportsHeard() const
    {
        return int(rig.log.messages("SessionEvents").filter("session_state_heard").size());
    }

    bool waitForEvent(const QString &event, qsizetype count = 1)
    {
        return QTest::qWaitFor([&] { return rig.events(event).size() == count; }, kTimeoutMs);
    }

    QObject owner;
    LogindSessionEvents *events;
    BreakSchedulerRig rig;
};

// The manager announces a wake when the test ends asleep, so no later test starts with the
// machine asleep.
struct WakeAtEnd
{
    ~WakeAtEnd() { LogindMock::emitPrepareForSleep(false); }
};

} // namespace

TEST(BreakSchedulerSystemIntegrationTest, SleepAndWakeFromTheLoginManagerHoldTheTickAndCountAway)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    ASSERT_TRUE(QTest::qWaitFor([] { return LogindMock::applicationInhibitors() == 0; }, kTimeoutMs))
        << "an inhibitor was left in the shared mock";
    {
        WakeAtEnd wakeAtEnd;
        LogindRig live(awaySettings());
        BreakSchedulerRig &rig = live.rig;
        ASSERT_TRUE(live.waitUntilFollowingTheSession());
        rig.scheduler.start();
        rig.clock.advance(100);

        ASSERT_EQ(LogindMock::emitPrepareForSleep(true), QString());
        ASSERT_TRUE(live.waitForEvent("system_sleep_started"));
        EXPECT_FALSE(rig.scheduler.isRunning());
        EXPECT_TRUE(rig.clock.scheduledBlocks().isEmpty()) << "the tick ran on while asleep";
        EXPECT_TRUE(rig.scheduler.isSystemIdle());

        rig.clock.skipAhead(25 * 60);
        ASSERT_EQ(LogindMock::emitPrepareForSleep(false), QString());
        ASSERT_TRUE(live.waitForEvent("wake_timer_resumed"));
        EXPECT_TRUE(rig.scheduler.isRunning());
        rig.clock.advance(1);
        EXPECT_EQ(rig.events("idle_completed"),
                  QStringList({"idle_completed | countedAsBreak=true departureRemaining=1400s "
                               "duration=1501s nextRemaining=1500s outcome=\"full reset\""}));

        // Asked not to start after wake, the timer stays stopped.
        rig.settings.setStartAfterWake(false);
        ASSERT_EQ(LogindMock::emitPrepareForSleep(true), QString());
        ASSERT_TRUE(live.waitForEvent("system_sleep_started", 2));
        ASSERT_EQ(LogindMock::emitPrepareForSleep(false), QString());
        ASSERT_TRUE(live.waitForEvent("wake_timer_stayed_stopped"));
        EXPECT_FALSE(rig.scheduler.isRunning());
        EXPECT_EQ(rig.events("wake_timer_resumed").size(), 1);
    }
    EXPECT_TRUE(QTest::qWaitFor([] { return LogindMock::applicationInhibitors() == 0; }, kTimeoutMs))
        << "the inhibitor outlived its owner";
}

TEST(BreakSchedulerSystemIntegrationTest, TheSessionsLockedHintIsAbsenceLoggedOnceEachWay)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    LogindMock::SessionRestorer restorer;
    LogindRig live(awaySettings());
    BreakSchedulerRig &rig = live.rig;
    ASSERT_TRUE(live.waitUntilFollowingTheSession());
    rig.scheduler.start();
    rig.clock.advance(10);
    const QString inactive = "Login session became inactive";
    const QString active = "Login session became active";

    ASSERT_EQ(LogindMock::setLockedHint(true), QString());
    ASSERT_TRUE(QTest::qWaitFor([&] { return rig.log.count("BreakScheduler", inactive) == 1; },
                                kTimeoutMs));
    EXPECT_TRUE(rig.scheduler.isSystemIdle());
    // The same hint again is heard, and changes nothing.
    const int heard = live.reportsHeard();
    ASSERT_EQ(LogindMock::setLockedHint(true), QString());
    ASSERT_TRUE(QTest::qWaitFor([&] { return live.reportsHeard() > heard; }, kTimeoutMs));
    rig.clock.advance(30);
    EXPECT_EQ(rig.scheduler.timeRemaining(), 1490.0);

    ASSERT_EQ(LogindMock::setLockedHint(false), QString());
    ASSERT_TRUE(QTest::qWaitFor([&] { return rig.log.count("BreakScheduler", active) == 1; },
                                kTimeoutMs));
    rig.clock.advance(1);
    EXPECT_FALSE(rig.scheduler.isSystemIdle());
    EXPECT_EQ(rig.log.count("BreakScheduler", inactive), 1);
    EXPECT_EQ(rig.log.count("BreakScheduler", active), 1);
    EXPECT_EQ(rig.events("idle_completed"),
              QStringList({"idle_completed | countedAsBreak=false departureRemaining=1490s "
                           "duration=31s nextRemaining=1490s outcome=resume"}));
}

TEST(BreakSchedulerSystemIntegrationTest, UnpluggingAMonitorOfTheXScreenRecordsTheDisconnect)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    BreakSchedulerRig rig;
    // This timer counts the application's screens, as the shared one does.
    BreakScheduler onScreens({
        .settings = rig.settings,
        .clock = rig.clock,
        .inputState = rig.input,
        .displayState = rig.display,
        .battery = rig.battery,
        .statistics = rig.statistics,
        .reminders = rig.reminders,
        .wellness = rig.wellness,
        .plannedBreaks = rig.plannedBreaks,
        .typingHealth = rig.typing,
        .notifier = rig.notifier,
        .sessionEvents = rig.sessionEvents,
        .isBreakShowing = [] { return false; },
    });
    ASSERT_EQ(onScreens.maxScreenCountThisSession(), 1);

    // Removed again however the test ends, unless it removed them itself.
    struct Monitors
    {
        ~Monitors()
        {
            if (!removed) {
                runCommand("xrandr", {"--delmonitor", "R"});
                runCommand("xrandr", {"--delmonitor", "L"});
            }
        }
        bool removed = false;
    } monitors;
    ASSERT_EQ(runCommand("xrandr", {"--setmonitor", "L", "1920/508x800/212+0+0", "screen"}),
              QString());
    ASSERT_EQ(runCommand("xrandr", {"--setmonitor", "R", "640/169x800/212+1920+0", "none"}),
              QString());
    ASSERT_TRUE(QTest::qWaitFor([&] { return onScreens.maxScreenCountThisSession() == 2; },
                                kTimeoutMs));

    rig.clock.advance(60);
    ASSERT_EQ(runCommand("xrandr", {"--delmonitor", "R"}), QString());
    ASSERT_EQ(runCommand("xrandr", {"--delmonitor", "L"}), QString());
    monitors.removed = true;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return onScreens.maxScreenCountThisSession() == 1
                && onScreens.lastDisplayDisconnectTime().has_value();
        },
        kTimeoutMs));
    EXPECT_EQ(onScreens.lastDisplayDisconnectTime(), rig.clock.now());
    EXPECT_TRUE(rig.log.contains("BreakScheduler", "Display disconnected - screens: 1"));
}
