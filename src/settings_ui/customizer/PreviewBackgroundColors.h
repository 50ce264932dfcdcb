#pragma once

#include "breakscreen/BreakScreenChoices.h"
#include "core/AppTheme.h"

#include <QBrush>
#include <QColor>
#include <QRectF>

// The colours of the customizer's backgrounds, shared by the preview and the background
// picker's swatches so that a swatch shows what the preview will. They are the preview's
// own, a little brighter than the full-screen backdrops, since they are seen small and
// beside the window's chrome.
class PreviewBackgroundColors
{
public:
    static const QColor natureStart;
    static const QColor natureEnd;
    static const QColor darkFill;
    static const QColor gradientStart;
    static const QColor gradientEnd;

    // How `background` fills `rect`: its corner-to-corner gradient or plain colour; the blur,
    // which shows the desktop, as a neutral grey.
    static QBrush swatch(BreakBG background, const QRectF &rect, ColorScheme scheme);
};
