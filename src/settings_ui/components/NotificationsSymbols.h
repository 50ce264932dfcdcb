#pragma once

#include "core/GlyphGeometry.h"

#include <QHash>
#include <QString>

// The designs of the symbols the Notifications and the Calls & Recordings panes draw beyond
// the shared ones, looked up through SymbolGlyphs: the speakers at the ends of the volume
// slider, the silenced bells, the stack of the overlap tip, the filled radio mark, the
// after-call options' circling arrows, the status antenna, the info mark, the privacy shield
// and the timeline's checkmark.
class NotificationsSymbols
{
public:
    static const QHash<QString, glyph::Design> &designs();
};
