#pragma once

#include <optional>

// One source of the internal battery's charge, in percent 0 to 100; nothing when that
// source has no internal battery or cannot be reached. Each call reads afresh: caching is
// the provider's business, so that every source obeys the same rule.
class BatteryReader
{
public:
    virtual ~BatteryReader() = default;
    virtual std::optional<int> readLevel() = 0;
};
