#pragma once

#include <QFont>

// The break overlay's type: the desktop's own font, sized in logical pixels so that text is
// as large as the layout says whatever the screen's DPI setting, with letter tracking in
// pixels. Sizes with a half pixel are rounded, as fonts are sized in whole pixels.
class BreakOverlayFont
{
public:
    static QFont font(qreal pixelSize, QFont::Weight weight, qreal tracking = 0);
};
