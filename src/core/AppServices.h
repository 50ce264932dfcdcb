#pragma once

#include "core/AppConfiguration.h"
#include "core/DistributionService.h"

#include <memory>

// The process-wide services that exist before any window: for now the distribution
// service. The shared instance is created on first use and lives until the process ends.
class AppServices
{
public:
    explicit AppServices(std::unique_ptr<DistributionService> distribution);

    static AppServices &shared();

    DistributionService &distribution() const { return *m_distribution; }

    // Logs how this build is distributed, and an error first when the configured channel
    // disagrees with the one compiled in; the compiled channel is kept either way.
    void validateDistribution() const;
    void validateDistribution(const AppConfiguration &configuration) const;

private:
    std::unique_ptr<DistributionService> m_distribution;
};
