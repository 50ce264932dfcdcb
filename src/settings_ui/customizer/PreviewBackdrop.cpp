#include "settings_ui/customizer/PreviewBackdrop.h"

#include "breakscreen/BlurMaterial.h"
#include "breakscreen/SoftImage.h"
#include "settings_ui/customizer/PreviewBackgroundColors.h"
#include "settings_ui/customizer/SimulatedDesktopPreview.h"

#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Soft pictures hold no detail worth full resolution: they are made at a fraction of the
// panel's pixels and enlarged once.
constexpr int blurShrink = 4;
constexpr int natureShrink = 8;

struct Glow
{
    QPointF offset;
    qreal diameter;
    QColor colour;
    qreal blurRadius;
};

const Glow upperGlow = {{-70, -40}, 220, QColor::fromRgbF(0.28f, 0.40f, 0.14f, 0.30f), 65};
const Glow lowerGlow = {{90, 60}, 160, QColor::fromRgbF(0.18f, 0.28f, 0.08f, 0.35f), 45};

QSize shrunk(QSize pixelSize, int divisor)
{
    const auto shrink = [divisor](int length) { return std::max(2, int(std::ceil(double(length) / divisor))); };
    return {shrink(pixelSize.width()), shrink(pixelSize.height())};
}

QPixmap finished(const SoftImage &picture, QSize pixelSize, qreal ratio)
{
    QImage image = picture.toImage(pixelSize);
    image.setDevicePixelRatio(ratio);
    return QPixmap::fromImage(std::move(image));
}

void addGlow(SoftImage &picture, const Glow &glow, qreal scale)
{
    SoftImage layer(picture.width(), picture.height());
    const QPointF centre = QPointF(picture.width(), picture.height()) / 2 + glow.offset * scale;
    layer.drawDisc(centre, glow.diameter / 2 * scale, glow.colour);
    layer.blur(glow.blurRadius * scale);
    picture.compositeOver(layer);
}

void fillDiagonal(QPainter &painter, const QRectF &rect, const QColor &from, const QColor &to)
{
    QLinearGradient gradient(rect.topLeft(), rect.bottomRight());
    gradient.setColorAt(0, from);
    gradient.setColorAt(1, to);
    painter.fillRect(rect, gradient);
}

} // namespace

void PreviewBackdrop::paint(QPainter &painter, BreakBG background, const QRectF &rect, ColorScheme scheme)
{
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const QSize pixelSize(qRound(rect.width() * ratio), qRound(rect.height() * ratio));
    if (pixelSize.isEmpty())
        return;
    switch (background) {
    case BreakBG::blur:
        painter.drawPixmap(rect.topLeft(), blurred(pixelSize, ratio, scheme));
        return;
    case BreakBG::nature:
        painter.drawPixmap(rect.topLeft(), nature(pixelSize, ratio));
        return;
    case BreakBG::dark:
        painter.fillRect(rect, PreviewBackgroundColors::darkFill);
        return;
    case BreakBG::gradient:
        fillDiagonal(painter, rect, PreviewBackgroundColors::gradientStart, PreviewBackgroundColors::gradientEnd);
        return;
    }
}

const QPixmap &PreviewBackdrop::blurred(QSize pixelSize, qreal ratio, ColorScheme scheme)
{
    if (m_blur && m_blur->pixelSize == pixelSize && m_blur->ratio == ratio && m_blur->scheme == scheme)
        return m_blur->picture;
    const QSize small = shrunk(pixelSize, blurShrink);
    QImage desktop(small, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&desktop);
    // Logical pixels of the panel to pixels of the small picture.
    const qreal scale = ratio * small.width() / pixelSize.width();
    painter.scale(scale, scale);
    SimulatedDesktopPreview::paint(painter, QSizeF(small) / scale, scheme == ColorScheme::dark);
    painter.end();
    SoftImage picture = SoftImage::fromImage(desktop);
    picture.blur(blurSigma * scale);
    BlurMaterial(scheme).apply(picture);
    m_blur = Cached{pixelSize, ratio, scheme, finished(picture, pixelSize, ratio)};
    ++m_renders;
    return m_blur->picture;
}

const QPixmap &PreviewBackdrop::nature(QSize pixelSize, qreal ratio)
{
    if (m_nature && m_nature->pixelSize == pixelSize && m_nature->ratio == ratio)
        return m_nature->picture;
    const QSize small = shrunk(pixelSize, natureShrink);
    SoftImage picture(small.width(), small.height());
    picture.fillLinearGradient({0, 0}, {1, 1}, PreviewBackgroundColors::natureStart,
                               PreviewBackgroundColors::natureEnd);
    const qreal scale = ratio * small.width() / pixelSize.width();
    addGlow(picture, upperGlow, scale);
    addGlow(picture, lowerGlow, scale);
    m_nature = Cached{pixelSize, ratio, ColorScheme::light, finished(picture, pixelSize, ratio)};
    ++m_renders;
    return m_nature->picture;
}
