#pragma once

#include "core/AppTheme.h"

#include <QColor>

class SoftImage;

// The frosted material of the "blur" backdrop, light or dark with the desktop, and the inks
// its labels are drawn with. Whatever the desktop shows, the material keeps its brightness
// inside a band (no darker than its floor when light, no brighter than its ceiling when
// dark), and its labels are vibrant: even the faintest grey is drawn strongly enough to
// stand out at 4.5:1 anywhere on that band. The label levels stay apart, each fainter than
// the one above it, only closer together than on a flat colour.
class BlurMaterial
{
public:
    explicit BlurMaterial(ColorScheme scheme);

    // Laid over the blurred screen, its strength in its opacity.
    QColor tint() const;
    // Where the screen cannot be read: a translucent fill that meets the band whatever
    // shows through it.
    QColor translucentFill() const;
    // The band of relative luminance (0 black, 1 white) every pixel is held in.
    float minimumLuminance() const;
    float maximumLuminance() const;
    // The ink of a label grey of `opacity`: the grey's own opacity times the text's.
    QColor labelInk(qreal opacity) const;

    // Turns a blurred picture of the screen into the material.
    void apply(SoftImage &blurredScreen) const;

private:
    bool isDark() const { return m_scheme == ColorScheme::dark; }

    ColorScheme m_scheme;
};
