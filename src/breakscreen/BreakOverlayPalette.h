#pragma once

#include "breakscreen/BreakScreenChoices.h"
#include "core/AppTheme.h"

#include <QColor>

// The break overlay's colours. On the blur backdrop, which is tinted light or dark with the
// desktop, text takes the label greys of that scheme; every other backdrop is dark, and text
// on it is white at the stated opacities. Every text stands out at 4.5:1 at least from what
// lies behind it on any of the backdrops: the backdrop itself, a control's capsule, the
// snooze menu's panel.
class BreakOverlayPalette
{
public:
    BreakOverlayPalette(BreakBG background, ColorScheme scheme);

    // The title of the "Break complete" panel.
    QColor primaryText() const;
    // Message, countdown, ring and bar fill: `onBlur` is the opacity over the blur
    // backdrop, `onDark` the white's over the others.
    QColor secondaryText(qreal onBlur, qreal onDark) const;
    // The clock line: a share of the secondary grey, but on the dark backdrops strong enough
    // for its small size.
    QColor clockText() const;
    // The Escape hint.
    QColor tertiaryText() const;
    // The strict-mode hint.
    QColor quaternaryText() const;
    // Ring and bar tracks.
    QColor track() const;
    // The one colour every action control derives its text, fill and border from.
    QColor tint() const;
    // The tick of "Break complete".
    QColor green() const;
    // The Resume capsule: a deeper shade of the same green, solid, so that its white label
    // reads at 4.5:1 whatever lies behind the capsule.
    QColor resumeFill() const;
    // Text shadows are stronger over the dark backdrops than over the tinted blur.
    qreal shadowOpacity(qreal onBlur, qreal onDark) const;

private:
    bool onBlur() const { return m_background == BreakBG::blur; }
    QColor label(qreal levelOpacity, qreal extraOpacity) const;

    BreakBG m_background;
    ColorScheme m_scheme;
};
