#include "platform/linux/LogindSessionEvents.h"
#include "support/DBusMockService.h"
#include "support/LogCapture.h"
#include "support/LogindMock.h"
#include "support/RunCommand.h"
#include "support/TestServices.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

// The login manager here is the mock that tests/services.sh starts on the private system
// bus, with the session named by XDG_SESSION_ID. It is shared by every integration test of a
// run: each test here puts the session back as it found it (active, not locked) and leaves
// no inhibitor behind, whatever the outcome.

namespace {

const QString kLogind = QStringLiteral("org.freedesktop.login1");
const QString kManagerPath = QStringLiteral("/org/freedesktop/login1");
const QString kManagerInterface = QStringLiteral("org.freedesktop.login1.Manager");
const QString kSessionInterface = QStringLiteral("org.freedesktop.login1.Session");
const QString kScreenSaver = QStringLiteral("org.freedesktop.ScreenSaver");
const QString kCategory = QStringLiteral("SessionEvents");
constexpr int kTimeoutMs = 10000;

using LogindMock::applicationInhibitors;
using LogindMock::emitPrepareForSleep;
using LogindMock::setLockedHint;
using LogindMock::setSessionActive;

bool waitForInhibitors(int count)
{
    return QTest::qWaitFor([&] { return applicationInhibitors() == count; }, kTimeoutMs);
}

int linesStartingWith(const LogCapture &log, const QString &prefix)
{
    const QStringList messages = log.messages(kCategory);
    return int(std::count_if(messages.begin(), messages.end(),
                             [&](const QString &message) { return message.startsWith(prefix); }));
}

// Every report from a source is logged as it is handled. Waiting for the next one is how a
// test knows that a report which changes nothing has been seen, rather than still on its way.
class Reports
{
public:
    bool waitForNext()
    {
        ++m_expected;
        return QTest::qWaitFor([&] { return heard() >= m_expected; }, kTimeoutMs);
    }

    bool waitUntilFollowingTheSession() const
    {
        return QTest::qWaitFor(
            [&] { return linesStartingWith(m_log, QStringLiteral("logind_session_followed")) > 0; },
            kTimeoutMs);
    }

    int warnings() const { return m_log.warnings(kCategory); }

private:
    int heard() const { return linesStartingWith(m_log, QStringLiteral("session_state_heard")); }

    LogCapture m_log;
    int m_expected = 0;
};

struct SessionSpies
{
    explicit SessionSpies(SessionEvents &events)
        : resigned(&events, &SessionEvents::sessionDidResignActive)
        , became(&events, &SessionEvents::sessionDidBecomeActive)
    {
    }

    QSignalSpy resigned;
    QSignalSpy became;
};

LogindSessionEvents *followTheTestSession(QObject *parent)
{
    return new LogindSessionEvents(QDBusConnection::systemBus(), QDBusConnection::sessionBus(),
                                   qEnvironmentVariable("XDG_SESSION_ID"), parent);
}

} // namespace

TEST(LogindSessionEventsIntegrationTest, SleepWaitsForTheWillSleepStepAndWakeTakesANewInhibitor)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    ASSERT_TRUE(waitForInhibitors(0)) << "an inhibitor was left in the shared mock";
    LogCapture log;
    // The manager lists an inhibitor as soon as it hands it out, before this process has
    // the reply; only the log says the descriptor is really kept.
    const auto waitUntilTaken = [&](int times) {
        const QString taken = QStringLiteral("sleep_inhibitor_taken");
        return QTest::qWaitFor([&] { return linesStartingWith(log, taken) == times; },
                               kTimeoutMs);
    };
    {
        QObject owner;
        LogindSessionEvents *events = followTheTestSession(&owner);
        QSignalSpy willSleep(events, &SessionEvents::systemWillSleep);
        QSignalSpy didWake(events, &SessionEvents::systemDidWake);
        int heldDuringWillSleep = -1;
        QObject::connect(events, &SessionEvents::systemWillSleep,
                         [&] { heldDuringWillSleep = applicationInhibitors(); });
        ASSERT_TRUE(waitUntilTaken(1)) << "no sleep inhibitor taken at start";
        EXPECT_EQ(applicationInhibitors(), 1);

        for (int cycle = 1; cycle <= 2; ++cycle) {
            SCOPED_TRACE(cycle);
            heldDuringWillSleep = -1;
            ASSERT_EQ(emitPrepareForSleep(true), QString());
            ASSERT_TRUE(QTest::qWaitFor([&] { return willSleep.size() == cycle; }, kTimeoutMs));
            EXPECT_EQ(heldDuringWillSleep, 1) << "the machine was let go before the step ran";
            EXPECT_TRUE(waitForInhibitors(0)) << "the inhibitor was kept while sleeping";

            // A repeated announcement is the same sleep; the wake after it ends it.
            ASSERT_EQ(emitPrepareForSleep(true), QString());
            ASSERT_EQ(emitPrepareForSleep(false), QString());
            ASSERT_TRUE(QTest::qWaitFor([&] { return didWake.size() == cycle; }, kTimeoutMs));
            EXPECT_EQ(willSleep.size(), cycle);
            ASSERT_TRUE(waitUntilTaken(cycle + 1)) << "no new inhibitor after wake";
            EXPECT_EQ(applicationInhibitors(), 1);
        }

        // A wake with no sleep before it is no wake, and takes no second inhibitor.
        ASSERT_EQ(emitPrepareForSleep(false), QString());
        ASSERT_EQ(emitPrepareForSleep(true), QString());
        ASSERT_TRUE(QTest::qWaitFor([&] { return willSleep.size() == 3; }, kTimeoutMs));
        EXPECT_EQ(didWake.size(), 2);
        EXPECT_EQ(heldDuringWillSleep, 1);
        EXPECT_TRUE(waitForInhibitors(0));
        ASSERT_EQ(emitPrepareForSleep(false), QString());
        ASSERT_TRUE(QTest::qWaitFor([&] { return didWake.size() == 3; }, kTimeoutMs));
        ASSERT_TRUE(waitUntilTaken(4));
    }
    EXPECT_TRUE(waitForInhibitors(0)) << "the inhibitor outlived its owner";
}

TEST(LogindSessionEventsIntegrationTest, TheSessionsLockedHintAndActiveStateReportEachChangeOnce)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    LogindMock::SessionRestorer restorer;
    Reports reports;
    QObject owner;
    SessionSpies spies(*followTheTestSession(&owner));
    ASSERT_TRUE(reports.waitUntilFollowingTheSession());
    EXPECT_EQ(spies.resigned.size() + spies.became.size(), 0) << "an active session was reported";

    ASSERT_EQ(setLockedHint(true), QString());
    ASSERT_TRUE(reports.waitForNext());
    EXPECT_EQ(spies.resigned.size(), 1);
    ASSERT_EQ(setLockedHint(true), QString());
    ASSERT_TRUE(reports.waitForNext());
    EXPECT_EQ(spies.resigned.size(), 1) << "the same lock reported twice";
    ASSERT_EQ(setLockedHint(false), QString());
    ASSERT_TRUE(reports.waitForNext());
    EXPECT_EQ(spies.became.size(), 1);

    // Switching to another user's session leaves this one inactive but not locked.
    ASSERT_EQ(setSessionActive(false), QString());
    ASSERT_TRUE(reports.waitForNext());
    EXPECT_EQ(spies.resigned.size(), 2);
    // Locked while switched away, then unlocked: still away until switched back.
    ASSERT_EQ(setLockedHint(true), QString());
    ASSERT_TRUE(reports.waitForNext());
    ASSERT_EQ(setLockedHint(false), QString());
    ASSERT_TRUE(reports.waitForNext());
    EXPECT_EQ(spies.became.size(), 1);
    ASSERT_EQ(setSessionActive(true), QString());
    ASSERT_TRUE(reports.waitForNext());
    EXPECT_EQ(spies.resigned.size(), 2);
    EXPECT_EQ(spies.became.size(), 2);
    EXPECT_EQ(reports.warnings(), 0);
}

TEST(LogindSessionEventsIntegrationTest, LockAndUnlockRequestsCountUntilTheHintSaysOtherwise)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    LogindMock::SessionRestorer restorer;
    Reports reports;
    QObject owner;
    SessionSpies spies(*followTheTestSession(&owner));
    ASSERT_TRUE(reports.waitUntilFollowingTheSession());

    ASSERT_EQ(LogindMock::requestLock(), QString());
    ASSERT_TRUE(reports.waitForNext());
    ASSERT_EQ(LogindMock::requestLock(), QString());
    ASSERT_TRUE(reports.waitForNext());
    EXPECT_EQ(spies.resigned.size(), 1);
    ASSERT_EQ(LogindMock::requestUnlock(), QString());
    ASSERT_TRUE(reports.waitForNext());
    EXPECT_EQ(spies.became.size(), 1);

    // The locker that locked on request sets the hint, and later unlocks by itself without
    // any Unlock request: the session must not stay inactive.
    ASSERT_EQ(LogindMock::requestLock(), QString());
    ASSERT_TRUE(reports.waitForNext());
    ASSERT_EQ(setLockedHint(true), QString());
    ASSERT_TRUE(reports.waitForNext());
    EXPECT_EQ(spies.resigned.size(), 2);
    ASSERT_EQ(setLockedHint(false), QString());
    ASSERT_TRUE(reports.waitForNext());
    EXPECT_EQ(spies.became.size(), 2);
}

TEST(LogindSessionEventsIntegrationTest, TheScreenSaverIsASecondSourceThatNeverReportsTwice)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    LogindMock::SessionRestorer restorer;
    DBusMockService screenSaver(kScreenSaver, QStringLiteral("/org/freedesktop/ScreenSaver"),
                                kScreenSaver);
    ASSERT_TRUE(screenSaver.waitUntilOnTheBus());
    const auto setScreenSaverActive = [&](bool active) {
        return screenSaver.emitSignal(QStringLiteral("ActiveChanged"), "b", {active});
    };
    Reports reports;
    QObject owner;
    SessionSpies spies(*followTheTestSession(&owner));
    ASSERT_TRUE(reports.waitUntilFollowingTheSession());

    // The screen saver first, then the login manager saying the same.
    ASSERT_EQ(setScreenSaverActive(true), QString());
    ASSERT_TRUE(reports.waitForNext());
    EXPECT_EQ(spies.resigned.size(), 1);
    ASSERT_EQ(setLockedHint(true), QString());
    ASSERT_TRUE(reports.waitForNext());
    ASSERT_EQ(setScreenSaverActive(false), QString());
    ASSERT_TRUE(reports.waitForNext());
    EXPECT_EQ(spies.became.size(), 0) << "active while the login manager still says locked";
    ASSERT_EQ(setLockedHint(false), QString());
    ASSERT_TRUE(reports.waitForNext());
    EXPECT_EQ(spies.resigned.size(), 1);
    EXPECT_EQ(spies.became.size(), 1);

    // The other way round, and the screen saver the last to let go.
    ASSERT_EQ(setLockedHint(true), QString());
    ASSERT_TRUE(reports.waitForNext());
    ASSERT_EQ(setScreenSaverActive(true), QString());
    ASSERT_TRUE(reports.waitForNext());
    ASSERT_EQ(setLockedHint(false), QString());
    ASSERT_TRUE(reports.waitForNext());
    EXPECT_EQ(spies.became.size(), 1) << "active while the screen saver still runs";
    ASSERT_EQ(setScreenSaverActive(false), QString());
    ASSERT_TRUE(reports.waitForNext());
    EXPECT_EQ(spies.resigned.size(), 2);
    EXPECT_EQ(spies.became.size(), 2);
}

TEST(LogindSessionEventsIntegrationTest, WithoutALoginManagerOneWarningAndTheScreenSaverStillCounts)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    // Desktops publish the screen saver at either path.
    const QString path = QStringLiteral("/ScreenSaver");
    DBusMockService screenSaver(kScreenSaver, path, kScreenSaver);
    ASSERT_TRUE(screenSaver.waitUntilOnTheBus());
    Reports reports;
    QObject owner;
    // A bus with no login manager on it stands for a system without one.
    SessionSpies spies(*new LogindSessionEvents(QDBusConnection::sessionBus(),
                                                QDBusConnection::sessionBus(), "c1", &owner));
    ASSERT_TRUE(QTest::qWaitFor([&] { return reports.warnings() > 0; }, kTimeoutMs));

    ASSERT_EQ(screenSaver.emitSignal(QStringLiteral("ActiveChanged"), "b", {true}), QString());
    ASSERT_TRUE(QTest::qWaitFor([&] { return spies.resigned.size() == 1; }, kTimeoutMs));
    ASSERT_EQ(screenSaver.emitSignal(QStringLiteral("ActiveChanged"), "b", {false}), QString());
    ASSERT_TRUE(QTest::qWaitFor([&] { return spies.became.size() == 1; }, kTimeoutMs));
    EXPECT_EQ(reports.warnings(), 1) << "the missing sleep and session sources warned apart";
}

TEST(LogindSessionEventsIntegrationTest, WithoutASessionIdTheSessionOfThisProcessIsFollowed)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    // A login manager of its own on the session bus, so the shared one keeps its methods;
    // it knows this process only by its id.
    DBusMockService manager(kLogind, kManagerPath, kManagerInterface);
    ASSERT_TRUE(manager.waitUntilOnTheBus());
    const QString ownPath = QStringLiteral("/org/freedesktop/login1/session/own");
    const QString lookup =
        QStringLiteral("if args[0] != %1:\n"
                       "    raise dbus.exceptions.DBusException('no session for that process', "
                       "name='org.freedesktop.login1.NoSessionForPID')\n"
                       "ret = '%2'")
            .arg(QCoreApplication::applicationPid())
            .arg(ownPath);
    ASSERT_EQ(manager.addMethod("GetSessionByPID", "u", "o", lookup), QString());
    // Locked from the start, which the first reading must report.
    ASSERT_EQ(runCommand("gdbus", {"call", "--session", "--dest", kLogind, "--object-path",
                                   kManagerPath, "--method", "org.freedesktop.DBus.Mock.AddObject",
                                   ownPath, kSessionInterface,
                                   "{'Active': <true>, 'LockedHint': <true>}", "@a(ssss) []"}),
              QString());

    Reports reports;
    QObject owner;
    SessionSpies spies(*new LogindSessionEvents(QDBusConnection::sessionBus(),
                                                QDBusConnection::sessionBus(), QString(), &owner));
    ASSERT_TRUE(QTest::qWaitFor([&] { return spies.resigned.size() == 1; }, kTimeoutMs));

    ASSERT_EQ(manager.callMock(ownPath, QStringLiteral("UpdateProperties"),
                               {kSessionInterface, QVariantMap{{QStringLiteral("LockedHint"), false}}}),
              QString());
    ASSERT_TRUE(QTest::qWaitFor([&] { return spies.became.size() == 1; }, kTimeoutMs));
}
