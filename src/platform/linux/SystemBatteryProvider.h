#pragma once

#include "core/BatteryProvider.h"
#include "platform/linux/BatteryReader.h"

#include <QDateTime>

#include <memory>

class Clock;

// The machine's battery charge from the power daemon on the system bus, or from the
// kernel's power-supply files when the daemon gives nothing or is not there.
//
// A successful reading is kept for 60 seconds, so that asking at every due break costs at
// most one reading a minute while there is a battery. A failed reading is not kept: a
// machine without a battery is asked again on every call. Main thread only.
class SystemBatteryProvider : public BatteryProvider
{
public:
    // The daemon on the system bus first, then /sys/class/power_supply.
    explicit SystemBatteryProvider(const Clock &clock);
    // The primary source is asked first; the fallback only when the primary gives nothing.
    SystemBatteryProvider(const Clock &clock, std::unique_ptr<BatteryReader> primary,
                          std::unique_ptr<BatteryReader> fallback);
    ~SystemBatteryProvider() override;

    std::optional<int> currentBatteryLevel() override;

private:
    bool cacheIsFresh() const;
    std::optional<int> readSources();

    const Clock &m_clock;
    std::unique_ptr<BatteryReader> m_primary;
    std::unique_ptr<BatteryReader> m_fallback;
    std::optional<int> m_cachedLevel;
    QDateTime m_lastCheck; // invalid until the first successful reading
};
