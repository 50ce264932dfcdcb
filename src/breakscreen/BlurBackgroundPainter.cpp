#include "breakscreen/BlurBackgroundPainter.h"

#include "core/Logger.h"

#include <QPixmap>
#include <QScreen>

namespace {

const QString logCategory = QStringLiteral("BreakOverlay");

// A blurred desktop looks washed out next to the sharp one; a little more colour keeps it
// recognisable under the tint.
constexpr float saturationBoost = 1.25f;

} // namespace

BlurBackgroundPainter::BlurBackgroundPainter(const QImage &screenGrab, ColorScheme scheme)
    : m_scheme(scheme)
{
    if (screenGrab.isNull()) {
        logDebug(logCategory,
                 QStringLiteral("Screen picture unavailable; using the translucent fill"));
        return;
    }
    const QSize small = softSize(screenGrab.size());
    SoftImage picture = SoftImage::fromImage(
        screenGrab.scaled(small, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    if (picture.isBlack()) {
        logDebug(logCategory,
                 QStringLiteral("Screen picture is black; using the translucent fill"));
        return;
    }
    const qreal grabPixelsPerSmallPixel = qreal(screenGrab.width()) / small.width();
    picture.blur(blurRadius * screenGrab.devicePixelRatio() / grabPixelsPerSmallPixel);
    picture.scaleSaturation(saturationBoost);
    picture.compositeOver(tint(scheme));
    m_picture = std::move(picture);
    m_usesScreen = true;
}

QImage BlurBackgroundPainter::grabScreen(QScreen *screen)
{
    if (!screen)
        return {};
    return screen->grabWindow(0).toImage();
}

QColor BlurBackgroundPainter::tint(ColorScheme scheme)
{
    return scheme == ColorScheme::dark ? QColor::fromRgbF(0.11f, 0.11f, 0.13f, 0.72f)
                                       : QColor::fromRgbF(0.95f, 0.95f, 0.96f, 0.68f);
}

QColor BlurBackgroundPainter::translucentFill(ColorScheme scheme)
{
    return scheme == ColorScheme::dark ? QColor::fromRgbF(0.10f, 0.10f, 0.12f, 0.90f)
                                       : QColor::fromRgbF(0.93f, 0.93f, 0.94f, 0.90f);
}

QImage BlurBackgroundPainter::render(QSize pixelSize, qreal) const
{
    if (!m_usesScreen) {
        QImage fill(pixelSize, QImage::Format_ARGB32_Premultiplied);
        fill.fill(translucentFill(m_scheme));
        return fill;
    }
    return m_picture.toImage(pixelSize);
}
