#pragma once

#include "breakscreen/BreakOverlayHint.h"
#include "breakscreen/BreakOverlayPalette.h"
#include "breakscreen/BreakTextStyle.h"

// How the break overlay sets its texts, in the palette of its backdrop.
class BreakOverlayStyles
{
public:
    // Large and airy, wrapped at `wrapWidth`, with a wide soft shadow.
    static BreakTextStyle message(const BreakOverlayPalette &palette, int wrapWidth);
    // Small, with even digits, dimmer than the countdown.
    static BreakTextStyle clockLine(const BreakOverlayPalette &palette);
    // Strict mode encourages in a quieter colour than the Escape hints explain.
    static BreakTextStyle hint(const BreakOverlayPalette &palette, BreakOverlayHint hint);
    // The frosted panel behind the snooze menu: dark over the dark backdrops, else in the
    // desktop's scheme, so its rows keep their contrast.
    static QColor menuMaterial(bool darkBackdrop);
};
