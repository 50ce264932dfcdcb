#include "breakscreen/SoftShadow.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr int boxPasses = 3;

int boxRadiusFor(qreal blurRadius)
{
    const qreal sigma = blurRadius / 2;
    const qreal boxWidth = std::sqrt(12 * sigma * sigma / boxPasses + 1);
    return std::max(0, int(std::lround((boxWidth - 1) / 2)));
}

} // namespace

int SoftShadow::reach(qreal blurRadius)
{
    return boxPasses * boxRadiusFor(blurRadius) + 1;
}

QImage SoftShadow::fromShape(const QImage &shape, qreal blurRadius, qreal opacity)
{
    return fromShape(shape, blurRadius, QColor::fromRgbF(0, 0, 0, float(std::clamp(opacity, 0.0, 1.0))));
}

QImage SoftShadow::fromShape(const QImage &shape, qreal blurRadius, const QColor &colour)
{
    QImage alpha = shape.convertToFormat(QImage::Format_Alpha8);
    blur(alpha, blurRadius);
    QImage shadow(alpha.size(), QImage::Format_ARGB32_Premultiplied);
    const QColor rgb = colour.toRgb();
    const int scale = int(std::lround(rgb.alphaF() * 256));
    for (int y = 0; y < alpha.height(); ++y) {
        const uchar *source = alpha.constScanLine(y);
        auto *target = reinterpret_cast<QRgb *>(shadow.scanLine(y));
        for (int x = 0; x < alpha.width(); ++x) {
            const int a = (source[x] * scale) >> 8;
            // Premultiplied: each channel carries the pixel's coverage.
            target[x] = qRgba((rgb.red() * a) / 255, (rgb.green() * a) / 255, (rgb.blue() * a) / 255, a);
        }
    }
    shadow.setDevicePixelRatio(shape.devicePixelRatio());
    return shadow;
}

void SoftShadow::blur(QImage &alpha, qreal blurRadius)
{
    const int radius = boxRadiusFor(blurRadius);
    if (radius < 1)
        return;
    for (int pass = 0; pass < boxPasses; ++pass) {
        for (int y = 0; y < alpha.height(); ++y)
            blurLine(alpha.scanLine(y), 1, alpha.width(), radius);
        for (int x = 0; x < alpha.width(); ++x)
            blurLine(alpha.bits() + x, int(alpha.bytesPerLine()), alpha.height(), radius);
    }
}

// A running mean along one row or column; pixels beyond its ends count as clear.
void SoftShadow::blurLine(uchar *first, int step, int length, int radius)
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
