#include "breakscreen/BreakGlyphs.h"

#include <QPainter>
#include <QPainterPathStroker>
#include <QTransform>

#include <algorithm>
#include <map>

namespace {

// Outlines are drawn on a 24-unit square, centre (12, 12), y pointing down.
constexpr qreal gridSide = 24.0;

QPainterPath strokeOf(const QPainterPath &line, qreal width)
{
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(line).simplified();
}

QPainterPath polygonPath(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(points));
    path.closeSubpath();
    return path;
}

// A filled polygon with softened corners: widening its outline with round joins rounds the
// corners the way the symbol set's filled shapes are rounded.
QPainterPath roundedPolygon(std::initializer_list<QPointF> points, qreal cornerRadius)
{
    const QPainterPath polygon = polygonPath(points);
    return polygon.united(strokeOf(polygon, 2 * cornerRadius));
}

QPainterPath circle(QPointF centre, qreal radius)
{
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

// The leaf's blade: a rounded base at the lower left and a pointed tip at the upper right.
QPainterPath leafBlade()
{
    QPainterPath blade(QPointF(0, 0));
    blade.cubicTo(0.02, -0.46, 0.60, -0.40, 1.0, 0.0);
    blade.cubicTo(0.64, 0.34, 0.06, 0.44, 0.0, 0.0);
    blade.closeSubpath();
    QTransform placement;
    placement.translate(5.2, 18.8);
    placement.rotate(-45);
    placement.scale(21.4, 21.4);
    return placement.map(blade);
}

QPainterPath leafStem()
{
    QPainterPath stem(QPointF(6.0, 18.0));
    stem.quadTo(QPointF(4.0, 19.4), QPointF(2.6, 21.4));
    return stem;
}

QPainterPath leafVein()
{
    QPainterPath vein(QPointF(7.2, 16.8));
    vein.quadTo(QPointF(12.4, 12.6), QPointF(16.6, 7.4));
    return vein;
}

QPainterPath leafFill(qreal width)
{
    const QPainterPath body = leafBlade().united(strokeOf(leafStem(), width));
    return body.subtracted(strokeOf(leafVein(), std::max(0.7, width * 0.6)));
}

QPainterPath leafOutline(qreal width)
{
    return strokeOf(leafBlade(), width)
        .united(strokeOf(leafStem(), width))
        .united(strokeOf(leafVein(), width));
}

QPainterPath checkmarkCircleFill(qreal width)
{
    QPainterPath tick(QPointF(7.2, 12.3));
    tick.lineTo(10.5, 15.6);
    tick.lineTo(16.9, 8.4);
    return circle({12, 12}, 10.5).subtracted(strokeOf(tick, std::max(2.0, width * 1.05)));
}

QPainterPath chevronUp(qreal width)
{
    QPainterPath chevron(QPointF(5.0, 15.5));
    chevron.lineTo(12.0, 8.5);
    chevron.lineTo(19.0, 15.5);
    return strokeOf(chevron, width);
}

QPainterPath eyeSlash(qreal width)
{
    QPainterPath eye(QPointF(2.2, 12));
    eye.cubicTo(6.0, 5.2, 18.0, 5.2, 21.8, 12);
    eye.cubicTo(18.0, 18.8, 6.0, 18.8, 2.2, 12);
    eye.closeSubpath();
    QPainterPath slash(QPointF(4.2, 3.8));
    slash.lineTo(19.8, 20.2);
    // The eye is cut back around the slash so the slash reads as lying on top of it.
    const QPainterPath eyeParts = strokeOf(eye, width).united(circle({12, 12}, 3.9));
    return eyeParts.subtracted(strokeOf(slash, width * 3.2)).united(strokeOf(slash, width));
}

QPainterPath buildDesignPath(BreakGlyph glyph, qreal width)
{
    switch (glyph) {
    case BreakGlyph::leaf:
        return leafOutline(width);
    case BreakGlyph::leafFill:
        return leafFill(width);
    case BreakGlyph::checkmarkCircleFill:
        return checkmarkCircleFill(width);
    case BreakGlyph::playFill:
        return roundedPolygon({{7.4, 5.4}, {7.4, 18.6}, {19.0, 12.0}}, 1.2);
    case BreakGlyph::forwardFill:
        return roundedPolygon({{2.8, 6.8}, {2.8, 17.2}, {11.6, 12.0}}, 0.9)
            .united(roundedPolygon({{12.4, 6.8}, {12.4, 17.2}, {21.2, 12.0}}, 0.9));
    case BreakGlyph::moonFill:
        return circle({11.5, 12.5}, 9.0).subtracted(circle({16.2, 7.8}, 7.6));
    case BreakGlyph::chevronUp:
        return chevronUp(width);
    case BreakGlyph::eyeSlash:
        return eyeSlash(width);
    }
    return {};
}

} // namespace

// Stroke width on the 24-unit square for each font weight from 100 to 900: a symbol's lines
// thicken with its weight the way the strokes of a letter do.
qreal BreakGlyphs::strokeWidth(QFont::Weight weight)
{
    static constexpr qreal widths[] = {0.84, 1.08, 1.56, 2.04, 2.28, 2.64, 3.0, 3.36, 3.72};
    const int index = std::clamp((static_cast<int>(weight) + 50) / 100 - 1, 0, 8);
    return widths[index];
}

QList<BreakGlyph> BreakGlyphs::all()
{
    return {BreakGlyph::leaf,        BreakGlyph::leafFill, BreakGlyph::checkmarkCircleFill,
            BreakGlyph::playFill,    BreakGlyph::forwardFill, BreakGlyph::moonFill,
            BreakGlyph::chevronUp,   BreakGlyph::eyeSlash};
}

QString BreakGlyphs::symbolName(BreakGlyph glyph)
{
    switch (glyph) {
    case BreakGlyph::leaf:
        return QStringLiteral("leaf");
    case BreakGlyph::leafFill:
        return QStringLiteral("leaf.fill");
    case BreakGlyph::checkmarkCircleFill:
        return QStringLiteral("checkmark.circle.fill");
    case BreakGlyph::playFill:
        return QStringLiteral("play.fill");
    case BreakGlyph::forwardFill:
        return QStringLiteral("forward.fill");
    case BreakGlyph::moonFill:
        return QStringLiteral("moon.fill");
    case BreakGlyph::chevronUp:
        return QStringLiteral("chevron.up");
    case BreakGlyph::eyeSlash:
        return QStringLiteral("eye.slash");
    }
    return {};
}

std::optional<BreakGlyph> BreakGlyphs::fromSymbolName(const QString &name)
{
    for (BreakGlyph glyph : all()) {
        if (symbolName(glyph) == name)
            return glyph;
    }
    return std::nullopt;
}

const QPainterPath &BreakGlyphs::designPath(BreakGlyph glyph, QFont::Weight weight)
{
    // Boolean path operations are costly next to a fill, and a break screen draws the same
    // few glyphs at every frame and hover; the outline per weight is built once.
    static std::map<std::pair<BreakGlyph, int>, QPainterPath> cache;
    const auto key = std::make_pair(glyph, static_cast<int>(weight));
    auto found = cache.find(key);
    if (found == cache.end()) {
        // Every outline comes out of a boolean operation or is one simple shape, so the
        // default odd-even rule leaves the knocked-out parts open.
        found = cache.emplace(key, buildDesignPath(glyph, strokeWidth(weight))).first;
    }
    return found->second;
}

QPainterPath BreakGlyphs::path(BreakGlyph glyph, qreal pointSize, QFont::Weight weight)
{
    QTransform toSize;
    toSize.scale(pointSize / gridSide, pointSize / gridSide);
    toSize.translate(-gridSide / 2, -gridSide / 2);
    return toSize.map(designPath(glyph, weight));
}

void BreakGlyphs::paint(QPainter &painter, BreakGlyph glyph, const QPointF &centre,
                        qreal pointSize, QFont::Weight weight, const QColor &colour,
                        qreal rotationDegrees)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(centre);
    painter.rotate(rotationDegrees);
    painter.fillPath(path(glyph, pointSize, weight), colour);
    painter.restore();
}
