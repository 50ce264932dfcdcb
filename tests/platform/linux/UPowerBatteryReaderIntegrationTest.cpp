#include "platform/linux/SysfsBatteryReader.h"
#include "platform/linux/SystemBatteryProvider.h"
#include "platform/linux/UPowerBatteryReader.h"
#include "support/FakeClock.h"
#include "support/LogCapture.h"
#include "support/SysfsBatteryFixture.h"
#include "support/TestServices.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>

#include <gtest/gtest.h>

// The power daemon here is the mock that tests/services.sh starts on the private system
// bus. It is shared by every integration test of a run: each test removes the devices it
// adds, whatever the outcome, and starts from the mock's fresh state, which has none.

namespace {

const QString kService = QStringLiteral("org.freedesktop.UPower");
const QString kPath = QStringLiteral("/org/freedesktop/UPower");
const QString kMockInterface = QStringLiteral("org.freedesktop.DBus.Mock");
constexpr int kTimeoutMs = 5000;

// The daemon's device kinds used here.
constexpr uint kKindUps = 3;
constexpr uint kKindMouse = 5;

QDBusMessage callDaemon(const QString &interface, const QString &method,
                        const QVariantList &arguments = {})
{
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, interface, method);
    call.setArguments(arguments);
    return QDBusConnection::systemBus().call(call, QDBus::Block, kTimeoutMs);
}

QStringList listedDevices()
{
    const QDBusMessage reply = callDaemon(kService, QStringLiteral("EnumerateDevices"));
    QStringList paths;
    for (const QDBusObjectPath &path : qdbus_cast<QList<QDBusObjectPath>>(reply.arguments().value(0)))
        paths.append(path.path());
    return paths;
}

// Devices added to the mock for one test, removed again when the test ends.
class MockDevices
{
public:
    ~MockDevices()
    {
        const QStringList paths = m_paths; // remove() takes each out of m_paths
        for (const QString &path : paths)
            remove(path);
    }

    // The new device's path; empty (and a test failure) when the mock refused.
    QString addDischargingBattery(const QString &name, double percentage)
    {
        return added(callMock(QStringLiteral("AddDischargingBattery"),
                              {name, QStringLiteral("Test battery"), percentage, qlonglong(3600)}));
    }

    QString addLinePower(const QString &name)
    {
        return added(callMock(QStringLiteral("AddAC"), {name, QStringLiteral("Test adapter")}));
    }

    void setProperties(const QString &path, const QVariantMap &properties)
    {
        const QDBusMessage reply = callMock(QStringLiteral("SetDeviceProperties"),
                                            {QVariant::fromValue(QDBusObjectPath(path)), properties});
        EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    }

    void remove(const QString &path)
    {
        if (!m_paths.removeOne(path))
            return;
        const QDBusMessage reply = callMock(QStringLiteral("RemoveDevice"),
                                            {QVariant::fromValue(QDBusObjectPath(path))});
        EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    }

private:
    static QDBusMessage callMock(const QString &method, const QVariantList &arguments)
    {
        return callDaemon(kMockInterface, method, arguments);
    }

    QString added(const QDBusMessage &reply)
    {
        EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
        const QString path = reply.arguments().value(0).toString();
        if (!path.isEmpty())
            m_paths.append(path);
        return path;
    }

    QStringList m_paths;
};

} // namespace

TEST(UPowerBatteryReaderIntegrationTest, NoBatteryGivesNoReading)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    ASSERT_EQ(listedDevices(), QStringList()) << "a test left devices in the shared mock";
    LogCapture log;
    UPowerBatteryReader reader;
    EXPECT_EQ(reader.readLevel(), std::nullopt);

    // Mains power is a device too, but holds no charge.
    MockDevices devices;
    ASSERT_FALSE(devices.addLinePower("lp_no_battery_ac").isEmpty());
    EXPECT_EQ(reader.readLevel(), std::nullopt);
    EXPECT_EQ(log.warnings(), 0) << "a machine without a battery is not a fault";
}

TEST(UPowerBatteryReaderIntegrationTest, ReadsTheDischargingBatteryPastOtherDevices)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    ASSERT_EQ(listedDevices(), QStringList()) << "a test left devices in the shared mock";
    MockDevices devices;
    // Listed before the internal battery, each with a level of its own, so that a device
    // taken by mistake shows in the reading.
    const QString mouse = devices.addDischargingBattery("lp_mouse", 55);
    devices.setProperties(mouse, {{"Type", kKindMouse}});
    const QString ups = devices.addDischargingBattery("lp_ups", 66);
    devices.setProperties(ups, {{"Type", kKindUps}});
    const QString emptyBay = devices.addDischargingBattery("lp_empty_bay", 77);
    devices.setProperties(emptyBay, {{"IsPresent", false}});
    const QString headset = devices.addDischargingBattery("lp_headset", 88);
    devices.setProperties(headset, {{"PowerSupply", false}});
    ASSERT_FALSE(devices.addLinePower("lp_ac").isEmpty());
    const QString battery = devices.addDischargingBattery("lp_battery", 12);
    ASSERT_FALSE(battery.isEmpty());

    UPowerBatteryReader reader;
    EXPECT_EQ(reader.readLevel(), 12);

    // Every call reads the daemon afresh, and halves round away from zero.
    devices.setProperties(battery, {{"Percentage", 7.5}});
    EXPECT_EQ(reader.readLevel(), 8);

    devices.remove(battery);
    EXPECT_EQ(reader.readLevel(), std::nullopt);
}

TEST(UPowerBatteryReaderIntegrationTest, TheFilesAnswerWhenTheDaemonHasNoBattery)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    ASSERT_EQ(listedDevices(), QStringList()) << "a test left devices in the shared mock";
    SysfsBatteryFixture sysfs;
    ASSERT_TRUE(sysfs.isValid());
    FakeClock clock;
    SystemBatteryProvider provider(clock, std::make_unique<UPowerBatteryReader>(),
                                   std::make_unique<SysfsBatteryReader>(sysfs.root()));
    EXPECT_EQ(provider.currentBatteryLevel(), std::nullopt);

    ASSERT_TRUE(sysfs.addSupply("BAT0", SysfsBatteryFixture::battery(12)));
    EXPECT_EQ(provider.currentBatteryLevel(), 12);

    // Once the daemon knows a battery, its reading wins over the files.
    MockDevices devices;
    ASSERT_FALSE(devices.addDischargingBattery("lp_fallback_battery", 30).isEmpty());
    clock.advance(60);
    EXPECT_EQ(provider.currentBatteryLevel(), 30);
}
