#include "menubar/HUDShadow.h"

#include "breakscreen/SoftShadow.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

QImage HUDShadow::render(const QSize &canvasSize, qreal devicePixelRatio, const QRectF &shape,
                         qreal cornerRadius, qreal offsetY, qreal blurRadius, qreal opacity)
{
    QImage alpha(canvasSize, QImage::Format_Alpha8);
    alpha.fill(0);
    {
        QPainter painter(&alpha);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(devicePixelRatio, devicePixelRatio);
        QPainterPath path;
        path.addRoundedRect(shape.translated(0, offsetY), cornerRadius, cornerRadius);
        // The opacity goes into the shape before the blur (the overlay's shadows tint after
        // it), so the notice keeps the exact falloff it was tuned with.
        painter.fillPath(path, QColor(0, 0, 0, int(std::lround(255 * opacity))));
    }
    SoftShadow::blur(alpha, blurRadius * devicePixelRatio);
    QImage shadow = alpha.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    shadow.setDevicePixelRatio(devicePixelRatio);
    return shadow;
}
