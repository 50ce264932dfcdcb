#include "breakscreen/BreakControlCapsule.h"

#include "breakscreen/SoftShadow.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

constexpr qreal restingShadow = 0.14;
constexpr qreal fillTop[] = {0.07, 0.10};
constexpr qreal fillBottom[] = {0.03, 0.05};
constexpr qreal borderTop[] = {0.12, 0.18};
constexpr qreal borderBottom = 0.03;

QPainterPath capsulePath(const QRectF &rect)
{
    QPainterPath path;
    const qreal radius = rect.height() / 2;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

QLinearGradient vertical(const QRectF &rect, const QColor &top, const QColor &bottom)
{
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    return gradient;
}

} // namespace

qreal BreakControlCapsule::mix(qreal rest, qreal active, qreal amount)
{
    return rest + (active - rest) * amount;
}

QColor BreakControlCapsule::withOpacity(const QColor &colour, qreal opacity)
{
    QColor result = colour;
    result.setAlphaF(float(colour.alphaF() * opacity));
    return result;
}

void BreakControlCapsule::paint(QPainter &painter, const QRectF &capsule,
                                const QColor &foreground, qreal active)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(capsulePath(capsule),
                     vertical(capsule, withOpacity(foreground, mix(fillTop[0], fillTop[1], active)),
                              withOpacity(foreground, mix(fillBottom[0], fillBottom[1], active))));
    // The border lies inside the edge, half a pixel in, so its one pixel is crisp.
    const QRectF inner = capsule.adjusted(0.5, 0.5, -0.5, -0.5);
    const QLinearGradient border =
        vertical(inner, withOpacity(foreground, mix(borderTop[0], borderTop[1], active)),
                 withOpacity(foreground, borderBottom));
    painter.setPen(QPen(QBrush(border), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(capsulePath(inner));
    painter.restore();
}

qreal BreakControlCapsule::shadowOpacity(qreal active, qreal activeOpacity)
{
    return mix(restingShadow, activeOpacity, active);
}

int BreakControlCapsule::shadowReach()
{
    return SoftShadow::reach(shadowRadius) + int(std::ceil(shadowOffsetY));
}

QImage BreakControlCapsule::shadow(const QSizeF &size, qreal devicePixelRatio)
{
    const int reach = shadowReach();
    const QSizeF canvas = size + QSizeF(2 * reach, 2 * reach);
    QImage shape((canvas * devicePixelRatio).toSize(), QImage::Format_ARGB32_Premultiplied);
    shape.setDevicePixelRatio(devicePixelRatio);
    shape.fill(Qt::transparent);
    QPainter painter(&shape);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(capsulePath(QRectF(QPointF(reach, reach + shadowOffsetY), size)), Qt::black);
    painter.end();
    return SoftShadow::fromShape(shape, shadowRadius * devicePixelRatio, 1.0);
}
