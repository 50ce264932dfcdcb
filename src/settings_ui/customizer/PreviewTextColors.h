#pragma once

#include "breakscreen/BreakScreenChoices.h"
#include "core/AppTheme.h"

#include <QColor>

// The colours of the customizer preview's texts, which depend only on whether the background
// is the blur. Over the blur they are the label greys of the window's scheme, drawn vibrant
// as the break screen draws them on its material, so they read on any desktop; every other
// background is dark and takes white at fixed strengths.
class PreviewTextColors
{
public:
    PreviewTextColors(BreakBG background, ColorScheme scheme);

    // The message and the pills' labels.
    QColor primary() const;
    // The clock, the countdown's digits and its progress.
    QColor secondary() const;
    // The ring's and the bar's tracks.
    QColor track() const;
    // The Esc hint.
    QColor hint() const;
    // The thin material of the pills: of the window's scheme over the blur, dark elsewhere,
    // so that their white labels keep their contrast.
    QColor pillMaterial() const;

private:
    bool onBlur() const { return m_background == BreakBG::blur; }
    QColor label(qreal level, qreal opacity) const;

    BreakBG m_background;
    ColorScheme m_scheme;
};
