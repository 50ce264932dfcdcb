#include "onboarding/OnboardingPalette.h"

namespace {

QColor white(qreal opacity)
{
    return QColor::fromRgbF(1, 1, 1, float(opacity));
}

QColor black(qreal opacity)
{
    return QColor::fromRgbF(0, 0, 0, float(opacity));
}

QColor srgb(float red, float green, float blue)
{
    return QColor::fromRgbF(red, green, blue);
}

} // namespace

QColor OnboardingPalette::green(qreal opacity)
{
    return QColor::fromRgbF(0.396f, 0.714f, 0.169f, float(opacity));
}

QColor OnboardingPalette::base(bool dark)
{
    return dark ? srgb(0.05f, 0.06f, 0.04f) : srgb(0.955f, 0.955f, 0.94f);
}

QColor OnboardingPalette::primaryText(bool dark)
{
    return dark ? white(1) : srgb(0.11f, 0.11f, 0.12f);
}

QColor OnboardingPalette::secondaryText(bool dark)
{
    return dark ? white(0.5) : srgb(0.36f, 0.36f, 0.38f);
}

QColor OnboardingPalette::backFill(bool dark)
{
    return dark ? white(0.05) : black(0.05);
}

QColor OnboardingPalette::indicatorIdle(bool dark)
{
    return dark ? white(0.15) : black(0.12);
}

// A deep green, so that the white label stands out at 4.5:1 from the whole capsule.
QColor OnboardingPalette::nextGradientStart()
{
    return srgb(0.2f, 0.45f, 0.08f);
}

QColor OnboardingPalette::nextGradientEnd()
{
    return srgb(0.26f, 0.53f, 0.1f);
}

QColor OnboardingPalette::cardFill(bool dark)
{
    return dark ? white(0.055) : white(0.55);
}

QColor OnboardingPalette::cardBorder(bool dark)
{
    return dark ? white(0.11) : black(0.08);
}

QColor OnboardingPalette::cardShadow(bool dark)
{
    return black(dark ? 0.14 : 0.04);
}

QColor OnboardingPalette::badgeFill(bool dark)
{
    return green(dark ? 0.11 : 0.13);
}

QColor OnboardingPalette::divider(bool dark)
{
    return dark ? white(0.11) : black(0.08);
}

QColor OnboardingPalette::selectorHeading(bool dark)
{
    return dark ? white(0.68) : srgb(0.32f, 0.32f, 0.34f);
}

QColor OnboardingPalette::controlBorder(bool dark)
{
    return dark ? white(0.06) : black(0.08);
}

QColor OnboardingPalette::unselectedFill(bool dark, qreal opacity)
{
    return dark ? white(opacity) : black(opacity);
}

QColor OnboardingPalette::tileText(bool dark, bool selected)
{
    if (selected)
        return dark ? white(1) : srgb(0.16f, 0.43f, 0.08f);
    return dark ? white(0.5) : srgb(0.4f, 0.4f, 0.42f);
}

QColor OnboardingPalette::modeIcon(bool dark)
{
    return dark ? white(0.5) : srgb(0.4f, 0.4f, 0.42f);
}

QColor OnboardingPalette::modeTitle(bool dark, bool selected)
{
    if (selected)
        return dark ? white(0.88) : srgb(0.11f, 0.11f, 0.12f);
    return modeIcon(dark);
}

QColor OnboardingPalette::toggleTitle(bool dark)
{
    return dark ? white(0.78) : srgb(0.2f, 0.2f, 0.21f);
}

QColor OnboardingPalette::toggleSubtitle(bool dark)
{
    return dark ? white(0.52) : srgb(0.42f, 0.42f, 0.44f);
}

QColor OnboardingPalette::previewValue(bool dark)
{
    return dark ? white(0.88) : srgb(0.11f, 0.11f, 0.12f);
}

// The preview's small captions are as faint as they can be and still stand out at 4.5:1
// where the background's glow lies behind them; "then" is the fainter of the two.
QColor OnboardingPalette::previewCaption(bool dark)
{
    return dark ? white(0.54) : srgb(0.4f, 0.4f, 0.42f);
}

QColor OnboardingPalette::previewThen(bool dark)
{
    return dark ? white(0.5) : srgb(0.42f, 0.42f, 0.44f);
}
