#include "menubar/HUDGlyphs.h"

#include "breakscreen/BreakGlyphs.h"
#include "core/GlyphGeometry.h"

#include <QHash>
#include <QTransform>

namespace {

using glyph::big;
using glyph::disc;
using glyph::polyline;
using glyph::strokeOf;

// Outlines share the settings window's grid and build scale, so the two sets match in size
// and weight.
constexpr qreal kLimbWidth = 2.64; // a semibold stroke on that square

QPainterPath roundedRect(const QRectF &rect, qreal radius)
{
    return big(glyph::roundedRect(rect, radius));
}

// Unlike glyph::unite, a true boolean union: the badges' outlines are built once and cached,
// so its cost is paid once.
QPainterPath unite(std::initializer_list<QPainterPath> parts)
{
    QPainterPath whole;
    for (const QPainterPath &part : parts)
        whole = whole.united(part);
    return whole.simplified();
}

// A person standing upright, arms at the sides.
QPainterPath figureStand()
{
    return unite({disc({12, 3.3}, 2.6), roundedRect(QRectF(9.6, 6.9, 4.8, 7.6), 1.8),
                  polyline({{9.4, 8.4}, {7.9, 14.2}}, kLimbWidth),
                  polyline({{14.6, 8.4}, {16.1, 14.2}}, kLimbWidth),
                  polyline({{10.7, 13.6}, {10.4, 21.6}}, kLimbWidth + 0.2),
                  polyline({{13.3, 13.6}, {13.6, 21.6}}, kLimbWidth + 0.2)});
}

// A person in mid-stride, leaning into the walk.
QPainterPath figureWalk()
{
    return unite({disc({13.4, 3.3}, 2.4), polyline({{12.6, 8.0}, {11.2, 13.4}}, 3.8),
                  polyline({{12.5, 8.6}, {14.8, 11.4}, {17.4, 12.0}}, kLimbWidth),
                  polyline({{12.0, 8.8}, {9.0, 10.8}, {7.6, 13.6}}, kLimbWidth),
                  polyline({{11.4, 13.4}, {14.2, 16.8}, {15.4, 21.6}}, kLimbWidth + 0.2),
                  polyline({{11.0, 13.6}, {9.8, 17.6}, {6.8, 20.8}}, kLimbWidth + 0.2)});
}

// An open palm held up: four fingers, the thumb out to the side.
QPainterPath handRaisedFill()
{
    return unite({roundedRect(QRectF(6.6, 10.0, 11.2, 12.0), 4.8), polyline({{8.2, 12.0}, {8.2, 5.4}}, 2.5),
                  polyline({{10.9, 11.0}, {10.9, 3.2}}, 2.5),
                  polyline({{13.6, 11.0}, {13.6, 3.6}}, 2.5),
                  polyline({{16.2, 12.0}, {16.2, 6.0}}, 2.5),
                  polyline({{7.6, 17.0}, {5.2, 13.8}, {4.0, 11.6}}, 2.7)});
}

// The filled eye with its iris set off by a thin ring.
QPainterPath eyeFill()
{
    QPainterPath eye(QPointF(1.4, 12));
    eye.cubicTo(4.6, 6.4, 8.0, 4.6, 12, 4.6);
    eye.cubicTo(16.0, 4.6, 19.4, 6.4, 22.6, 12);
    eye.cubicTo(19.4, 17.6, 16.0, 19.4, 12, 19.4);
    eye.cubicTo(8.0, 19.4, 4.6, 17.6, 1.4, 12);
    eye.closeSubpath();
    return big(eye).subtracted(disc({12, 12}, 5.4)).united(disc({12, 12}, 3.7)).simplified();
}

QPainterPath dropFill()
{
    QPainterPath drop(QPointF(12, 2.0));
    drop.cubicTo(10.4, 5.0, 5.4, 9.8, 5.4, 15.0);
    drop.arcTo(QRectF(5.4, 8.4, 13.2, 13.2), 180, 180);
    drop.cubicTo(18.6, 9.8, 13.6, 5.0, 12, 2.0);
    drop.closeSubpath();
    return big(drop);
}

// A video camera: the body with its lens hood to the right.
QPainterPath videoFill()
{
    QPainterPath hood;
    hood.addPolygon(QPolygonF({{16.8, 10.4}, {22.4, 6.8}, {22.4, 17.2}, {16.8, 13.6}}));
    hood.closeSubpath();
    // Widening the hood's outline rounds its corners.
    return unite({roundedRect(QRectF(1.6, 6.2, 14.2, 11.6), 3.0), big(hood), strokeOf(hood, 1.2)});
}

QHash<QString, QPainterPath> buildOwnDesigns()
{
    return {
        {QStringLiteral("figure.stand"), figureStand()},
        {QStringLiteral("figure.walk"), figureWalk()},
        {QStringLiteral("hand.raised.fill"), handRaisedFill()},
        {QStringLiteral("eye.fill"), eyeFill()},
        {QStringLiteral("drop.fill"), dropFill()},
        {QStringLiteral("video.fill"), videoFill()},
    };
}

// Boolean path operations cost far more than a fill; each outline is built once.
const QHash<QString, QPainterPath> &ownDesigns()
{
    static const QHash<QString, QPainterPath> designs = buildOwnDesigns();
    return designs;
}

} // namespace

QStringList HUDGlyphs::ownSymbolNames()
{
    QStringList names = ownDesigns().keys();
    names.sort();
    return names;
}

const QPainterPath *HUDGlyphs::designPath(const QString &symbolName)
{
    const QHash<QString, QPainterPath> &designs = ownDesigns();
    const auto found = designs.constFind(symbolName);
    return found == designs.cend() ? nullptr : &*found;
}

QPainterPath HUDGlyphs::path(const QString &symbolName, qreal pointSize)
{
    if (const std::optional<BreakGlyph> borrowed = BreakGlyphs::fromSymbolName(symbolName))
        return BreakGlyphs::path(*borrowed, pointSize, QFont::DemiBold);
    const QPainterPath *design = designPath(symbolName);
    if (!design)
        return {};
    const qreal side = glyph::gridSide * glyph::buildScale;
    QTransform toSize;
    toSize.scale(pointSize / side, pointSize / side);
    toSize.translate(-side / 2, -side / 2);
    return toSize.map(*design);
}
