#include "breakscreen/BlurBackgroundPainter.h"

#include "breakscreen/BlurMaterial.h"
#include "core/Logger.h"

#include <QPixmap>
#include <QScreen>

namespace {

const QString logCategory = QStringLiteral("BreakOverlay");

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
    BlurMaterial(scheme).apply(picture);
    m_picture = std::move(picture);
    m_usesScreen = true;
}

QImage BlurBackgroundPainter::grabScreen(QScreen *screen)
{
    if (!screen)
        return {};
    return screen->grabWindow(0).toImage();
}

QColor BlurBackgroundPainter::translucentFill(ColorScheme scheme)
{
    return BlurMaterial(scheme).translucentFill();
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
