#include "settings_ui/components/CachedShadow.h"

#include "breakscreen/SoftShadow.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

void CachedShadow::paint(QPainter &painter, const QRectF &shape, qreal cornerRadius,
                         qreal blurRadius, const QColor &colour, QPointF offset)
{
    if (shape.isEmpty() || colour.alpha() == 0)
        return;
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const Key key{shape.size(), cornerRadius, blurRadius, colour, offset, ratio};
    if (!(key == m_key) || m_image.isNull()) {
        m_key = key;
        m_reach = int(std::ceil(SoftShadow::reach(blurRadius * ratio) / ratio)) + 1;
        const QSizeF canvas = shape.size() + QSizeF(2 * m_reach, 2 * m_reach);
        QImage silhouette(QSize(int(std::ceil(canvas.width() * ratio)), int(std::ceil(canvas.height() * ratio))),
                          QImage::Format_ARGB32_Premultiplied);
        silhouette.setDevicePixelRatio(ratio);
        silhouette.fill(Qt::transparent);
        QPainter shapePainter(&silhouette);
        shapePainter.setRenderHint(QPainter::Antialiasing);
        QPainterPath path;
        path.addRoundedRect(QRectF(QPointF(m_reach, m_reach), shape.size()), cornerRadius, cornerRadius);
        shapePainter.fillPath(path, Qt::black);
        shapePainter.end();
        m_image = SoftShadow::fromShape(silhouette, blurRadius * ratio, colour);
        QPainter cut(&m_image);
        cut.setRenderHint(QPainter::Antialiasing);
        cut.setCompositionMode(QPainter::CompositionMode_DestinationOut);
        cut.fillPath(path.translated(-offset), Qt::black);
    }
    painter.drawImage(shape.topLeft() + offset - QPointF(m_reach, m_reach), m_image);
}
