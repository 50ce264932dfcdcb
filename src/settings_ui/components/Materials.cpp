#include "settings_ui/components/Materials.h"

#include <array>

namespace {

// Opacity of the fill for each material, thinnest first: light schemes lay white over what
// is behind, dark schemes a near-black grey.
constexpr std::array<qreal, 4> opacities = {0.36, 0.52, 0.7, 0.84};

} // namespace

QColor Materials::fill(Material material, ColorScheme scheme)
{
    QColor colour = scheme == ColorScheme::dark ? QColor(40, 40, 44) : QColor(252, 252, 252);
    colour.setAlphaF(float(opacities.at(std::size_t(material))));
    return colour;
}
