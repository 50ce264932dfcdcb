#pragma once

#include "core/GlyphGeometry.h"

#include <QHash>
#include <QString>

// The designs of the symbols the Breaks pane and its pages draw (the rhythm cards, the
// navigation rows, the resume choices, the planned-break list and its sheets, including the
// icons a planned break can wear), looked up through SymbolGlyphs.
class BreaksSymbols
{
public:
    static const QHash<QString, glyph::Design> &designs();
};
