#pragma once

#include "breakscreen/BreakBackgroundPainter.h"

#include <QColor>
#include <QPointF>

// A backdrop of one linear gradient between two colours (equal colours give a plain fill).
// The end points are fractions of the panel's width and height, so a corner-to-corner
// gradient runs corner to corner on any screen shape.
class GradientBackgroundPainter : public BreakBackgroundPainter
{
public:
    GradientBackgroundPainter(const QColor &from, const QColor &to, QPointF startFraction,
                              QPointF endFraction);

    // Top edge to bottom edge.
    static GradientBackgroundPainter vertical(const QColor &top, const QColor &bottom);
    // Top-left corner to bottom-right corner.
    static GradientBackgroundPainter diagonal(const QColor &topLeft, const QColor &bottomRight);

protected:
    QImage render(QSize pixelSize, qreal devicePixelRatio) const override;

private:
    QColor m_from;
    QColor m_to;
    QPointF m_start;
    QPointF m_end;
};
