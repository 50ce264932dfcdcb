#include "support/AppHome.h"
#include "support/AppProcess.h"
#include "support/LoadAllowance.h"
#include "support/TestServices.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QElapsedTimer>
#include <QTest>

#include <gtest/gtest.h>

// The real application on the test desktop, from a settings file through the break timer
// to the statistics file: a laptop running low on battery has its one-minute break skipped
// and counted.

namespace {

constexpr int startTimeoutMs = 20000;
constexpr int exitTimeoutMs = 10000;
// One minute of interval and the tick that finds it used up, from the start of the runtime.
constexpr int autoSkipTimeoutMs = int(withLoadAllowanceMs(61000));
constexpr double batteryPercent = 10.0;

// A discharging battery on the power daemon mock of the test services, removed again when
// the test ends however it ends: the mock is shared by every integration test of a run.
class MockBattery
{
public:
    MockBattery()
    {
        const QDBusMessage reply = callMock(
            "AddDischargingBattery", {"mock_BAT", "Test battery", batteryPercent, qlonglong(3600)});
        if (reply.type() == QDBusMessage::ReplyMessage)
            m_path = reply.arguments().value(0).toString();
        else
            m_error = reply.errorMessage();
    }
    ~MockBattery()
    {
        if (!m_path.isEmpty())
            callMock("RemoveDevice", {QVariant::fromValue(QDBusObjectPath(m_path))});
    }

    bool isAdded() const { return !m_path.isEmpty(); }
    QString error() const { return m_error; }

private:
    static QDBusMessage callMock(const QString &method, const QVariantList &arguments)
    {
        QDBusMessage call = QDBusMessage::createMethodCall(
            "org.freedesktop.UPower", "/org/freedesktop/UPower", "org.freedesktop.DBus.Mock", method);
        call.setArguments(arguments);
        return QDBusConnection::systemBus().call(call, QDBus::Block, 5000);
    }

    QString m_path;
    QString m_error;
};

} // namespace

TEST(EndToEndIntegrationTest, LowBatterySkipsTheDueBreakAndASecondLaunchReopensTheFirst)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    if (!AppProcess::logIsReadable())
        GTEST_SKIP() << "the log goes to the journal, where this test cannot read it";
    AppHome home;
    ASSERT_TRUE(home.isValid());
    MockBattery battery;
    ASSERT_TRUE(battery.isAdded()) << battery.error().toStdString();
    ASSERT_TRUE(home.writeSettings({
        {"hasCompletedOnboarding", true},
        {"useCustomInterval", true},
        {"customHours", 0},
        {"customMinutes", 1},
        {"autoSkipBatteryLow", true},
        // The test desktop has had no input since it started: that must not count as the
        // user being away.
        {"idleDetectionEnabled", false},
    }));

    AppProcess app(home.environment());
    QElapsedTimer sinceLaunch;
    sinceLaunch.start();
    ASSERT_TRUE(app.start());
    ASSERT_TRUE(app.waitForLog("[Launch] runtime_services_started", startTimeoutMs))
        << app.log().toStdString();
    ASSERT_TRUE(app.waitForLog("break_auto_skipped | reason=\"Battery below 15% (10%)\"",
                               autoSkipTimeoutMs))
        << app.log().toStdString();
    RecordProperty("secondsToAutoSkip", int(sinceLaunch.elapsed() / 1000));
    // The count is saved just after the line is logged.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return home.statisticsTotal("breaksAutoSkipped") == 1; },
        exitTimeoutMs))
        << "breaksAutoSkipped: " << home.statisticsTotal("breaksAutoSkipped");
    EXPECT_FALSE(app.hasLog("break_presenting")) << "the skipped break was shown";

    AppProcess second(home.environment());
    ASSERT_TRUE(second.start());
    ASSERT_TRUE(second.waitForExit(exitTimeoutMs));
    EXPECT_EQ(second.exitCode(), 0) << second.log().toStdString();
    EXPECT_TRUE(app.waitForLog("[Launch] reopen_requested", exitTimeoutMs)) << app.log().toStdString();

    ASSERT_TRUE(app.terminate(exitTimeoutMs));
    EXPECT_EQ(app.exitCode(), 0);
    for (const char *fault : {"[ERROR]", "runtime error:", "Sanitizer"})
        EXPECT_FALSE(app.hasLog(fault)) << app.log().toStdString();
}
