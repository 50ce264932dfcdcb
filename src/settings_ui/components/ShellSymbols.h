#pragma once

#include "core/GlyphGeometry.h"

#include <QHash>
#include <QString>

// The designs of the symbols the settings window's sidebar, its badge and the shared cards
// draw (the sections' symbols, pause, the chevrons, the tip's bulb and the enforcement
// modes' marks), looked up through SymbolGlyphs.
class ShellSymbols
{
public:
    static const QHash<QString, glyph::Design> &designs();
};
