#pragma once

#include <QIcon>
#include <QImage>
#include <QRectF>

class QPainter;

// Lumenpause's own application icon: a white leaf on a rounded square of the accent green,
// drawn from vector shapes at whatever size is asked for, so it is sharp from a 16-pixel
// title bar to a 512-pixel launcher tile. The windows take it as their icon; the desktop
// icon files are exported from it.
class AppIcon
{
public:
    // The corner radius of the tile as a share of its side.
    static constexpr qreal cornerRadiusFraction = 0.225;
    // How far a desktop icon keeps its tile from the edges of its square, as a share of the
    // side: icon themes leave such a margin, and a full-bleed tile looks larger than its
    // neighbours in a launcher.
    static constexpr qreal desktopMarginFraction = 1.0 / 16;

    // The tile filling `square`: the rounded green square, its light and the leaf. Where the
    // caller clips the tile itself (a rounded frame of its own), it is drawn to the edges.
    static void paint(QPainter &painter, const QRectF &square);
    // The tile alone, full bleed, on a transparent image `side` logical pixels square at
    // that pixel ratio.
    static QImage image(int side, qreal devicePixelRatio = 1.0);
    // The icon as a desktop shows it (the tile inside the desktop margin), drawn for each
    // size when it is first asked for.
    static QIcon icon();
    // The icon image as a desktop shows it, `side` pixels square.
    static QImage desktopImage(int side);
};
