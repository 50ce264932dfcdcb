#include "breakscreen/NatureBackgroundPainter.h"

#include "breakscreen/SoftImage.h"

namespace {

const QColor gradientStart = QColor::fromRgbF(0.15f, 0.18f, 0.13f);
const QColor gradientEnd = QColor::fromRgbF(0.05f, 0.07f, 0.05f);

QColor withAlpha(float red, float green, float blue, float alpha)
{
    return QColor::fromRgbF(red, green, blue, alpha);
}

void addGlow(SoftImage &picture, const NatureBackgroundPainter::Glow &glow, qreal scale)
{
    SoftImage layer(picture.width(), picture.height());
    const QPointF centre = QPointF(picture.width(), picture.height()) / 2 + glow.offset * scale;
    layer.drawDisc(centre, glow.diameter / 2 * scale, glow.colour);
    layer.blur(glow.blurRadius * scale);
    picture.compositeOver(layer);
}

} // namespace

const NatureBackgroundPainter::Glow NatureBackgroundPainter::upperGlow = {
    {-120, -80}, 400, withAlpha(0.31f, 0.36f, 0.21f, 0.18f), 100};
const NatureBackgroundPainter::Glow NatureBackgroundPainter::lowerGlow = {
    {150, 120}, 300, withAlpha(0.17f, 0.22f, 0.14f, 0.24f), 80};

QImage NatureBackgroundPainter::render(QSize pixelSize, qreal devicePixelRatio) const
{
    const QSize small = softSize(pixelSize);
    SoftImage picture(small.width(), small.height());
    picture.fillLinearGradient({0, 0}, {1, 1}, gradientStart, gradientEnd);
    // Logical pixels of the design to pixels of the small picture.
    const qreal scale = devicePixelRatio * small.width() / pixelSize.width();
    addGlow(picture, upperGlow, scale);
    addGlow(picture, lowerGlow, scale);
    return picture.toImage(pixelSize);
}
