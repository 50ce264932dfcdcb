#pragma once

#include "core/AppTheme.h"

#include <QColor>

// The translucent "materials" of the settings window's layouts, as plain fills of our own
// palettes: a blurred backdrop is not to be had for a widget inside a window, and a tint that
// lets the colour behind it through reads the same on a card or a gradient tile.
enum class Material { ultraThin, thin, regular, thick };

class Materials
{
public:
    static QColor fill(Material material, ColorScheme scheme);
};
