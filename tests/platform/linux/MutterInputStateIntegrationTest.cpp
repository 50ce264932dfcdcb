#include "platform/linux/MutterInputState.h"
#include "support/DBusMockService.h"
#include "support/LogCapture.h"
#include "support/TestServices.h"

#include <QDBusConnection>

#include <gtest/gtest.h>

#include <chrono>

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

    // Each call answers one more second than the call before (1000, 2000, ... ms), so a
    // reading shows how many calls were made.
    QString answerWithCallCount()
    {
        return addMethod(QStringLiteral("GetIdletime"), QString(), QStringLiteral("t"),
                         QStringLiteral("ret = 1000 * len(self.call_log)"));
    }
};

// Monotonic time that moves only when the test says so.
struct ManualMonotonic
{
    std::chrono::steady_clock::time_point now{std::chrono::hours(1)};
    MutterInputState::MonotonicNow function()
    {
        return [this] { return now; };
    }
};

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
    ManualMonotonic clock;
    MutterInputState input(bus, clock.function());
    EXPECT_DOUBLE_EQ(input.secondsSinceKeyboardActivity(), 12.345);
    EXPECT_DOUBLE_EQ(input.secondsSincePointerActivity(), 12.345);
    // Fresh on the next pair of readings.
    ASSERT_EQ(monitor.answer(250), QString());
    clock.now += std::chrono::seconds(1);
    EXPECT_DOUBLE_EQ(input.secondsSinceKeyboardActivity(), 0.25);
    EXPECT_DOUBLE_EQ(input.secondsSincePointerActivity(), 0.25);
    EXPECT_EQ(log.warnings(), 0);
}

// The schedulers read both values every second; each call is a round trip to the compositor.
TEST(MutterInputStateIntegrationTest, ReadingsTakenTogetherShareOneCall)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    const QDBusConnection bus = QDBusConnection::sessionBus();
    IdleMonitorMock monitor;
    ASSERT_TRUE(monitor.waitUntilOnTheBus());
    ASSERT_EQ(monitor.answerWithCallCount(), QString());
    ManualMonotonic clock;
    MutterInputState input(bus, clock.function());

    EXPECT_DOUBLE_EQ(input.secondsSinceKeyboardActivity(), 1.0);
    clock.now += std::chrono::milliseconds(40);
    EXPECT_DOUBLE_EQ(input.secondsSincePointerActivity(), 1.04) << "the first answer, aged";

    clock.now += std::chrono::milliseconds(60); // a tenth of a second after the answer
    EXPECT_DOUBLE_EQ(input.secondsSincePointerActivity(), 2.0);
    clock.now += std::chrono::seconds(1);
    EXPECT_DOUBLE_EQ(input.secondsSinceKeyboardActivity(), 3.0);
    EXPECT_DOUBLE_EQ(input.secondsSincePointerActivity(), 3.0);
}

TEST(MutterInputStateIntegrationTest, AMonitorThatStopsAnsweringGivesNoReadingWithOneWarning)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    const QDBusConnection bus = QDBusConnection::sessionBus();
    LogCapture log;
    ManualMonotonic clock;
    MutterInputState input(bus, clock.function());
    {
        IdleMonitorMock monitor;
        ASSERT_TRUE(monitor.waitUntilOnTheBus());
        ASSERT_EQ(monitor.answer(60000), QString());
        EXPECT_TRUE(input.hasReading());
        EXPECT_EQ(input.idleSeconds(), 60.0);
    }
    for (int reading = 0; reading < 5; ++reading) {
        clock.now += std::chrono::seconds(1);
        EXPECT_FALSE(input.hasReading());
        EXPECT_EQ(input.idleSeconds(), std::nullopt);
    }
    EXPECT_EQ(log.warnings(), 1);

    // A monitor that comes back is read again; failing once more warns once more.
    {
        IdleMonitorMock monitor;
        ASSERT_TRUE(monitor.waitUntilOnTheBus());
        ASSERT_EQ(monitor.answer(2000), QString());
        clock.now += std::chrono::seconds(1);
        EXPECT_EQ(input.keyboardIdleSeconds(), 2.0);
    }
    clock.now += std::chrono::seconds(1);
    EXPECT_FALSE(input.hasReading());
    EXPECT_EQ(log.warnings(), 2);
}
