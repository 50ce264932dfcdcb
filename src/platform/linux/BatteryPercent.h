#pragma once

#include <optional>

// A charge in percent as every battery source reports it: rounded to the nearest whole
// number with halves away from zero, then clamped to 0...100, because firmware does report
// more than full and less than empty. Nothing for a value that is not a number at all.
std::optional<int> roundedBatteryPercent(double percent);
