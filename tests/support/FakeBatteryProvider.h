#pragma once

#include "core/BatteryProvider.h"

// A battery whose charge the test sets; nothing (no reading) until it does.
class FakeBatteryProvider : public BatteryProvider
{
public:
    explicit FakeBatteryProvider(std::optional<int> level = std::nullopt)
        : m_level(level)
    {
    }

    std::optional<int> currentBatteryLevel() override;

    std::optional<int> level() const { return m_level; }
    void setLevel(std::optional<int> level) { m_level = level; }
    // How often the level was asked for, for tests of when a reading is taken.
    int readCount() const { return m_readCount; }

private:
    std::optional<int> m_level;
    int m_readCount = 0;
};
