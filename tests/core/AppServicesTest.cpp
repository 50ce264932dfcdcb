#include "core/AppServices.h"
#include "core/AppcastUpdateService.h"
#include "core/DirectDistributionService.h"
#include "core/NoOpUpdateService.h"
#include "core/UpdateCoordinator.h"
#include "support/LogCapture.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

class CountingUpdateService : public UpdateService
{
public:
    void checkForUpdates() override { ++checks; }
    int checks = 0;
};

class FakeDistributionService : public DistributionService
{
public:
    DistributionChannel channel() const override { return DistributionChannel::direct; }
    DistributionCapabilities capabilities() const override { return {}; }
    UpdateService &updateService() const override { return service; }
    mutable CountingUpdateService service;
};

AppConfiguration configuration(DistributionChannel channel, AppEnvironment environment)
{
    AppConfiguration result;
    result.distribution = channel;
    result.environment = environment;
    return result;
}

} // namespace

TEST(AppServicesTest, MatchingChannelLogsOnlyThatDistributionIsReady)
{
    LogCapture log;
    AppServices services(std::make_unique<DirectDistributionService>(true));
    services.validateDistribution(
        configuration(DistributionChannel::direct, AppEnvironment::staging));

    EXPECT_EQ(log.messages("AppServices"),
              QStringList{"distribution_ready | channel=direct environment=staging updates=true"});
}

TEST(AppServicesTest, ConfiguredAppStoreIsReportedAsAnErrorBeforeReadinessAndChangesNothing)
{
    LogCapture log;
    AppServices services(std::make_unique<DirectDistributionService>(true));
    services.validateDistribution(
        configuration(DistributionChannel::appStore, AppEnvironment::production));

    const QList<LogRecord> records = log.records();
    ASSERT_EQ(records.size(), 2);
    EXPECT_EQ(records[0].level, LogLevel::Error);
    EXPECT_EQ(records[0].message, "Configured distribution does not match compiled distribution"
                                  " | compiled=direct configured=appstore");
    EXPECT_EQ(records[1].level, LogLevel::Info);
    EXPECT_EQ(records[1].message,
              "distribution_ready | channel=direct environment=production updates=true");
    EXPECT_EQ(services.distribution().channel(), DistributionChannel::direct);
}

TEST(AppServicesTest, DirectDistributionChecksForRealOnlyOutsideTheTestHost)
{
    const DirectDistributionService underTests(true);
    EXPECT_EQ(underTests.channel(), DistributionChannel::direct);
    EXPECT_TRUE(underTests.capabilities().supportsAppcastUpdates);
    EXPECT_TRUE(underTests.capabilities().supportsCheckForUpdates);
    ASSERT_NE(dynamic_cast<NoOpUpdateService *>(&underTests.updateService()), nullptr);

    // Under the test host a check produces nothing at all, not even a failure.
    QSignalSpy results(&underTests.updateService(), &UpdateService::checkFinished);
    underTests.updateService().checkForUpdates();
    EXPECT_EQ(results.count(), 0);

    const DirectDistributionService released(false, AppConfiguration{}, "1.0.0");
    EXPECT_NE(dynamic_cast<AppcastUpdateService *>(&released.updateService()), nullptr);
}

TEST(AppServicesTest, CoordinatorAsksTheDistributionsUpdateServiceEachTime)
{
    auto distribution = std::make_unique<FakeDistributionService>();
    CountingUpdateService &service = distribution->service;
    const AppServices services(std::move(distribution));

    UpdateCoordinator &coordinator = UpdateCoordinator::shared();
    EXPECT_EQ(&coordinator, &UpdateCoordinator::shared());
    coordinator.checkForUpdates(services);
    coordinator.checkForUpdates(services);
    EXPECT_EQ(service.checks, 2);
}
