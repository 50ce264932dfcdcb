#include "support/FakeBatteryProvider.h"

std::optional<int> FakeBatteryProvider::currentBatteryLevel()
{
    ++m_readCount;
    return m_level;
}
