#pragma once

#include "support/InkContrast.h"

#include <QList>

#include <optional>

class QWidget;

// How well each small text of a settings window (14 pixels or less) stands out from what is
// drawn behind it: the WCAG ratio of the text's ink laid over the pixels the window shows
// around its letters, at the worst of them. Every text drawn counts, whether a label or a
// control painted it, except the texts of controls that are switched off; `root` must be
// shown and laid out, and draws its own ground.
QList<TextContrast> measureSmallTextContrast(QWidget &root);

// The text of `texts` that comes closest to its floor or falls furthest under it; none when
// there is no text.
std::optional<TextContrast> weakestText(const QList<TextContrast> &texts);
