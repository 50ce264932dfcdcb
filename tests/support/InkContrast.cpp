#include "support/InkContrast.h"

#include <QFontInfo>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Every other pixel in each direction: backdrops are soft, texts at least a few pixels tall.
constexpr int step = 2;

double linearLight(double encoded)
{
    return encoded <= 0.04045 ? encoded / 12.92 : std::pow((encoded + 0.055) / 1.055, 2.4);
}

// Relative luminance of a colour given in sRGB values from 0 to 1.
double luminance(double red, double green, double blue)
{
    return 0.2126 * linearLight(red) + 0.7152 * linearLight(green) + 0.0722 * linearLight(blue);
}

double ratio(double first, double second)
{
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

} // namespace

double InkContrast::floorFor(const QFont &font, bool isCountdownDigits)
{
    const int pixels = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    return isCountdownDigits && pixels > smallTextMaxPixels ? largeDigitsFloor : textFloor;
}

double InkContrast::worst(const QImage &backdrop, const QColor &ink, const QRect &box,
                          const QImage &covered)
{
    const QRect area = box.intersected(backdrop.rect());
    const double alpha = ink.alphaF();
    const std::array<double, 3> colour = {ink.redF(), ink.greenF(), ink.blueF()};
    double worst = 21.0;
    for (int y = area.top(); y <= area.bottom(); y += step) {
        for (int x = area.left(); x <= area.right(); x += step) {
            if (!covered.isNull() && qAlpha(covered.pixel(x, y)) > 0)
                continue;
            const QRgb pixel = backdrop.pixel(x, y);
            const std::array<double, 3> behind = {qRed(pixel) / 255.0, qGreen(pixel) / 255.0,
                                                  qBlue(pixel) / 255.0};
            auto over = [&](int channel) {
                return colour[channel] * alpha + behind[channel] * (1.0 - alpha);
            };
            worst = std::min(worst, ratio(luminance(over(0), over(1), over(2)),
                                          luminance(behind[0], behind[1], behind[2])));
        }
    }
    return worst;
}
