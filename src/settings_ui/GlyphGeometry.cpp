#include "settings_ui/GlyphGeometry.h"

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

} // namespace glyph
