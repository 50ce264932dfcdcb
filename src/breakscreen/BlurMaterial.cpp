#include "breakscreen/BlurMaterial.h"

#include "breakscreen/SoftImage.h"

#include <algorithm>

namespace {

// A blurred desktop looks washed out next to the sharp one, and the band flattens it
// further; more colour keeps it recognisable under the tint.
constexpr float saturationBoost = 1.4f;
// The band. Black ink at the weakest label strength below stands out at over 5:1 from any
// colour at least this bright, and white ink from any colour at most this bright.
constexpr float lightFloor = 0.60f;
constexpr float darkCeiling = 0.03f;
// Label inks run from this strength, for the faintest grey, up to full strength.
constexpr qreal weakestLabelInk = 0.62;

} // namespace

BlurMaterial::BlurMaterial(ColorScheme scheme)
    : m_scheme(scheme)
{
}

QColor BlurMaterial::tint() const
{
    return isDark() ? QColor::fromRgbF(0.11f, 0.11f, 0.13f, 0.72f)
                    : QColor::fromRgbF(0.95f, 0.95f, 0.96f, 0.68f);
}

// Opaque enough that even a white (or black) window showing through keeps it in the band.
QColor BlurMaterial::translucentFill() const
{
    return isDark() ? QColor::fromRgbF(0.10f, 0.10f, 0.12f, 0.92f)
                    : QColor::fromRgbF(0.93f, 0.93f, 0.94f, 0.90f);
}

float BlurMaterial::minimumLuminance() const
{
    return isDark() ? 0.0f : lightFloor;
}

float BlurMaterial::maximumLuminance() const
{
    return isDark() ? darkCeiling : 1.0f;
}

QColor BlurMaterial::labelInk(qreal opacity) const
{
    const float ink = isDark() ? 1.0f : 0.0f;
    const qreal strength = weakestLabelInk + (1.0 - weakestLabelInk) * std::clamp(opacity, 0.0, 1.0);
    return QColor::fromRgbF(ink, ink, ink, float(strength));
}

void BlurMaterial::apply(SoftImage &blurredScreen) const
{
    blurredScreen.scaleSaturation(saturationBoost);
    blurredScreen.compositeOver(tint());
    blurredScreen.boundLuminance(minimumLuminance(), maximumLuminance());
}
