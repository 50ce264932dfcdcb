#pragma once

#include "core/GlyphGeometry.h"

#include <QHash>
#include <QString>

// The designs of the symbols the Smart Behavior and Wellness panes draw beyond the shared
// ones, looked up through SymbolGlyphs: the questioning figure of idle detection, the
// counter-clockwise arrow of the timer's reset, the raised hand of the wrist reminders and
// the filled shield with its lock.
class BehaviorSymbols
{
public:
    static const QHash<QString, glyph::Design> &designs();
};
