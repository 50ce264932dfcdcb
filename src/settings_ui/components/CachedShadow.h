#pragma once

#include <QColor>
#include <QImage>
#include <QRectF>

class QPainter;

// The soft shadow under a rounded rectangle (a capsule when the radius is half the height),
// blurred once with SoftShadow and kept until the shape's size, radius, blur, colour, offset
// or the screen's pixel ratio changes, so a repaint only copies it. The shape's own area is
// cut out of the shadow: a translucent card shows the backdrop through it, not a dark stain.
// One per shape that casts one.
class CachedShadow
{
public:
    // Draws the shadow of the shape at `shape` (in the painter's logical coordinates),
    // moved by `offset` (x right, y down) and blurred over `blurRadius` logical pixels.
    void paint(QPainter &painter, const QRectF &shape, qreal cornerRadius, qreal blurRadius,
               const QColor &colour, QPointF offset);

private:
    struct Key
    {
        QSizeF size;
        qreal cornerRadius = -1;
        qreal blurRadius = -1;
        QColor colour;
        QPointF offset;
        qreal devicePixelRatio = 0;
        bool operator==(const Key &other) const = default;
    };

    Key m_key;
    QImage m_image;
    int m_reach = 0; // logical pixels the shadow spreads past its shape
};
