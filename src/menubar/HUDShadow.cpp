#include "menubar/HUDShadow.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <vector>

namespace {

constexpr int kBoxPasses = 3;

// A shadow's blur radius, as the palette gives it, spans about two standard
// deviations; this is the box radius whose three passes have that spread.
int boxRadiusFor(qreal blurRadius)
{
    const qreal sigma = blurRadius / 2;
    const qreal boxWidth = std::sqrt(12 * sigma * sigma / kBoxPasses + 1);
    return std::max(0, int(std::lround((boxWidth - 1) / 2)));
}

} // namespace

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
        painter.fillPath(path, QColor(0, 0, 0, int(std::lround(255 * opacity))));
    }
    boxBlur(alpha, boxRadiusFor(blurRadius * devicePixelRatio));
    QImage shadow = alpha.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    shadow.setDevicePixelRatio(devicePixelRatio);
    return shadow;
}

void HUDShadow::boxBlur(QImage &alpha, int radius)
{
    if (radius < 1)
        return;
    for (int pass = 0; pass < kBoxPasses; ++pass) {
        for (int y = 0; y < alpha.height(); ++y)
            blurLine(alpha.scanLine(y), 1, alpha.width(), radius);
        for (int x = 0; x < alpha.width(); ++x)
            blurLine(alpha.bits() + x, int(alpha.bytesPerLine()), alpha.height(), radius);
    }
}

// A running sum along one row or column; pixels beyond its ends count as clear.
void HUDShadow::blurLine(uchar *first, int step, int length, int radius)
{
    const int window = 2 * radius + 1;
    std::vector<uchar> source(static_cast<size_t>(length));
    for (int i = 0; i < length; ++i)
        source[size_t(i)] = first[i * step];
    int sum = 0;
    for (int i = 0; i < std::min(radius, length); ++i)
        sum += source[size_t(i)];
    for (int i = 0; i < length; ++i) {
        if (i + radius < length)
            sum += source[size_t(i + radius)];
        if (i - radius - 1 >= 0)
            sum -= source[size_t(i - radius - 1)];
        first[i * step] = uchar(sum / window);
    }
}
