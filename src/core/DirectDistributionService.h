#pragma once

#include "core/DistributionService.h"

#include <memory>

class Clock;

// The channel this build ships through: downloads from our own site, with updates from
// the appcast feed. Under the test host its update service does nothing, so no test run
// ever reaches the network.
class DirectDistributionService : public DistributionService
{
public:
    explicit DirectDistributionService(bool runningTests);
    // Uses this build's configuration and version.
    DirectDistributionService();
    DirectDistributionService(bool runningTests, const AppConfiguration &configuration,
                              const QString &currentVersion);
    ~DirectDistributionService() override;

    DistributionChannel channel() const override { return DistributionChannel::direct; }
    DistributionCapabilities capabilities() const override;
    UpdateService &updateService() const override { return *m_updateService; }

private:
    // Declared first so it is destroyed last: the update service may hold work on it.
    std::unique_ptr<Clock> m_clock; // only for the real update service
    std::unique_ptr<UpdateService> m_updateService;
};
