#include "breakscreen/BreakBackgroundPainter.h"

#include <QPaintDevice>
#include <QPainter>

#include <cmath>

QSize BreakBackgroundPainter::softSize(QSize pixelSize)
{
    auto shrink = [](int length) {
        return std::max(2, int(std::ceil(double(length) / softScaleDivisor)));
    };
    return {shrink(pixelSize.width()), shrink(pixelSize.height())};
}

void BreakBackgroundPainter::paint(QPainter &painter, const QRect &target)
{
    if (target.isEmpty())
        return;
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const QSize pixelSize(qRound(target.width() * ratio), qRound(target.height() * ratio));
    if (m_cache.isNull() || m_cache.size() != pixelSize || m_cacheRatio != ratio) {
        QImage picture = render(pixelSize, ratio);
        picture.setDevicePixelRatio(ratio);
        m_cache = QPixmap::fromImage(std::move(picture));
        m_cacheRatio = ratio;
    }
    painter.save();
    // The backdrop is the bottom layer: copying it in place, rather than blending it over
    // whatever the dirty area held, keeps a translucent backdrop from thickening with every
    // repaint, and is the cheaper operation too.
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawPixmap(target.topLeft(), m_cache);
    painter.restore();
}
