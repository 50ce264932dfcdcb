#include "onboarding/OnboardingBackground.h"

#include "breakscreen/SoftShadow.h"
#include "onboarding/OnboardingPalette.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {

// The backdrop holds no detail: it is composed at this fraction of the view's size and
// enlarged smoothly.
constexpr qreal composeScale = 0.25;

using Rgb = std::array<float, 3>;

struct Glow
{
    QColor colour; // with its opacity
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

Rgb rgbOf(const QColor &colour)
{
    return {colour.redF(), colour.greenF(), colour.blueF()};
}

// The light scheme's wash from the top-leading to the bottom-trailing corner.
Rgb washAt(float along)
{
    const Rgb stops[] = {{0.96f, 0.97f, 0.94f}, {0.955f, 0.955f, 0.94f}, {0.95f, 0.94f, 0.93f}};
    const int first = along < 0.5f ? 0 : 1;
    const float share = std::clamp((along - 0.5f * float(first)) * 2, 0.0f, 1.0f);
    Rgb colour;
    for (int channel = 0; channel < 3; ++channel)
        colour[channel] = stops[first][channel] + (stops[first + 1][channel] - stops[first][channel]) * share;
    return colour;
}

class Canvas
{
public:
    Canvas(QSize size, bool dark)
        : m_size(size)
        , m_pixels(size_t(size.width()) * size_t(size.height()), rgbOf(OnboardingPalette::base(dark)))
    {
        if (dark)
            return;
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                at(x, y) = washAt((float(x) / size.width() + float(y) / size.height()) / 2);
    }

    // The glow's blurred disc laid over the canvas, its coverage kept in floating point so
    // that a faint glow keeps every step of its fall-off.
    void addGlow(const Glow &glow)
    {
        QImage disc(m_size, QImage::Format_Alpha8);
        disc.fill(0);
        QPainter painter(&disc);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        const qreal radius = glow.diameter / 2 * composeScale;
        painter.drawEllipse(QPointF(m_size.width() / 2.0, m_size.height() / 2.0) + glow.offset * composeScale,
                            radius, radius);
        painter.end();
        SoftShadow::blur(disc, glow.blurRadius * composeScale);
        const Rgb colour = rgbOf(glow.colour);
        const float opacity = glow.colour.alphaF();
        for (int y = 0; y < m_size.height(); ++y) {
            const uchar *coverage = disc.constScanLine(y);
            for (int x = 0; x < m_size.width(); ++x) {
                const float share = opacity * coverage[x] / 255.0f;
                Rgb &pixel = at(x, y);
                for (int channel = 0; channel < 3; ++channel)
                    pixel[channel] += (colour[channel] - pixel[channel]) * share;
            }
        }
    }

    // Eight bits per channel with a little noise, so the slow fall-off of a glow on the dark
    // base does not break into visible rings.
    QImage toImage() const
    {
        QImage image(m_size, QImage::Format_RGB32);
        quint32 seed = 0x2545F491u;
        for (int y = 0; y < m_size.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < m_size.width(); ++x) {
                int channels[3];
                for (int channel = 0; channel < 3; ++channel) {
                    seed = seed * 1664525u + 1013904223u;
                    const float noise = float(seed >> 8) / float(1u << 24) - 0.5f;
                    channels[channel] = std::clamp(int(std::lround(at(x, y)[channel] * 255 + noise)), 0, 255);
                }
                line[x] = qRgb(channels[0], channels[1], channels[2]);
            }
        }
        return image;
    }

private:
    Rgb &at(int x, int y) { return m_pixels[size_t(y) * size_t(m_size.width()) + size_t(x)]; }
    const Rgb &at(int x, int y) const { return m_pixels[size_t(y) * size_t(m_size.width()) + size_t(x)]; }

    QSize m_size;
    std::vector<Rgb> m_pixels;
};

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
    const QSize small(std::max(1, int(std::ceil(size.width() * composeScale))),
                      std::max(1, int(std::ceil(size.height() * composeScale))));
    Canvas canvas(small, dark);
    for (const Glow &glow : glowsFor(dark))
        canvas.addGlow(glow);
    QImage image = canvas.toImage().scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    image.setDevicePixelRatio(devicePixelRatio);
    return image;
}
