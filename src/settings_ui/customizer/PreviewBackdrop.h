#pragma once

#include "breakscreen/BreakScreenChoices.h"
#include "core/AppTheme.h"

#include <QPixmap>
#include <QRectF>

#include <optional>

class QPainter;

// The backgrounds of the customizer's preview. The blur (a drawn desktop, blurred and
// tinted with the break screen's light or dark material) is made once per size and scheme,
// the nature glows once per size, and both are then only copied, so typing a message repaints
// without blurring anything again. The plain gradients are cheap enough to fill each time.
class PreviewBackdrop
{
public:
    // Blur strength of the material, as a standard deviation in logical pixels.
    static constexpr qreal blurSigma = 9;

    // Fills `rect` (logical pixels) with `background` at the painter's pixel ratio.
    void paint(QPainter &painter, BreakBG background, const QRectF &rect, ColorScheme scheme);

    // How many blurred or glowing pictures have been made so far.
    int renders() const { return m_renders; }

private:
    struct Cached
    {
        QSize pixelSize;
        qreal ratio = 0;
        ColorScheme scheme = ColorScheme::light;
        QPixmap picture;
    };

    const QPixmap &blurred(QSize pixelSize, qreal ratio, ColorScheme scheme);
    const QPixmap &nature(QSize pixelSize, qreal ratio);

    std::optional<Cached> m_blur;
    std::optional<Cached> m_nature;
    int m_renders = 0;
};
