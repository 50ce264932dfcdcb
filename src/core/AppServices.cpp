#include "core/AppServices.h"

#include "core/DirectDistributionService.h"
#include "core/Logger.h"

AppServices::AppServices(std::unique_ptr<DistributionService> distribution)
    : m_distribution(std::move(distribution))
{
}

AppServices &AppServices::shared()
{
    // Never destroyed: its Qt objects must not outlive the application object at exit.
    static auto *instance = new AppServices(std::make_unique<DirectDistributionService>());
    return *instance;
}

void AppServices::validateDistribution() const
{
    validateDistribution(AppConfiguration::current());
}

void AppServices::validateDistribution(const AppConfiguration &configuration) const
{
    const QString compiled = distributionChannelRawValue(m_distribution->channel());
    const QString configured = distributionChannelRawValue(configuration.distribution);
    const QString category = QStringLiteral("AppServices");
    if (configuration.distribution != m_distribution->channel()) {
        logError(category,
                 formatLogEvent(
                     QStringLiteral("Configured distribution does not match compiled distribution"),
                     {{QStringLiteral("compiled"), compiled},
                      {QStringLiteral("configured"), configured}}));
    }
    logInfo(category,
            formatLogEvent(QStringLiteral("distribution_ready"),
                           {{QStringLiteral("channel"), compiled},
                            {QStringLiteral("environment"),
                             appEnvironmentRawValue(configuration.environment)},
                            {QStringLiteral("updates"), QStringLiteral("true")}}));
}
