#include "settings_ui/panes/statistics/StatsColors.h"

#include "settings_ui/components/NamedColors.h"

QColor StatsColors::color(StatsTint tint, ColorScheme scheme)
{
    const bool dark = scheme == ColorScheme::dark;
    switch (tint) {
    case StatsTint::timed:
        return QColor::fromRgbF(0.24f, 0.52f, 0.92f);
    case StatsTint::away:
        return QColor::fromRgbF(0.20f, 0.68f, 0.48f);
    case StatsTint::teal:
        return NamedColors::color(NamedColor::teal, scheme);
    case StatsTint::orange:
        return NamedColors::color(NamedColor::orange, scheme);
    case StatsTint::indigo:
        // Not among the window's named colours: only this pane marks anything indigo.
        return dark ? QColor(94, 92, 230) : QColor(88, 86, 214);
    case StatsTint::gray:
        return NamedColors::color(NamedColor::gray, scheme);
    case StatsTint::red:
        return NamedColors::color(NamedColor::red, scheme);
    case StatsTint::blue:
        return NamedColors::color(NamedColor::blue, scheme);
    }
    return {};
}
