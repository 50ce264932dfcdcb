#include "platform/linux/MutterInputState.h"
#include "support/DBusMockService.h"
#include "support/LogCapture.h"
#include "support/TestServices.h"

#include <QDBusConnection>

#include <gtest/gtest.h>

namespace {

const QString kService = QStringLiteral("org.gnome.Mutter.IdleMonitor");
const QString kPath = QStringLiteral("/org/gnome/Mutter/IdleMonitor/Core");
const QString kInterface = QStringLiteral("org.gnome.Mutter.IdleMonitor");

// An idle monitor that answers GetIdletime with a fixed number of milliseconds.
class IdleMonitorMock : public DBusMockService
{
public:
    IdleMonitorMock()
        : DBusMockService(kService, kPath, kInterface)
    {
    }

    QString answer(quint64 milliseconds)
    {
        return addMethod(QStringLiteral("GetIdletime"), QString(), QStringLiteral("t"),
                         QStringLiteral("ret = %1").arg(milliseconds));
    }
};

int warningCount(const LogCapture &log)
{
    int count = 0;
    for (const LogRecord &record : log.records())
        count += record.level == LogLevel::Warn ? 1 : 0;
    return count;
}

} // namespace

TEST(MutterInputStateIntegrationTest, BothReadingsAreTheMonitorsIdleTime)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    const QDBusConnection bus = QDBusConnection::sessionBus();
    EXPECT_FALSE(MutterInputState::isAvailable(bus));

    IdleMonitorMock monitor;
    ASSERT_TRUE(monitor.waitUntilOnTheBus());
    ASSERT_EQ(monitor.answer(12345), QString());
    EXPECT_TRUE(MutterInputState::isAvailable(bus));

    LogCapture log;
    MutterInputState input(bus);
    EXPECT_DOUBLE_EQ(input.secondsSinceKeyboardActivity(), 12.345);
    EXPECT_DOUBLE_EQ(input.secondsSincePointerActivity(), 12.345);
    // Fresh on every reading.
    ASSERT_EQ(monitor.answer(250), QString());
    EXPECT_DOUBLE_EQ(input.secondsSinceKeyboardActivity(), 0.25);
    EXPECT_DOUBLE_EQ(input.secondsSincePointerActivity(), 0.25);
    EXPECT_EQ(warningCount(log), 0);
}

TEST(MutterInputStateIntegrationTest, AMonitorThatStopsAnsweringReadsAsNoIdleTimeWithOneWarning)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    const QDBusConnection bus = QDBusConnection::sessionBus();
    LogCapture log;
    MutterInputState input(bus);
    {
        IdleMonitorMock monitor;
        ASSERT_TRUE(monitor.waitUntilOnTheBus());
        ASSERT_EQ(monitor.answer(60000), QString());
        EXPECT_DOUBLE_EQ(input.secondsSincePointerActivity(), 60.0);
    }
    for (int reading = 0; reading < 5; ++reading) {
        EXPECT_EQ(input.secondsSinceKeyboardActivity(), 0.0);
        EXPECT_EQ(input.secondsSincePointerActivity(), 0.0);
    }
    EXPECT_EQ(warningCount(log), 1);

    // A monitor that comes back is read again; failing once more warns once more.
    {
        IdleMonitorMock monitor;
        ASSERT_TRUE(monitor.waitUntilOnTheBus());
        ASSERT_EQ(monitor.answer(2000), QString());
        EXPECT_DOUBLE_EQ(input.secondsSinceKeyboardActivity(), 2.0);
    }
    EXPECT_EQ(input.secondsSinceKeyboardActivity(), 0.0);
    EXPECT_EQ(warningCount(log), 2);
}
