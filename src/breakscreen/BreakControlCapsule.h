#pragma once

#include <QColor>
#include <QImage>
#include <QRectF>

class QPainter;

// The look shared by the overlay's pill buttons: a capsule filled with a faint vertical
// gradient of the control's one colour, a border fading from top to bottom and a soft
// shadow below. `active` runs from 0 (at rest) to 1 (hovered, or the snooze menu open) and
// blends the two looks, so the change can ease.
class BreakControlCapsule
{
public:
    static constexpr qreal shadowRadius = 18;
    static constexpr qreal shadowOffsetY = 10;

    static void paint(QPainter &painter, const QRectF &capsule, const QColor &foreground,
                      qreal active);
    // The shadow's opacity between its resting and its active strength.
    static qreal shadowOpacity(qreal active, qreal activeOpacity);
    // The shadow of a capsule of `size` at full strength, centred in its picture with the
    // shadow's room around it; the caller draws it at shadowOpacity().
    static QImage shadow(const QSizeF &size, qreal devicePixelRatio);
    // How far the shadow picture reaches past the capsule on each side.
    static int shadowReach();

    static qreal mix(qreal rest, qreal active, qreal amount);
    static QColor withOpacity(const QColor &colour, qreal opacity);
};
