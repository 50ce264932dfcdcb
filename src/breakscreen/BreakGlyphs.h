#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QPainterPath>
#include <QString>

#include <optional>

class QPainter;

// The symbols the break screen draws. Each has the symbol name the break screen's layout
// uses for it ("leaf.fill", "moon.fill", ...).
enum class BreakGlyph {
    leaf,
    leafFill,
    checkmarkCircleFill,
    playFill,
    forwardFill,
    moonFill,
    chevronUp,
    eyeSlash,
};

// The break screen's symbols as vector outlines we draw ourselves, so the screen looks the
// same whatever icon theme or fonts the desktop has. A glyph of point size p fills a square
// of side p, the way a symbol set at p points in text would; the weight sets its stroke width
// as a font weight sets a letter's. The layout's "ultra-light", its lightest weight, is
// QFont::Thin here, and its "thin" QFont::ExtraLight. Main thread only (outlines are cached
// per weight).
class BreakGlyphs
{
public:
    static QList<BreakGlyph> all();
    static QString symbolName(BreakGlyph glyph);
    // No value for a name the break screen does not draw.
    static std::optional<BreakGlyph> fromSymbolName(const QString &name);

    // The glyph's area centred on the origin, strokes already widened, so one fillPath
    // draws it whole (and the knocked-out parts, like the tick in the filled circle, stay
    // see-through).
    static QPainterPath path(BreakGlyph glyph, qreal pointSize, QFont::Weight weight);

    static void paint(QPainter &painter, BreakGlyph glyph, const QPointF &centre, qreal pointSize,
                      QFont::Weight weight, const QColor &colour, qreal rotationDegrees = 0);

    // The width of a symbol's lines at that weight on the 24-unit square the outlines are
    // designed on, for other symbol sets that are to match these.
    static qreal strokeWidth(QFont::Weight weight);

private:
    static const QPainterPath &designPath(BreakGlyph glyph, QFont::Weight weight);
};
