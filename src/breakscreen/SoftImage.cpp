#include "breakscreen/SoftImage.h"

#include "core/Logger.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <system_error>
#include <thread>
#include <utility>

namespace {

SoftImage::Pixel premultiplied(const QColor &colour)
{
    const float alpha = colour.alphaF();
    return {colour.redF() * alpha, colour.greenF() * alpha, colour.blueF() * alpha, alpha};
}

SoftImage::Pixel mix(const SoftImage::Pixel &a, const SoftImage::Pixel &b, float t)
{
    return {a.red + (b.red - a.red) * t, a.green + (b.green - a.green) * t,
            a.blue + (b.blue - a.blue) * t, a.alpha + (b.alpha - a.alpha) * t};
}

SoftImage::Pixel over(const SoftImage::Pixel &top, const SoftImage::Pixel &bottom)
{
    const float keep = 1.0f - top.alpha;
    return {top.red + bottom.red * keep, top.green + bottom.green * keep,
            top.blue + bottom.blue * keep, top.alpha + bottom.alpha * keep};
}

// The sRGB transfer curve, both ways.
float linearLight(float encoded)
{
    encoded = std::clamp(encoded, 0.0f, 1.0f);
    return encoded <= 0.04045f ? encoded / 12.92f : std::pow((encoded + 0.055f) / 1.055f, 2.4f);
}

float encodedLight(float linear)
{
    linear = std::clamp(linear, 0.0f, 1.0f);
    return linear <= 0.0031308f ? linear * 12.92f : 1.055f * std::pow(linear, 1.0f / 2.4f) - 0.055f;
}

// Three box blurs in a row approach a Gaussian closely; these are the box widths that give
// standard deviation sigma.
std::vector<int> boxRadiiForGauss(qreal sigma)
{
    constexpr int passes = 3;
    const qreal ideal = std::sqrt(12 * sigma * sigma / passes + 1);
    int lower = static_cast<int>(std::floor(ideal));
    if (lower % 2 == 0)
        --lower;
    const int upper = lower + 2;
    const qreal lowerCount = (12 * sigma * sigma - passes * lower * lower - 4 * passes * lower
                              - 3 * passes)
        / (-4.0 * lower - 4);
    const int lowerPasses = static_cast<int>(std::lround(lowerCount));
    std::vector<int> radii;
    for (int pass = 0; pass < passes; ++pass)
        radii.push_back(((pass < lowerPasses ? lower : upper) - 1) / 2);
    return radii;
}

// Triangular noise of one 8-bit step either way, in a tile repeated over the picture: it
// breaks the steps of a slow gradient into grain too fine to see. The rounding half-step is
// folded in, so quantising is a truncation.
constexpr int noiseTileSide = 64;

const std::vector<float> &noiseTile()
{
    static const std::vector<float> tile = [] {
        std::vector<float> values(noiseTileSide * noiseTileSide);
        for (std::uint32_t i = 0; i < values.size(); ++i) {
            std::uint32_t hash = i * 0x8da6b343u + 0x68e31da4u;
            hash ^= hash >> 15;
            hash *= 0x2c1b3c6du;
            hash ^= hash >> 12;
            hash *= 0x297a2d39u;
            hash ^= hash >> 15;
            values[i] = float(hash & 0xffffu) / 65536.0f + float(hash >> 16) / 65536.0f - 0.5f;
        }
        return values;
    }();
    return tile;
}

// `scaled` is a channel times 255 with the noise added; values below zero clamp to zero, so
// truncating equals rounding down wherever it matters.
inline int quantise(float scaled, int ceiling)
{
    return std::min(std::max(static_cast<int>(scaled), 0), ceiling);
}

void warnNoHelperThread()
{
    static bool warned = false;
    if (std::exchange(warned, true))
        return;
    logWarn(QStringLiteral("BreakOverlay"),
            QStringLiteral("No thread could be started to draw the backdrop; drawing it on the main thread"));
}

} // namespace

std::vector<SoftImage::Tap> SoftImage::taps(int sourceLength, int targetLength)
{
    std::vector<Tap> result(targetLength);
    const float scale = float(sourceLength) / float(targetLength);
    for (int i = 0; i < targetLength; ++i) {
        const float position = std::clamp((i + 0.5f) * scale - 0.5f, 0.0f, float(sourceLength - 1));
        const int first = static_cast<int>(position);
        result[i] = {first, std::min(first + 1, sourceLength - 1), position - first};
    }
    return result;
}

SoftImage::SoftImage(int width, int height, const QColor &fill)
    : m_width(std::max(width, 0)), m_height(std::max(height, 0)),
      m_pixels(qsizetype(m_width) * m_height, premultiplied(fill))
{
}

SoftImage SoftImage::fromImage(const QImage &image)
{
    const QImage source = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    SoftImage result(source.width(), source.height());
    for (int y = 0; y < source.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        for (int x = 0; x < source.width(); ++x) {
            const QRgb value = line[x];
            result.m_pixels[result.index(x, y)] = {qRed(value) / 255.0f, qGreen(value) / 255.0f,
                                                   qBlue(value) / 255.0f, qAlpha(value) / 255.0f};
        }
    }
    return result;
}

void SoftImage::fillLinearGradient(QPointF startFraction, QPointF endFraction,
                                   const QColor &from, const QColor &to)
{
    const Pixel first = premultiplied(from);
    const Pixel last = premultiplied(to);
    const QPointF axis = endFraction - startFraction;
    const qreal axisLengthSquared = QPointF::dotProduct(axis, axis);
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            const QPointF at((x + 0.5) / m_width, (y + 0.5) / m_height);
            const qreal along = axisLengthSquared > 0
                ? QPointF::dotProduct(at - startFraction, axis) / axisLengthSquared
                : 0.0;
            m_pixels[index(x, y)] = mix(first, last, float(std::clamp(along, 0.0, 1.0)));
        }
    }
}

void SoftImage::drawDisc(QPointF centre, qreal radius, const QColor &colour)
{
    const Pixel ink = premultiplied(colour);
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            const qreal dx = x + 0.5 - centre.x(), dy = y + 0.5 - centre.y();
            const qreal distance = std::sqrt(dx * dx + dy * dy);
            const float coverage = float(std::clamp(radius - distance + 0.5, 0.0, 1.0));
            if (coverage > 0)
                m_pixels[index(x, y)] = over(mix(Pixel{}, ink, coverage), m_pixels[index(x, y)]);
        }
    }
}

void SoftImage::blur(qreal sigma)
{
    if (isNull() || sigma < 0.5)
        return;
    const std::vector<int> radii = boxRadiiForGauss(sigma);
    for (int radius : radii)
        boxBlurRows(radius);
    transpose();
    for (int radius : radii)
        boxBlurRows(radius);
    transpose();
}

void SoftImage::boxBlurRows(int radius)
{
    if (radius < 1)
        return;
    const float share = 1.0f / float(2 * radius + 1);
    std::vector<Pixel> row(m_width);
    for (int y = 0; y < m_height; ++y) {
        std::copy_n(m_pixels.begin() + index(0, y), m_width, row.begin());
        auto at = [&](int x) { return row[std::clamp(x, 0, m_width - 1)]; };
        auto add = [](Pixel &sum, const Pixel &in, const Pixel &out) {
            sum = {sum.red + in.red - out.red, sum.green + in.green - out.green,
                   sum.blue + in.blue - out.blue, sum.alpha + in.alpha - out.alpha};
        };
        Pixel sum;
        for (int k = -radius; k <= radius; ++k)
            add(sum, at(k), Pixel{});
        for (int x = 0; x < m_width; ++x) {
            m_pixels[index(x, y)] = {sum.red * share, sum.green * share, sum.blue * share,
                                     sum.alpha * share};
            add(sum, at(x + radius + 1), at(x - radius));
        }
    }
}

void SoftImage::transpose()
{
    std::vector<Pixel> turned(m_pixels.size());
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x)
            turned[qsizetype(x) * m_height + y] = m_pixels[index(x, y)];
    }
    m_pixels.swap(turned);
    std::swap(m_width, m_height);
}

void SoftImage::scaleSaturation(float factor)
{
    for (Pixel &pixel : m_pixels) {
        const float grey = 0.2126f * pixel.red + 0.7152f * pixel.green + 0.0722f * pixel.blue;
        auto push = [&](float channel) {
            return std::clamp(grey + (channel - grey) * factor, 0.0f, pixel.alpha);
        };
        pixel = {push(pixel.red), push(pixel.green), push(pixel.blue), pixel.alpha};
    }
}

void SoftImage::compositeOver(const SoftImage &top)
{
    if (top.m_width != m_width || top.m_height != m_height)
        return;
    for (size_t i = 0; i < m_pixels.size(); ++i)
        m_pixels[i] = over(top.m_pixels[i], m_pixels[i]);
}

void SoftImage::boundLuminance(float minimum, float maximum)
{
    for (Pixel &pixel : m_pixels) {
        if (pixel.alpha <= 0.0f)
            continue;
        float light[] = {linearLight(pixel.red / pixel.alpha), linearLight(pixel.green / pixel.alpha),
                         linearLight(pixel.blue / pixel.alpha)};
        const float luminance = 0.2126f * light[0] + 0.7152f * light[1] + 0.0722f * light[2];
        if (luminance < minimum) {
            const float towardsWhite = (minimum - luminance) / (1.0f - luminance);
            for (float &channel : light)
                channel += (1.0f - channel) * towardsWhite;
        } else if (luminance > maximum) {
            for (float &channel : light)
                channel *= maximum / luminance;
        } else {
            continue;
        }
        pixel = {encodedLight(light[0]) * pixel.alpha, encodedLight(light[1]) * pixel.alpha,
                 encodedLight(light[2]) * pixel.alpha, pixel.alpha};
    }
}

void SoftImage::compositeOver(const QColor &colour)
{
    const Pixel ink = premultiplied(colour);
    for (Pixel &pixel : m_pixels)
        pixel = over(ink, pixel);
}

bool SoftImage::isBlack() const
{
    constexpr float darkest = 2.0f / 255.0f;
    return std::all_of(m_pixels.begin(), m_pixels.end(), [](const Pixel &pixel) {
        return pixel.red < darkest && pixel.green < darkest && pixel.blue < darkest;
    });
}

void SoftImage::enlargeRows(const Enlargement &job, int firstRow, int endRow) const
{
    const std::vector<float> &noise = noiseTile();
    // Per row of the small picture: each pixel in 8-bit units, and the step to its right
    // neighbour, so each output pixel costs one multiply-add per channel.
    std::vector<Pixel> row(m_width);
    std::vector<Pixel> step(m_width);
    for (int y = firstRow; y < endRow; ++y) {
        const Tap &tap = job.rows[y];
        for (int x = 0; x < m_width; ++x) {
            const Pixel mixed = mix(pixel(x, tap.first), pixel(x, tap.second), tap.weight);
            row[x] = {mixed.red * 255, mixed.green * 255, mixed.blue * 255,
                      mixed.alpha * 255 + 0.5f};
        }
        for (int x = 0; x < m_width; ++x) {
            const Pixel &next = row[std::min(x + 1, m_width - 1)];
            step[x] = {next.red - row[x].red, next.green - row[x].green, next.blue - row[x].blue,
                       next.alpha - row[x].alpha};
        }
        const float *noiseRow = noise.data() + (y & (noiseTileSide - 1)) * noiseTileSide;
        auto *line = reinterpret_cast<QRgb *>(job.bits + y * job.bytesPerLine);
        for (int x = 0; x < int(job.columns.size()); ++x) {
            const Tap &column = job.columns[x];
            const Pixel &from = row[column.first];
            const Pixel &slope = step[column.first];
            const float grain = noiseRow[x & (noiseTileSide - 1)];
            const int alpha = quantise(from.alpha + slope.alpha * column.weight, 255);
            line[x] = qRgba(quantise(from.red + slope.red * column.weight + grain, alpha),
                            quantise(from.green + slope.green * column.weight + grain, alpha),
                            quantise(from.blue + slope.blue * column.weight + grain, alpha), alpha);
        }
    }
}

QImage SoftImage::toImage(QSize size) const
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull() || isNull())
        return image;
    const std::vector<Tap> columns = taps(m_width, size.width());
    const std::vector<Tap> rows = taps(m_height, size.height());
    const Enlargement job{image.bits(), image.bytesPerLine(), columns, rows};
    // A large screen has millions of pixels to fill and the break waits for them; the rows
    // are independent, so the cores share them.
    const int bands = std::clamp(int(std::thread::hardware_concurrency()), 1, maxBands);
    auto bandStart = [&](int band) { return int(qint64(size.height()) * band / bands); };
    std::vector<std::thread> helpers;
    int band = 1;
    for (; band < bands; ++band) {
        try {
            helpers.emplace_back([this, &job, first = bandStart(band), end = bandStart(band + 1)] {
                enlargeRows(job, first, end);
            });
        } catch (const std::system_error &) {
            // No thread to be had (the process is at its limit of threads or of address
            // space): the bands left are filled here, only more slowly.
            warnNoHelperThread();
            break;
        }
    }
    enlargeRows(job, 0, bandStart(1));
    enlargeRows(job, bandStart(band), size.height());
    for (std::thread &helper : helpers)
        helper.join();
    return image;
}
