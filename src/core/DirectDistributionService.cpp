#include "core/DirectDistributionService.h"

#include "core/AppcastUpdateService.h"
#include "core/InfoDictionary.h"
#include "core/NoOpUpdateService.h"
#include "core/RunningTests.h"
#include "core/SystemClock.h"

namespace {

QString buildVersion()
{
    return readInfoPlistString(QStringLiteral("CFBundleShortVersionString")).value_or(QString());
}

} // namespace

DirectDistributionService::DirectDistributionService()
    : DirectDistributionService(isRunningTests())
{
}

DirectDistributionService::DirectDistributionService(bool runningTests)
    : DirectDistributionService(runningTests, AppConfiguration::current(), buildVersion())
{
}

DirectDistributionService::DirectDistributionService(bool runningTests,
                                                     const AppConfiguration &configuration,
                                                     const QString &currentVersion)
{
    if (runningTests) {
        m_updateService = std::make_unique<NoOpUpdateService>();
        return;
    }
    m_clock = std::make_unique<SystemClock>();
    m_updateService = std::make_unique<AppcastUpdateService>(configuration.updateFeedURL,
                                                            currentVersion, *m_clock);
}

DirectDistributionService::~DirectDistributionService() = default;

DistributionCapabilities DirectDistributionService::capabilities() const
{
    return {.supportsAppcastUpdates = true, .supportsCheckForUpdates = true};
}
