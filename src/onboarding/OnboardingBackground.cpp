#include "onboarding/OnboardingBackground.h"

#include "breakscreen/SoftShadow.h"
#include "onboarding/OnboardingPalette.h"

#include <QLinearGradient>
#include <QPainter>

#include <cmath>

namespace {

// The glows are composed at this fraction of the view's size and enlarged smoothly.
constexpr qreal glowScale = 0.25;

struct Glow
{
    QColor colour;
    qreal diameter;
    qreal blurRadius;
    QPointF offset; // of the circle's centre from the view's, x right, y down
};

QList<Glow> glowsFor(bool dark)
{
    if (dark)
        return {{OnboardingPalette::green(0.06), 500, 120, {-200, -250}},
                {QColor::fromRgbF(0.15f, 0.3f, 0.08f, 0.05f), 400, 100, {250, 200}}};
    return {{QColor::fromRgbF(0.4f, 0.72f, 0.17f, 0.05f), 600, 150, {-100, -200}},
            {QColor::fromRgbF(0.92f, 0.88f, 0.7f, 0.10f), 400, 120, {200, 150}}};
}

QImage glowLayer(QSize size, bool dark)
{
    const QSize small(std::max(1, int(std::ceil(size.width() * glowScale))),
                      std::max(1, int(std::ceil(size.height() * glowScale))));
    QImage layer(small, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    QPainter painter(&layer);
    const QPointF centre(small.width() / 2.0, small.height() / 2.0);
    for (const Glow &glow : glowsFor(dark)) {
        QImage disc(small, QImage::Format_ARGB32_Premultiplied);
        disc.fill(Qt::transparent);
        QPainter discPainter(&disc);
        discPainter.setRenderHint(QPainter::Antialiasing);
        discPainter.setPen(Qt::NoPen);
        discPainter.setBrush(Qt::black);
        const qreal radius = glow.diameter / 2 * glowScale;
        discPainter.drawEllipse(centre + glow.offset * glowScale, radius, radius);
        discPainter.end();
        painter.drawImage(0, 0, SoftShadow::fromShape(disc, glow.blurRadius * glowScale, glow.colour));
    }
    return layer;
}

} // namespace

const QImage &OnboardingBackground::image(QSize size, qreal devicePixelRatio, bool dark)
{
    if (m_image.isNull() || size != m_size || devicePixelRatio != m_ratio || dark != m_dark) {
        m_image = render(size, devicePixelRatio, dark);
        m_size = size;
        m_ratio = devicePixelRatio;
        m_dark = dark;
    }
    return m_image;
}

QImage OnboardingBackground::render(QSize size, qreal devicePixelRatio, bool dark)
{
    const QSize pixels(std::max(1, int(std::lround(size.width() * devicePixelRatio))),
                       std::max(1, int(std::lround(size.height() * devicePixelRatio))));
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(OnboardingPalette::base(dark));
    QPainter painter(&image);
    const QRectF area(QPointF(0, 0), QSizeF(size));
    if (!dark) {
        QLinearGradient wash(area.topLeft(), area.bottomRight());
        wash.setColorAt(0, QColor::fromRgbF(0.96f, 0.97f, 0.94f));
        wash.setColorAt(0.5, QColor::fromRgbF(0.955f, 0.955f, 0.94f));
        wash.setColorAt(1, QColor::fromRgbF(0.95f, 0.94f, 0.93f));
        painter.fillRect(area, wash);
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(area, glowLayer(size, dark));
    return image;
}
