#include "support/AppHome.h"
#include "support/AppProcess.h"
#include "support/TestServices.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>

#include <gtest/gtest.h>

// Two launches of the real application by the same user, on the test desktop: the second
// hands over to the first and leaves, with or without a session bus to hand over on.

namespace {

constexpr int startTimeoutMs = 20000;
constexpr int exitTimeoutMs = 10000;
const QString runningLine = QStringLiteral("[INFO] [Launch] runtime_services_started");

class SingleInstanceIntegrationTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isValid());
        if (!AppProcess::logIsReadable())
            GTEST_SKIP() << "the log goes to the journal, where this test cannot read it";
        ASSERT_TRUE(home.writeSettings({{"hasCompletedOnboarding", true}}));
    }

    // Starts a copy and waits until its runtime runs.
    void startRunning(AppProcess &app)
    {
        ASSERT_TRUE(app.start());
        ASSERT_TRUE(app.waitForLog(runningLine, startTimeoutMs)) << app.log().toStdString();
    }

    // Starts a copy that is expected to leave at once, successfully.
    void launchAndExpectItToLeave(AppProcess &app, const QString &expectedLine)
    {
        ASSERT_TRUE(app.start());
        ASSERT_TRUE(app.waitForExit(exitTimeoutMs)) << "the second copy kept running";
        EXPECT_TRUE(app.exitedNormally());
        EXPECT_EQ(app.exitCode(), 0) << app.log().toStdString();
        EXPECT_TRUE(app.hasLog(expectedLine)) << app.log().toStdString();
        EXPECT_FALSE(app.hasLog(runningLine)) << "the second copy started a break timer";
    }

    AppHome home;
};

} // namespace

TEST_F(SingleInstanceIntegrationTest, ALaterLaunchBringsUpTheFirstCopysSettingsAndLeaves)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    AppProcess first(home.environment());
    startRunning(first);

    AppProcess second(home.environment());
    launchAndExpectItToLeave(second, "already_running | reopenRequested=true");
    ASSERT_TRUE(first.waitForLog("reopen_requested | hasVisibleWindows=false", exitTimeoutMs))
        << first.log().toStdString();
    ASSERT_TRUE(first.waitForLog("[AppState] background → settings", exitTimeoutMs))
        << first.log().toStdString();

    // With the settings window up, another launch changes nothing further.
    AppProcess third(home.environment());
    launchAndExpectItToLeave(third, "already_running | reopenRequested=true");
    ASSERT_TRUE(first.waitForLog("reopen_requested | hasVisibleWindows=true", exitTimeoutMs))
        << first.log().toStdString();
    EXPECT_EQ(first.log().count("→ foreground (regular)"), 1) << first.log().toStdString();

    EXPECT_TRUE(first.terminate(exitTimeoutMs));
    EXPECT_EQ(first.exitCode(), 0) << first.log().toStdString();
}

TEST_F(SingleInstanceIntegrationTest, WithoutASessionBusTheLockAloneKeepsASecondCopyOut)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    AppProcess first(home.environment());
    startRunning(first);

    QProcessEnvironment noBus = home.environment();
    noBus.insert("DBUS_SESSION_BUS_ADDRESS", "disabled:");
    AppProcess second(noBus);
    launchAndExpectItToLeave(second, "already_running | reopenRequested=false");
    EXPECT_TRUE(first.isRunning());
    EXPECT_FALSE(first.hasLog("reopen_requested")) << first.log().toStdString();
}

// Where the runtime lock cannot tell (the second copy finds no runtime folder and Qt picks
// another, or a link planted at the lock path makes it unusable to both), the lock beside the
// statistics keeps the second copy out, with or without a session bus; with one, the first
// copy is asked to reopen.
TEST_F(SingleInstanceIntegrationTest, WhereTheRuntimeLockCannotTellTheDataLockKeepsASecondCopyOut)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    const QString lockPath =
        home.environment().value("XDG_RUNTIME_DIR") + QStringLiteral("/lumenpause.lock");
    struct Case
    {
        bool plantedLink;
        bool bus;
    };
    for (const Case c : {Case{false, false}, Case{true, false}, Case{false, true}, Case{true, true}}) {
        SCOPED_TRACE(std::string(c.plantedLink ? "a link at the lock path" : "no runtime folder")
                     + (c.bus ? ", a session bus" : ", no session bus"));
        QFile::remove(lockPath);
        if (c.plantedLink) {
            ASSERT_TRUE(QFile::link(QStringLiteral("/nonexistent/lumenpause.lock"), lockPath));
        }
        QProcessEnvironment environment = home.environment();
        if (!c.bus)
            environment.insert("DBUS_SESSION_BUS_ADDRESS", "disabled:");
        AppProcess first(environment);
        startRunning(first);
        EXPECT_FALSE(first.hasLog("instance_lock_unavailable")) << first.log().toStdString();
        EXPECT_EQ(first.hasLog("instance_lock_skipped"), c.plantedLink) << first.log().toStdString();

        if (!c.plantedLink)
            environment.remove("XDG_RUNTIME_DIR");
        AppProcess second(environment);
        launchAndExpectItToLeave(second, c.bus ? "already_running | reopenRequested=true"
                                               : "already_running | reopenRequested=false");
        if (c.bus) {
            EXPECT_TRUE(first.waitForLog("reopen_requested", exitTimeoutMs)) << first.log().toStdString();
        }
        EXPECT_TRUE(first.isRunning());
        EXPECT_TRUE(first.terminate(exitTimeoutMs));
    }
    EXPECT_FALSE(QFileInfo::exists("/nonexistent/lumenpause.lock"));
}

TEST_F(SingleInstanceIntegrationTest, ALaunchAfterTheFirstCopyEndedRunsOnItsOwn)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    {
        AppProcess first(home.environment());
        startRunning(first);
        ASSERT_TRUE(first.terminate(exitTimeoutMs));
        ASSERT_EQ(first.exitCode(), 0) << first.log().toStdString();
    }
    AppProcess next(home.environment());
    startRunning(next);
    EXPECT_FALSE(next.hasLog("already_running")) << next.log().toStdString();
    EXPECT_FALSE(next.hasLog("reopen_unavailable")) << "the bus name was not given back";
}

// Another program owns the application's bus name while no copy of ours runs. The locks tell:
// the copy runs without the name, naming the owner once, and a later launch still finds the
// locks taken and leaves.
TEST_F(SingleInstanceIntegrationTest, AStrangerOwningTheBusNameDoesNotKeepTheFirstCopyOut)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    const QString connectionName = QStringLiteral("stranger");
    QDBusConnection stranger = QDBusConnection::connectToBus(QDBusConnection::SessionBus, connectionName);
    const auto disconnect = qScopeGuard([&] { QDBusConnection::disconnectFromBus(connectionName); });
    ASSERT_TRUE(stranger.registerService(QStringLiteral("local.lumenpause.app")));

    AppProcess first(home.environment());
    startRunning(first);
    const QString warning = QStringLiteral("[WARN] [Launch] bus_name_taken | busName=local.lumenpause.app "
                                           "ownerPid=%1 ownerProcess=%2")
                                .arg(QCoreApplication::applicationPid())
                                .arg(QFileInfo(QCoreApplication::applicationFilePath()).fileName());
    EXPECT_EQ(first.log().count(warning), 1) << first.log().toStdString();

    AppProcess second(home.environment());
    launchAndExpectItToLeave(second, "already_running | reopenRequested=false");
    EXPECT_TRUE(first.isRunning());
    EXPECT_TRUE(first.terminate(exitTimeoutMs));
}
