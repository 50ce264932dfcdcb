#include "core/GlyphGeometry.h"

#include <QPainterPathStroker>
#include <QTransform>

namespace glyph {

QPainterPath big(const QPainterPath &gridPath)
{
    return QTransform::fromScale(buildScale, buildScale).map(gridPath);
}

QPainterPath strokeOf(const QPainterPath &line, qreal width, Qt::PenJoinStyle join)
{
    QPainterPathStroker stroker;
    stroker.setWidth(width * buildScale);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(join);
    return stroker.createStroke(big(line));
}

QPainterPath polyline(std::initializer_list<QPointF> points, qreal width)
{
    QPainterPath line(*points.begin());
    for (auto point = points.begin() + 1; point != points.end(); ++point)
        line.lineTo(*point);
    return strokeOf(line, width);
}

QPainterPath disc(QPointF centre, qreal radius)
{
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return big(path);
}

QPainterPath ring(QPointF centre, qreal radius, qreal width)
{
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return strokeOf(path, width);
}

QPainterPath roundedRect(const QRectF &rect, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

QPainterPath unite(std::initializer_list<QPainterPath> parts)
{
    // Laid over each other and filled by the non-zero rule, the parts cover their union; a
    // boolean union of outlines at the build scale would cost milliseconds a symbol, paid at
    // a window's first paint.
    QPainterPath whole;
    whole.setFillRule(Qt::WindingFill);
    for (const QPainterPath &part : parts)
        whole.addPath(part);
    return whole;
}

QPainterPath turned(const QPainterPath &path, qreal degrees)
{
    const qreal centre = 12 * buildScale;
    QTransform turn;
    turn.translate(centre, centre);
    turn.rotate(degrees);
    turn.translate(-centre, -centre);
    return turn.map(path);
}

QPainterPath struckThrough(const QPainterPath &shape, qreal lineWidth)
{
    QPainterPath slash(QPointF(3.4, 2.6));
    slash.lineTo(20.6, 21.4);
    return unite({shape.subtracted(strokeOf(slash, lineWidth + 2.4)), strokeOf(slash, lineWidth)});
}

QPainterPath bellOutline()
{
    QPainterPath bell(QPointF(12.0, 2.8));
    bell.cubicTo(7.8, 3.2, 6.0, 6.4, 6.0, 10.2);
    bell.lineTo(6.0, 14.4);
    bell.lineTo(4.0, 17.4);
    bell.lineTo(20.0, 17.4);
    bell.lineTo(18.0, 14.4);
    bell.lineTo(18.0, 10.2);
    bell.cubicTo(18.0, 6.4, 16.2, 3.2, 12.0, 2.8);
    bell.closeSubpath();
    return bell;
}

QPainterPath shieldOutline()
{
    QPainterPath shield(QPointF(12, 2.4));
    shield.cubicTo(14.8, 4.0, 17.6, 4.7, 20.0, 4.9);
    shield.lineTo(20.0, 11.0);
    shield.cubicTo(20.0, 16.2, 16.6, 19.6, 12.0, 21.6);
    shield.cubicTo(7.4, 19.6, 4.0, 16.2, 4.0, 11.0);
    shield.lineTo(4.0, 4.9);
    shield.cubicTo(6.4, 4.7, 9.2, 4.0, 12, 2.4);
    shield.closeSubpath();
    return shield;
}

} // namespace glyph
