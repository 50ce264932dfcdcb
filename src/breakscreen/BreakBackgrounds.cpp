#include "breakscreen/BreakBackgrounds.h"

#include "breakscreen/BlurBackgroundPainter.h"
#include "breakscreen/GradientBackgroundPainter.h"
#include "breakscreen/NatureBackgroundPainter.h"

namespace {

QColor rgb(float red, float green, float blue)
{
    return QColor::fromRgbF(red, green, blue);
}

std::unique_ptr<BreakBackgroundPainter> gradient(GradientBackgroundPainter painter)
{
    return std::make_unique<GradientBackgroundPainter>(std::move(painter));
}

QImage grabForBlur(BreakBG background, QScreen *screen)
{
    // Reading a screen copies every pixel of it: only the blur backdrop needs that.
    return background == BreakBG::blur ? BlurBackgroundPainter::grabScreen(screen) : QImage();
}

} // namespace

std::unique_ptr<BreakBackgroundPainter> BreakBackgrounds::forOverlay(BreakBG background,
                                                                     ColorScheme scheme,
                                                                     QScreen *screen)
{
    return forOverlay(background, scheme, grabForBlur(background, screen));
}

std::unique_ptr<BreakBackgroundPainter> BreakBackgrounds::forOverlay(BreakBG background,
                                                                     ColorScheme scheme,
                                                                     const QImage &screenGrab)
{
    switch (background) {
    case BreakBG::nature:
        return std::make_unique<NatureBackgroundPainter>();
    case BreakBG::dark:
        return gradient(GradientBackgroundPainter::vertical(rgb(0.08f, 0.08f, 0.10f),
                                                            rgb(0.03f, 0.03f, 0.05f)));
    case BreakBG::gradient:
        return gradient(GradientBackgroundPainter::diagonal(rgb(0.09f, 0.11f, 0.16f),
                                                            rgb(0.03f, 0.04f, 0.08f)));
    case BreakBG::blur:
        break;
    }
    return std::make_unique<BlurBackgroundPainter>(screenGrab, scheme);
}

std::unique_ptr<BreakBackgroundPainter> BreakBackgrounds::forSecondaryScreen(BreakBG background,
                                                                             ColorScheme scheme,
                                                                             QScreen *screen)
{
    return forSecondaryScreen(background, scheme, grabForBlur(background, screen));
}

std::unique_ptr<BreakBackgroundPainter>
BreakBackgrounds::forSecondaryScreen(BreakBG background, ColorScheme scheme,
                                     const QImage &screenGrab)
{
    switch (background) {
    case BreakBG::nature:
        return gradient(GradientBackgroundPainter::diagonal(rgb(0.12f, 0.18f, 0.07f),
                                                            rgb(0.06f, 0.09f, 0.03f)));
    case BreakBG::dark:
        return gradient(GradientBackgroundPainter::vertical(rgb(0.03f, 0.03f, 0.05f),
                                                            rgb(0.03f, 0.03f, 0.05f)));
    case BreakBG::gradient:
        return gradient(GradientBackgroundPainter::diagonal(rgb(0.06f, 0.04f, 0.12f),
                                                            rgb(0.02f, 0.02f, 0.06f)));
    case BreakBG::blur:
        break;
    }
    return std::make_unique<BlurBackgroundPainter>(screenGrab, scheme);
}
