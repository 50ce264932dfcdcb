#pragma once

#include <QColor>

// The colours of the notice's body and text, light or dark. The shadow is black and falls
// straight down in both; the dark palette needs a stronger one to stand out on dark windows.
struct HUDPalette
{
    static constexpr double kShadowOffsetY = 8;

    static HUDPalette forDarkness(bool isDark);

    QColor bodyTop;
    QColor bodyBottom;
    QColor border; // one pixel wide
    double shadowOpacity;
    double shadowBlurRadius;
    QColor primaryText;   // title, the compact line, the countdown figure
    QColor secondaryText; // subtitle
};
