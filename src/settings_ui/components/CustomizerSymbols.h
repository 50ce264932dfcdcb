#pragma once

#include "core/GlyphGeometry.h"

#include <QHash>
#include <QString>

// The designs of the symbols the break-screen customizer draws that no other table has: the
// clock of its "Current time" row, the countdown styles' marks and the preview's full-screen
// arrows. Skip, Snooze and "Hidden" reuse the break screen's own glyphs. Looked up through
// SymbolGlyphs.
class CustomizerSymbols
{
public:
    static const QHash<QString, glyph::Design> &designs();
};
