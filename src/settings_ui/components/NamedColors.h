#pragma once

#include "core/AppTheme.h"

#include <QColor>
#include <QLinearGradient>
#include <QRectF>

class QWidget;

// The named colours the settings window's layouts speak of, in a light and a dark variant
// each, so a pane says "orange" or "secondary label" and gets the shade that reads on the
// scheme in effect. The accent is the palette's selection blue.
enum class NamedColor {
    blue, green, orange, purple, teal, red, pink, mint, yellow, gray, accent,
    label, secondaryLabel, tertiaryLabel, separator, textBackground,
};

class NamedColors
{
public:
    static QColor color(NamedColor name, ColorScheme scheme);
    // The colour for the scheme the widget is drawn in (SettingsPalette::schemeOf).
    static QColor color(NamedColor name, const QWidget *widget);
    // The colour as the colour of text: on a light ground the bright tints read too faintly,
    // so there they are taken a quarter of the way towards the label colour; and in either
    // scheme any colour that would still stand out from the window's ground at less than
    // 4.5:1 goes on towards the label colour until it does.
    static QColor textColor(NamedColor name, ColorScheme scheme);
    // The same on `ground` in place of the window's: a tinted wash, a sidebar, a card. A
    // translucent ground counts as laid over the window's ground.
    static QColor textColor(NamedColor name, ColorScheme scheme, const QColor &ground);
    // The fill of a selected row or tile under white text: the accent a shade deeper, so the
    // white stands out from it at 4.5:1.
    static QColor accentFill(ColorScheme scheme);
    static QColor withOpacity(QColor colour, qreal opacity);
    // `from` moved `share` (0 to 1) of the way to `to`, opacity included: the look of a
    // control caught between two states.
    static QColor blend(const QColor &from, const QColor &to, qreal share);
    // `top` painted over the opaque `ground`: the colour the pixels take.
    static QColor laidOver(const QColor &top, const QColor &ground);
    // The contrast ratio (1 to 21) `ink` reaches laid over the opaque `ground`.
    static double contrast(const QColor &ink, const QColor &ground);
    // A colour's "gradient": the colour itself at the foot of `rect`, a little lighter at the
    // top, as a tile of that colour is filled.
    static QLinearGradient gradient(const QColor &colour, const QRectF &rect);
};
