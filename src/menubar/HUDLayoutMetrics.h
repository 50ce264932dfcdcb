#pragma once

#include "menubar/HUDSize.h"

#include <QRectF>
#include <QSizeF>

// The measurements of the notice's body for one size, in logical pixels, and the frames
// derived from them. Frames are in the body's own coordinates, origin at the top left.
struct HUDLayoutMetrics
{
    // The window is this much larger than the body on every side: room for the shadow and
    // for the slide of the entry and exit animations without clipping the body.
    static constexpr double kMargin = 30;
    // Room kept between the text and the countdown ring.
    static constexpr double kTextToRingGap = 8;

    static HUDLayoutMetrics forSize(HUDSize size);

    HUDSize size;
    double width;
    double height;
    double cornerRadius;
    double badgeSide;
    double badgeInset;
    double badgeCornerRadius;
    double symbolBoxSide;
    double symbolPointSize;
    double badgeToTextGap;
    double rightInset;
    double ringSide;
    double ringLineWidth;
    double progressInset;
    double countdownFontSize;
    double compactFontSize;   // the one line of the compact size
    double titleFontSize;     // two-line sizes
    double subtitleFontSize;  // two-line sizes

    QSizeF bodySize() const { return {width, height}; }
    // The whole window: the body with the margin around it.
    QSizeF windowSize() const { return {width + 2 * kMargin, height + 2 * kMargin}; }
    // Where the body lies inside the window.
    QRectF bodyInWindow() const { return {kMargin, kMargin, width, height}; }

    QRectF badgeFrame() const;
    QRectF symbolFrame() const;
    QRectF ringFrame() const;
    double textX() const;
    // Never negative, however narrow the body.
    double textWidth(bool withRing) const;
    QRectF compactLineFrame(bool withRing) const;
    QRectF titleFrame(bool withRing) const;
    QRectF subtitleFrame(bool withRing) const;
    // Inside the ring, in the ring's own coordinates.
    QRectF countdownFigureFrame() const;
};
