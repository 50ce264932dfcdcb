#pragma once

#include "breakscreen/BreakScreenChoices.h"
#include "core/AppTheme.h"
#include "support/InkContrast.h"

#include <QImage>
#include <QList>

class BreakOverlayView;
class BreakSecondaryView;

// How well each text of a break overlay stands out from what lies behind it: the WCAG
// contrast ratio between the text's colour laid over what is drawn around its letters and
// that, at the worst place within the text's box. Behind a text lie the backdrop
// (`background` in `scheme` over `desktop`, which is also the screen it shows) and whatever
// the overlay draws under it: a control's capsule, the snooze menu's panel and its pressed
// row. The drifting leaves and the texts' own shadows are left out. Every text counts, the
// controls' labels and the menu's rows included, except what the open snooze menu covers.
// Each text's floor is InkContrast::floorFor's. `view` must be laid out at the desktop's
// size; texts hidden or faded out are skipped.
QList<TextContrast> measureTextContrast(BreakOverlayView &view, const QImage &desktop,
                                        BreakBG background, ColorScheme scheme);

// Puts every control of the overlay's action row in its strongest state at once, as a
// pointer and a click would: the pills hovered, the snooze menu open with its first row
// held down.
void activateEveryControl(BreakOverlayView &view);

// The same for a screen without the break's controls: its label laid over what the view
// shows around it, the view drawn over `desktop` (of the view's size) where its backdrop lets
// the screen through.
QList<TextContrast> measureSecondaryScreenContrast(BreakSecondaryView &view,
                                                   const QImage &desktop);
