#pragma once

#include "breakscreen/FloatingParticles.h"

#include <QImage>

#include <functional>

class AppSettings;
class Clock;
class QScreen;
class ThemeManager;

// What the break overlay works with besides its configuration: the settings it reads live,
// the clock of its countdown and drifting leaves, the theme that tints the blur backdrop, and
// a picture of its screen for that backdrop, asked for once when the overlay is built and
// only when the blur backdrop is chosen, and the random source that scatters the leaves.
struct BreakOverlayServices
{
    AppSettings &settings;
    Clock &clock;
    ThemeManager &theme;
    std::function<QImage()> grabScreen;
    FloatingParticles::UnitRandom leafRandom = FloatingParticles::systemRandom();

    // The application's settings, theme and clock, and the content of `screen` (the primary
    // screen when none is given).
    static BreakOverlayServices shared(QScreen *screen = nullptr);
};
