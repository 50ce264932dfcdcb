#pragma once

#include "settings_ui/GlyphGeometry.h"

#include <QHash>
#include <QString>

// The designs of the symbols only the statistics pane draws (the clear button's bin),
// looked up through SymbolGlyphs.
class StatsSymbols {
public:
    static const QHash<QString, glyph::Design> &designs();
};
