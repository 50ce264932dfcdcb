#include "breakscreen/BreakOverlayFont.h"

#include <QGuiApplication>

#include <algorithm>
#include <cmath>

QFont BreakOverlayFont::font(qreal pixelSize, QFont::Weight weight, qreal tracking)
{
    QFont font = QGuiApplication::font();
    font.setPixelSize(std::max(1, int(std::lround(pixelSize))));
    font.setWeight(weight);
    font.setLetterSpacing(QFont::AbsoluteSpacing, tracking);
    // Hinting snaps thin strokes to whole pixels and makes large light digits uneven.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}
