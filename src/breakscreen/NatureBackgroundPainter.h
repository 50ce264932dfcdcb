#pragma once

#include "breakscreen/BreakBackgroundPainter.h"

#include <QColor>
#include <QPointF>

// The "nature" backdrop: a deep green corner-to-corner gradient with two soft glows of
// moss and fern colour, one up-left and one down-right of the panel's centre.
class NatureBackgroundPainter : public BreakBackgroundPainter
{
public:
    // One glow: a disc of `diameter` logical pixels whose centre sits `offset` from the
    // panel's centre, blurred with a standard deviation of `blurRadius` logical pixels.
    struct Glow
    {
        QPointF offset;
        qreal diameter;
        QColor colour;
        qreal blurRadius;
    };

    static const Glow upperGlow;
    static const Glow lowerGlow;

protected:
    QImage render(QSize pixelSize, qreal devicePixelRatio) const override;
};
