#include "settings_ui/customizer/PreviewTextColors.h"

#include "breakscreen/BlurMaterial.h"
#include "settings_ui/components/Materials.h"

namespace {

// Opacities of the label greys, as on the break screen's material.
constexpr qreal primaryLevel = 0.85;
constexpr qreal secondaryLevelLight = 0.50;
constexpr qreal secondaryLevelDark = 0.55;
constexpr qreal tertiaryLevel = 0.26;
constexpr qreal separatorLevel = 0.12;
// The Esc hint's white on the dark backgrounds, as the break screen draws it: fainter, it
// would sink under 4.5:1.
constexpr qreal hintOnDark = 0.56;

QColor white(qreal opacity)
{
    return QColor::fromRgbF(1, 1, 1, float(opacity));
}

} // namespace

PreviewTextColors::PreviewTextColors(BreakBG background, ColorScheme scheme)
    : m_background(background)
    , m_scheme(scheme)
{
}

QColor PreviewTextColors::label(qreal level, qreal opacity) const
{
    return BlurMaterial(m_scheme).labelInk(level * opacity);
}

QColor PreviewTextColors::primary() const
{
    return onBlur() ? label(primaryLevel, 0.92) : white(0.9);
}

QColor PreviewTextColors::secondary() const
{
    const qreal level = m_scheme == ColorScheme::dark ? secondaryLevelDark : secondaryLevelLight;
    return onBlur() ? label(level, 0.9) : white(0.55);
}

// A line, not a text: it stays as faint on the material as on a flat colour.
QColor PreviewTextColors::track() const
{
    const float ink = m_scheme == ColorScheme::dark ? 1.0f : 0.0f;
    return onBlur() ? QColor::fromRgbF(ink, ink, ink, float(separatorLevel * 0.7)) : white(0.12);
}

QColor PreviewTextColors::hint() const
{
    return onBlur() ? label(tertiaryLevel, 0.86) : white(hintOnDark);
}

QColor PreviewTextColors::pillMaterial() const
{
    return Materials::fill(Material::ultraThin, onBlur() ? m_scheme : ColorScheme::dark);
}
