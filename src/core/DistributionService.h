#pragma once

#include "core/AppConfiguration.h"
#include "core/DistributionCapabilities.h"

class UpdateService;

// What differs between the ways the application reaches people: the channel, its
// capabilities and the update service that goes with it.
class DistributionService
{
public:
    virtual ~DistributionService() = default;

    virtual DistributionChannel channel() const = 0;
    virtual DistributionCapabilities capabilities() const = 0;
    virtual UpdateService &updateService() const = 0;
};
