#include "platform/linux/BatteryPercent.h"

#include <algorithm>
#include <cmath>

std::optional<int> roundedBatteryPercent(double percent)
{
    if (std::isnan(percent))
        return std::nullopt;
    // Clamping before the conversion keeps huge or infinite values defined.
    return int(std::round(std::clamp(percent, 0.0, 100.0)));
}
