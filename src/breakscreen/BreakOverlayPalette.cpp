#include "breakscreen/BreakOverlayPalette.h"

#include "breakscreen/BlurMaterial.h"

namespace {

// Opacities of the label greys: the ink is black on the light material and white on the dark,
// drawn vibrant (see BlurMaterial).
constexpr qreal primaryLabel = 0.85;
constexpr qreal secondaryLabelLight = 0.50;
constexpr qreal secondaryLabelDark = 0.55;
constexpr qreal tertiaryLabel = 0.26;
constexpr qreal quaternaryLabel = 0.10;
constexpr qreal separator = 0.12;
// The clock line's share of the secondary grey.
constexpr qreal clockShare = 0.92 * 0.82;

// White strengths of the small texts on the dark backdrops. Fainter, they would sink under
// 4.5:1 where Nature's glow is brightest; they keep their order, the clock over the Escape
// hint over the strict-mode encouragement.
constexpr qreal clockOnDark = 0.62;
constexpr qreal tertiaryOnDark = 0.56;
constexpr qreal quaternaryOnDark = 0.52;

QColor white(qreal opacity)
{
    return QColor::fromRgbF(1, 1, 1, float(opacity));
}

} // namespace

BreakOverlayPalette::BreakOverlayPalette(BreakBG background, ColorScheme scheme)
    : m_background(background), m_scheme(scheme)
{
}

QColor BreakOverlayPalette::label(qreal levelOpacity, qreal extraOpacity) const
{
    return BlurMaterial(m_scheme).labelInk(levelOpacity * extraOpacity);
}

QColor BreakOverlayPalette::primaryText() const
{
    return onBlur() ? label(primaryLabel, 0.92) : white(0.88);
}

QColor BreakOverlayPalette::secondaryText(qreal onBlurOpacity, qreal onDarkOpacity) const
{
    const qreal secondary =
        m_scheme == ColorScheme::dark ? secondaryLabelDark : secondaryLabelLight;
    return onBlur() ? label(secondary, onBlurOpacity) : white(onDarkOpacity);
}

QColor BreakOverlayPalette::clockText() const
{
    const qreal secondary =
        m_scheme == ColorScheme::dark ? secondaryLabelDark : secondaryLabelLight;
    // The line's own share goes into the grey's opacity, so that on the blur material the
    // vibrant ink is chosen for what is finally drawn.
    return onBlur() ? label(secondary, clockShare) : white(clockOnDark);
}

QColor BreakOverlayPalette::tertiaryText() const
{
    return onBlur() ? label(tertiaryLabel, 0.96) : white(tertiaryOnDark);
}

QColor BreakOverlayPalette::quaternaryText() const
{
    return onBlur() ? label(quaternaryLabel, 0.95) : white(quaternaryOnDark);
}

// A line, not a text: the separator grey stays as faint on the material as on a flat colour.
QColor BreakOverlayPalette::track() const
{
    const float ink = m_scheme == ColorScheme::dark ? 1.0f : 0.0f;
    return onBlur() ? QColor::fromRgbF(ink, ink, ink, float(separator * 0.5)) : white(0.18);
}

QColor BreakOverlayPalette::tint() const
{
    return onBlur() ? label(primaryLabel, 1.0) : white(1.0);
}

QColor BreakOverlayPalette::green() const
{
    return m_scheme == ColorScheme::dark ? QColor::fromRgbF(0.19f, 0.82f, 0.35f)
                                         : QColor::fromRgbF(0.20f, 0.78f, 0.35f);
}

QColor BreakOverlayPalette::resumeFill() const
{
    return m_scheme == ColorScheme::dark ? QColor::fromRgbF(0.11f, 0.49f, 0.21f)
                                         : QColor::fromRgbF(0.12f, 0.48f, 0.22f);
}

qreal BreakOverlayPalette::shadowOpacity(qreal onBlurOpacity, qreal onDarkOpacity) const
{
    return onBlur() ? onBlurOpacity : onDarkOpacity;
}
