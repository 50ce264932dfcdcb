#pragma once

#include "core/AppTheme.h"

#include <QColor>
#include <QString>

#include <array>
#include <optional>

// How firmly a break holds the screen. Its raw value is both what AppSettings stores under
// "enforcement" and the title the window shows, and the rest of the application compares
// the stored text with these exact strings, so they are a stored format.
enum class BreakEnforcement { casual, balanced, hardcore };

// "Casual", "Balanced", "Hardcore".
QString breakEnforcementRawValue(BreakEnforcement mode);
// Exactly one of the three raw values, case-sensitively; anything else gives no value and
// the caller picks its own fallback.
std::optional<BreakEnforcement> breakEnforcementFromRawValue(const QString &raw);
// Casual, Balanced, Hardcore: the order the modes are offered in.
const std::array<BreakEnforcement, 3> &allBreakEnforcements();
// The line under the mode's title on its card.
QString breakEnforcementSubtitle(BreakEnforcement mode);
// The symbol on the card's preview of the break screen's skip button.
QString breakEnforcementPreviewSymbol(BreakEnforcement mode);
// The three colours of the mode's preview tile, top-leading to bottom-trailing; the first is
// the mode's accent, which also tints its shadows.
std::array<QColor, 3> breakEnforcementGradientColors(BreakEnforcement mode, ColorScheme scheme);
