#pragma once

#include "core/AppTheme.h"

#include <QPalette>

class QStyle;
class QWidget;

// Our own light and dark palettes for the settings window and the first-run flow, on the
// Fusion style so that standard controls look the same on every desktop. They are set on our
// own windows only (WindowTheme), never on the application, whose palette the "System"
// theme falls back to when the desktop states no preference.
//
// Custom-painted controls pick their light or dark colours with schemeOf(): a widget under
// a window that WindowTheme themes carries that window's palette, so the scheme travels down
// the widget tree the way a palette does, and a change repaints every widget.
class SettingsPalette
{
public:
    static QPalette palette(ColorScheme scheme);
    // The scheme a widget's palette was made for: dark when its window colour is dark.
    static ColorScheme schemeOf(const QWidget *widget);
    static bool isDark(const QWidget *widget) { return schemeOf(widget) == ColorScheme::dark; }
    // The one Fusion style of our windows, made on first use and kept for the run.
    static QStyle *style();
    // The colour a focus ring is drawn in for keyboard focus: opaque, it stands out at 3:1
    // from the window, the sidebar, the cards and the faint fills on them.
    static QColor focusRing(ColorScheme scheme);
    // The ring's colour on `ground` (a translucent ground lies over the window's): the focus
    // colour where it stands out from that ground at 3:1; on the accent fill of a selected
    // control, where it would vanish, white, or black on a ground too light for white.
    static QColor focusRing(ColorScheme scheme, const QColor &ground);
};
