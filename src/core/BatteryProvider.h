#pragma once

#include <optional>

// The charge of the machine's internal battery in percent (0 to 100), whatever the power
// source; nothing when there is no internal battery or it cannot be read.
class BatteryProvider
{
public:
    virtual ~BatteryProvider() = default;
    virtual std::optional<int> currentBatteryLevel() = 0;
};
