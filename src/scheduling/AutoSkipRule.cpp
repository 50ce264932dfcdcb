#include "scheduling/AutoSkipRule.h"

std::optional<QString> autoSkipRule(const AutoSkipInputs &inputs)
{
    if (inputs.autoSkipDisplayDisconnected && inputs.displayRecentlyDisconnected)
        return QStringLiteral("Display recently disconnected");
    if (!inputs.autoSkipBatteryLow || !inputs.batteryLevel)
        return std::nullopt;
    if (*inputs.batteryLevel >= inputs.batteryThreshold)
        return std::nullopt;
    return QStringLiteral("Battery below %1% (%2%)")
        .arg(inputs.batteryThreshold)
        .arg(*inputs.batteryLevel);
}
