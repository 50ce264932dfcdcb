#pragma once

#include <QLatin1String>

// The break overlay's fixed labels, shown verbatim.
namespace BreakOverlayTexts {

inline constexpr QLatin1String skipBreak("Skip Break");
inline constexpr QLatin1String endBreak("End Break");
inline constexpr QLatin1String snoozeDefault("Snooze 5m");
inline constexpr QLatin1String breakComplete("Break complete");
inline constexpr QLatin1String breakCompleteSubtitle("Take your time. Resume when you're ready.");
inline constexpr QLatin1String resume("Resume");
// Followed by the time of day on the clock line (the two spaces belong to it).
inline constexpr QLatin1String currentTimePrefix("Current time  ");

} // namespace BreakOverlayTexts
