#pragma once

#include <QColor>
#include <QImage>

// The soft black shadows of the break overlay's text and controls, and the blur under the
// floating notice's shadow. A shadow is drawn once when its shape changes and then only
// copied, so repaints under the drifting leaves cost a blit. The blur is three box passes,
// close to a Gaussian with a standard deviation of half the radius, as a layout's shadow
// radius means.
class SoftShadow
{
public:
    // The shadow of `shape` (only its alpha counts), blurred over `blurRadius` pixels of the
    // image and tinted black at `opacity`; the same size and pixel ratio as `shape`, which
    // must leave reach(blurRadius) of room around what it holds.
    static QImage fromShape(const QImage &shape, qreal blurRadius, qreal opacity);
    // The same in any colour, at that colour's own opacity: coloured shadows and glows.
    static QImage fromShape(const QImage &shape, qreal blurRadius, const QColor &colour);
    // How far past its shape a shadow of that radius shows.
    static int reach(qreal blurRadius);
    // Blurs an Alpha8 image in place over `blurRadius` of its pixels; pixels beyond its
    // edges count as clear.
    static void blur(QImage &alpha, qreal blurRadius);

private:
    static void blurLine(uchar *first, int step, int length, int radius);
};
