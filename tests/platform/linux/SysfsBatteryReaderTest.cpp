#include "platform/linux/SysfsBatteryReader.h"
#include "support/SysfsBatteryFixture.h"

#include <gtest/gtest.h>

namespace {

using Attributes = SysfsBatteryFixture::Attributes;

Attributes withType(const QString &type, Attributes attributes)
{
    attributes.insert(QStringLiteral("type"), type);
    return attributes;
}

Attributes battery(Attributes attributes)
{
    return withType(QStringLiteral("Battery"), std::move(attributes));
}

struct LevelCase
{
    const char *what;
    Attributes attributes;
    std::optional<int> level;
};

} // namespace

TEST(SysfsBatteryReaderTest, ReadsTheFirstInternalBatteryInNameOrder)
{
    SysfsBatteryFixture sysfs;
    ASSERT_TRUE(sysfs.isValid());
    // Made out of order, so that only sorting by name puts BAT1 first among the usable ones.
    ASSERT_TRUE(sysfs.addSupply("BAT2", SysfsBatteryFixture::battery(80)));
    ASSERT_TRUE(sysfs.addSupply("ACAD", withType("Mains", {{"online", "1"}})));
    ASSERT_TRUE(sysfs.addSupply("BAT0", battery({{"present", "0"}, {"capacity", "0"}})));
    // The kernel lists its supplies as links to their device folders.
    ASSERT_TRUE(sysfs.addLinkedSupply("BAT1", SysfsBatteryFixture::battery(12)));
    ASSERT_TRUE(sysfs.addSupply("AAA-ups", withType("UPS", {{"capacity", "95"}})));

    SysfsBatteryReader reader(sysfs.root());
    EXPECT_EQ(reader.readLevel(), 12);
}

TEST(SysfsBatteryReaderTest, PeripheralBatteriesAreNotTheMachines)
{
    SysfsBatteryFixture sysfs;
    Attributes mouse = SysfsBatteryFixture::battery(90);
    mouse.insert("scope", "Device");
    ASSERT_TRUE(sysfs.addSupply("hidpp_battery_0", mouse));

    SysfsBatteryReader reader(sysfs.root());
    EXPECT_EQ(reader.readLevel(), std::nullopt);

    Attributes internal = SysfsBatteryFixture::battery(12);
    internal.insert("scope", "System");
    ASSERT_TRUE(sysfs.addSupply("macsmc-battery", internal));
    EXPECT_EQ(reader.readLevel(), 12) << "each call reads the files afresh";
}

TEST(SysfsBatteryReaderTest, LevelComesFromCapacityElseEnergyElseCharge)
{
    const LevelCase cases[] = {
        {"capacity wins", battery({{"capacity", "57"}, {"energy_now", "1"}, {"energy_full", "2"}}), 57},
        {"energy half", battery({{"energy_now", "4000"}, {"energy_full", "8000"}}), 50},
        {"charge a third", battery({{"charge_now", "1"}, {"charge_full", "3"}}), 33},
        {"half a percent rounds up", battery({{"charge_now", "1"}, {"charge_full", "200"}}), 1},
        {"more than full", battery({{"energy_now", "9000"}, {"energy_full", "8000"}}), 100},
        {"capacity over 100", battery({{"capacity", "104"}}), 100},
        {"unreadable capacity", battery({{"capacity", "unknown"}, {"energy_now", "3"}, {"energy_full", "4"}}), 75},
        {"zero energy full", battery({{"energy_now", "5"}, {"energy_full", "0"}, {"charge_now", "1"}, {"charge_full", "4"}}), 25},
        {"zero full only", battery({{"charge_now", "5"}, {"charge_full", "0"}}), std::nullopt},
        {"half the pair", battery({{"energy_now", "5"}}), std::nullopt},
        {"no level at all", battery({{"status", "Unknown"}}), std::nullopt},
    };
    for (const LevelCase &levelCase : cases) {
        SysfsBatteryFixture sysfs;
        ASSERT_TRUE(sysfs.addSupply("BAT0", levelCase.attributes));
        SysfsBatteryReader reader(sysfs.root());
        EXPECT_EQ(reader.readLevel(), levelCase.level) << levelCase.what;
    }
}

TEST(SysfsBatteryReaderTest, ABatteryWithoutAUsableLevelLetsTheNextOneAnswer)
{
    SysfsBatteryFixture sysfs;
    ASSERT_TRUE(sysfs.addSupply("BAT0", battery({{"energy_now", "5"}, {"energy_full", "0"}})));
    ASSERT_TRUE(sysfs.addSupply("BAT1", SysfsBatteryFixture::battery(40)));

    SysfsBatteryReader reader(sysfs.root());
    EXPECT_EQ(reader.readLevel(), 40);
}

TEST(SysfsBatteryReaderTest, AMissingOrEmptyFolderGivesNoReading)
{
    SysfsBatteryFixture sysfs;
    SysfsBatteryReader reader(sysfs.root());
    EXPECT_EQ(reader.readLevel(), std::nullopt);

    reader.setRoot(sysfs.root() + "/missing");
    EXPECT_EQ(reader.readLevel(), std::nullopt);

    EXPECT_EQ(SysfsBatteryReader().root(), QStringLiteral("/sys/class/power_supply"));
}
