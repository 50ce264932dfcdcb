#pragma once

#include <QString>

#include <optional>

// What decides whether a due break is skipped without being shown.
struct AutoSkipInputs
{
    bool displayRecentlyDisconnected = false;
    std::optional<int> batteryLevel; // percent; nothing without a reading
    bool autoSkipDisplayDisconnected = false;
    bool autoSkipBatteryLow = false;
    qint64 batteryThreshold = 0; // percent
};

// The reason a due break is skipped, for the log, or nothing when it is shown. A lost display
// wins over a low battery; a missing battery reading never skips.
std::optional<QString> autoSkipRule(const AutoSkipInputs &inputs);
