#pragma once

#include <QColor>
#include <QPoint>
#include <QString>

class QPainter;

// Figures drawn pixel by pixel for the smallest tray icons. At 16 pixels an outline font
// either blurs its strokes into the badge or shrinks a countdown like "120m" to smudges; a
// font made of whole pixels keeps every figure seven pixels tall and sharp. It knows the
// characters a countdown uses: the digits, "<" and the minutes' "m".
class StatusIconPixelFont
{
public:
    static constexpr int glyphHeight = 7;

    // Whether every character of the text has a glyph here.
    static bool covers(const QString &text);
    // Pixels from the first glyph's left edge to the last one's right edge.
    static int width(const QString &text);
    // Draws the text with its cell's top-left corner at the point; characters without a
    // glyph are skipped.
    static void draw(QPainter &painter, const QString &text, QPoint topLeft, const QColor &colour);
};
