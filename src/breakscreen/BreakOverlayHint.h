#pragma once

#include <QString>

// The one line under the break overlay's action row. Strict mode encourages instead of
// explaining, and is drawn in a quieter style than the two Escape hints.
enum class BreakOverlayHint { none, strictMode, escapeSkips, escapeDisabled };

inline QString breakOverlayHintText(BreakOverlayHint hint)
{
    switch (hint) {
    case BreakOverlayHint::none: return QString();
    case BreakOverlayHint::strictMode: return QStringLiteral("You've got this. Stay present.");
    case BreakOverlayHint::escapeSkips: return QStringLiteral("Press Esc twice to skip");
    case BreakOverlayHint::escapeDisabled: return QStringLiteral("Escape disabled during break");
    }
    return QString();
}
