#pragma once

#include "breakscreen/BreakScreenChoices.h"
#include "core/AppTheme.h"

#include <QImage>

#include <memory>

class BreakBackgroundPainter;
class QScreen;

// Which backdrop each background choice paints: the overlay's on the screen with the break's
// controls, a plainer one on every other screen. `scheme` tints the blur backdrop; the
// others are dark whatever the desktop. The screen is read only for the blur backdrop.
class BreakBackgrounds
{
public:
    static std::unique_ptr<BreakBackgroundPainter> forOverlay(BreakBG background,
                                                              ColorScheme scheme, QScreen *screen);
    static std::unique_ptr<BreakBackgroundPainter> forOverlay(BreakBG background,
                                                              ColorScheme scheme,
                                                              const QImage &screenGrab);

    static std::unique_ptr<BreakBackgroundPainter> forSecondaryScreen(BreakBG background,
                                                                      ColorScheme scheme,
                                                                      QScreen *screen);
    static std::unique_ptr<BreakBackgroundPainter> forSecondaryScreen(BreakBG background,
                                                                      ColorScheme scheme,
                                                                      const QImage &screenGrab);
};
