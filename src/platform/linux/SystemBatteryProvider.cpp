#include "platform/linux/SystemBatteryProvider.h"

#include "core/Clock.h"
#include "platform/linux/SysfsBatteryReader.h"
#include "platform/linux/UPowerBatteryReader.h"

namespace {

constexpr qint64 kCacheLifetimeMs = 60 * 1000;

} // namespace

SystemBatteryProvider::SystemBatteryProvider(const Clock &clock)
    : SystemBatteryProvider(clock, std::make_unique<UPowerBatteryReader>(),
                            std::make_unique<SysfsBatteryReader>())
{
}

SystemBatteryProvider::SystemBatteryProvider(const Clock &clock,
                                             std::unique_ptr<BatteryReader> primary,
                                             std::unique_ptr<BatteryReader> fallback)
    : m_clock(clock)
    , m_primary(std::move(primary))
    , m_fallback(std::move(fallback))
{
}

SystemBatteryProvider::~SystemBatteryProvider() = default;

std::optional<int> SystemBatteryProvider::currentBatteryLevel()
{
    if (m_cachedLevel && cacheIsFresh())
        return m_cachedLevel;
    const std::optional<int> level = readSources();
    // A failed reading leaves the last good one and its time alone, so the next call
    // asks the system again instead of trusting a stale or missing value.
    if (!level)
        return std::nullopt;
    m_cachedLevel = level;
    m_lastCheck = m_clock.now(); // after the reading, which may have taken a while
    return level;
}

bool SystemBatteryProvider::cacheIsFresh() const
{
    if (!m_lastCheck.isValid())
        return false;
    const qint64 elapsedMs = m_lastCheck.msecsTo(m_clock.now());
    // A clock set back makes the age negative; such a reading cannot be trusted to be
    // recent, and keeping it would hold an old level for as long as the clock was moved.
    return elapsedMs >= 0 && elapsedMs < kCacheLifetimeMs;
}

std::optional<int> SystemBatteryProvider::readSources()
{
    if (m_primary) {
        if (const std::optional<int> level = m_primary->readLevel())
            return level;
    }
    return m_fallback ? m_fallback->readLevel() : std::nullopt;
}
