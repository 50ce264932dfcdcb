#pragma once

#include "core/GlyphGeometry.h"

#include <QHash>
#include <QString>

// The designs of the symbols the General, Advanced, About and Shortcuts panes draw beyond the
// shared ones, looked up through SymbolGlyphs: the theme's brush, the timer style's figures,
// the sunrise of "start after wake", the end-early mark, the struck-out displays, the low
// battery, the filled bin, the link rows' bug, globe, envelope, share box and outward arrow,
// and the window of "Open Lumenpause".
class AppPanesSymbols
{
public:
    static const QHash<QString, glyph::Design> &designs();
};
