#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

// One text and how well it stands out from what lies behind it.
struct TextContrast
{
    QString text;
    double ratio = 0;
    // The ratio it must reach.
    double floor = 0;

    bool meetsFloor() const { return ratio >= floor; }
};

// The WCAG contrast ratio an ink reaches over pixels already drawn: the ink laid over each
// backdrop pixel against that pixel, at the worst place within a text's box. Shared by the
// checks of the break overlay and of the settings window.
class InkContrast
{
public:
    // Text of this pixel size or smaller must reach textFloor, whatever it says.
    static constexpr int smallTextMaxPixels = 14;
    static constexpr double textFloor = 4.5;
    // The large digits of a countdown are read at a glance, as a shape.
    static constexpr double largeDigitsFloor = 3.0;

    // The floor a text in `font` must meet: textFloor, or largeDigitsFloor for large
    // countdown digits.
    static double floorFor(const QFont &font, bool isCountdownDigits);
    // The worst ratio of `ink` (its opacity included) over `backdrop` within `box`, leaving
    // out the pixels `covered` marks (any opacity), if given: where the text itself was drawn.
    static double worst(const QImage &backdrop, const QColor &ink, const QRect &box,
                        const QImage &covered = QImage());
};
