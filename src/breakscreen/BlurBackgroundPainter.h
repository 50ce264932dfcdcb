#pragma once

#include "breakscreen/BreakBackgroundPainter.h"
#include "breakscreen/SoftImage.h"
#include "core/AppTheme.h"

#include <QColor>

class QScreen;

// The "blur" backdrop: what was on the screen when the break began, heavily blurred into a
// light or dark material (see BlurMaterial). The picture is taken once per screen per break, before the break's
// panels cover the screen, and reduced at once to a small blurred copy; the full-size grab
// is not kept. Where the screen cannot be read (Wayland forbids it, and some servers hand
// back black), the backdrop is a translucent fill in the tint's colour instead.
class BlurBackgroundPainter : public BreakBackgroundPainter
{
public:
    // `screenGrab` may be null: the translucent fill is used then.
    BlurBackgroundPainter(const QImage &screenGrab, ColorScheme scheme);

    // The screen's current content, or a null image when the platform cannot give it. Call
    // it before the break's panel is shown on that screen, or the panel grabs itself.
    static QImage grabScreen(QScreen *screen);

    bool isOpaque() const override { return m_usesScreen; }
    bool usesScreen() const { return m_usesScreen; }

    static QColor translucentFill(ColorScheme scheme);

    // How soft the blur is, as a standard deviation in logical pixels of the screen.
    static constexpr qreal blurRadius = 30.0;

protected:
    QImage render(QSize pixelSize, qreal devicePixelRatio) const override;

private:
    SoftImage m_picture;
    ColorScheme m_scheme;
    bool m_usesScreen = false;
};
