#include "platform/linux/SystemBatteryProvider.h"
#include "platform/linux/SysfsBatteryReader.h"
#include "platform/linux/UPowerBatteryReader.h"
#include "support/FakeClock.h"
#include "support/LogCapture.h"
#include "support/SysfsBatteryFixture.h"

#include <gtest/gtest.h>

namespace {

// A battery source that answers what the test says and counts how often it was asked.
class ScriptedReader : public BatteryReader
{
public:
    std::optional<int> readLevel() override
    {
        ++reads;
        return level;
    }

    std::optional<int> level;
    int reads = 0;
};

struct Sources
{
    Sources()
    {
        auto ownedDaemon = std::make_unique<ScriptedReader>();
        auto ownedFiles = std::make_unique<ScriptedReader>();
        daemon = ownedDaemon.get();
        files = ownedFiles.get();
        provider = std::make_unique<SystemBatteryProvider>(clock, std::move(ownedDaemon),
                                                           std::move(ownedFiles));
    }

    FakeClock clock;
    ScriptedReader *daemon = nullptr;
    ScriptedReader *files = nullptr;
    std::unique_ptr<SystemBatteryProvider> provider;
};

} // namespace

TEST(SystemBatteryProviderTest, TheDaemonAnswersFirstAndTheFilesOnlyWhenItGivesNothing)
{
    Sources sources;
    sources.daemon->level = 64;
    sources.files->level = 30;
    EXPECT_EQ(sources.provider->currentBatteryLevel(), 64);
    EXPECT_EQ(sources.files->reads, 0);

    Sources noDaemonBattery;
    noDaemonBattery.files->level = 30;
    EXPECT_EQ(noDaemonBattery.provider->currentBatteryLevel(), 30);
    EXPECT_EQ(noDaemonBattery.daemon->reads, 1);
    EXPECT_EQ(noDaemonBattery.files->reads, 1);
}

TEST(SystemBatteryProviderTest, ASuccessfulReadingIsKeptForSixtySeconds)
{
    Sources sources;
    sources.daemon->level = 80;
    EXPECT_EQ(sources.provider->currentBatteryLevel(), 80);

    sources.daemon->level = 20;
    sources.clock.advance(30);
    EXPECT_EQ(sources.provider->currentBatteryLevel(), 80);
    sources.clock.advance(29.9);
    EXPECT_EQ(sources.provider->currentBatteryLevel(), 80);
    EXPECT_EQ(sources.daemon->reads, 1) << "the system is not asked while the reading is fresh";

    sources.clock.advance(0.1); // 60 s after the reading
    EXPECT_EQ(sources.provider->currentBatteryLevel(), 20);
    EXPECT_EQ(sources.daemon->reads, 2);
}

TEST(SystemBatteryProviderTest, WithoutABatteryEveryCallAsksAgain)
{
    Sources sources;
    for (int call = 1; call <= 3; ++call) {
        EXPECT_EQ(sources.provider->currentBatteryLevel(), std::nullopt);
        EXPECT_EQ(sources.daemon->reads, call);
        EXPECT_EQ(sources.files->reads, call);
    }

    // A battery that appears is seen on the very next call.
    sources.files->level = 47;
    EXPECT_EQ(sources.provider->currentBatteryLevel(), 47);
}

TEST(SystemBatteryProviderTest, AFailedReadingNeitherAnswersWithTheOldLevelNorIsKept)
{
    Sources sources;
    sources.daemon->level = 80;
    EXPECT_EQ(sources.provider->currentBatteryLevel(), 80);

    sources.daemon->level.reset();
    sources.clock.advance(60);
    EXPECT_EQ(sources.provider->currentBatteryLevel(), std::nullopt);
    sources.clock.advance(1);
    EXPECT_EQ(sources.provider->currentBatteryLevel(), std::nullopt);
    EXPECT_EQ(sources.daemon->reads, 3) << "the failure must not count as a fresh reading";

    // The next good reading starts a new minute from when it was taken.
    sources.daemon->level = 75;
    EXPECT_EQ(sources.provider->currentBatteryLevel(), 75);
    sources.daemon->level = 10;
    sources.clock.advance(59);
    EXPECT_EQ(sources.provider->currentBatteryLevel(), 75);
}

TEST(SystemBatteryProviderTest, AClockSetBackDoesNotKeepAnOldReading)
{
    Sources sources;
    sources.daemon->level = 80;
    EXPECT_EQ(sources.provider->currentBatteryLevel(), 80);

    sources.daemon->level = 40;
    sources.clock.setNow(sources.clock.now().addSecs(-3600));
    EXPECT_EQ(sources.provider->currentBatteryLevel(), 40);
    EXPECT_EQ(sources.daemon->reads, 2);
}

TEST(SystemBatteryProviderTest, WithoutASystemBusTheFilesAreReadAndOneWarningIsLogged)
{
    // Unit tests run with the system bus disabled.
    SysfsBatteryFixture sysfs;
    ASSERT_TRUE(sysfs.isValid());
    LogCapture log;
    FakeClock clock;
    SystemBatteryProvider provider(clock, std::make_unique<UPowerBatteryReader>(),
                                   std::make_unique<SysfsBatteryReader>(sysfs.root()));

    EXPECT_EQ(provider.currentBatteryLevel(), std::nullopt);
    EXPECT_EQ(provider.currentBatteryLevel(), std::nullopt);
    ASSERT_TRUE(sysfs.addSupply("BAT0", SysfsBatteryFixture::battery(12)));
    EXPECT_EQ(provider.currentBatteryLevel(), 12);
    clock.advance(60);
    EXPECT_EQ(provider.currentBatteryLevel(), 12);

    EXPECT_EQ(log.warnings(), 1);
}
