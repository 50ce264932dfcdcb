#pragma once

#include "core/AppTheme.h"

#include <QColor>

// The colours the statistics pane marks its figures with: its own blue for breaks the timer
// brought ("Timed") and green for time away, and the desktop-style tints of the other
// outcomes. The figures name a tint; the pane picks its shade for the scheme in effect.
enum class StatsTint { timed, away, teal, orange, indigo, gray, red, blue };

class StatsColors {
public:
    static QColor color(StatsTint tint, ColorScheme scheme);
};
