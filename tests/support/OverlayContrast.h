#pragma once

#include "breakscreen/BreakScreenChoices.h"
#include "core/AppTheme.h"
#include "support/InkContrast.h"

#include <QImage>
#include <QList>

class BreakOverlayView;

// How well each text of a break overlay stands out from what lies behind it: the WCAG
// contrast ratio between the text's colour laid over the backdrop and the backdrop itself,
// at the worst place within the text's box. The backdrop is `background` in `scheme` composed
// over `desktop` (which is also the screen it shows); the drifting leaves, text shadows and
// the controls' faint capsules are left out. Each text's floor is InkContrast::floorFor's.
// `view` must be laid out at the desktop's size; texts hidden or faded out are skipped.
QList<TextContrast> measureTextContrast(const BreakOverlayView &view, const QImage &desktop,
                                        BreakBG background, ColorScheme scheme);
