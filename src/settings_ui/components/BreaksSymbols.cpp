#include "settings_ui/components/BreaksSymbols.h"

#include <QLineF>
#include <QPolygonF>
#include <QTransform>

#include <cmath>
#include <numbers>

namespace {

using namespace glyph;

// A four-pointed sparkle with concave sides, in grid units.
QPainterPath sparkle(QPointF centre, qreal radius)
{
    const qreal x = centre.x(), y = centre.y();
    QPainterPath star(QPointF(x, y - radius));
    star.quadTo(centre, QPointF(x + radius, y));
    star.quadTo(centre, QPointF(x, y + radius));
    star.quadTo(centre, QPointF(x - radius, y));
    star.quadTo(centre, QPointF(x, y - radius));
    star.closeSubpath();
    return star;
}

// An exclamation mark standing on `centre`, `height` tall, as a hole to cut.
QPainterPath exclamation(QPointF centre, qreal height)
{
    const qreal bar = height * 0.58;
    const qreal thickness = height * 0.24;
    QPainterPath mark;
    mark.addRoundedRect(QRectF(centre.x() - thickness / 2, centre.y() - height / 2, thickness, bar),
                        thickness / 2, thickness / 2);
    mark.addEllipse(QPointF(centre.x(), centre.y() + height / 2 - thickness * 0.62), thickness * 0.62,
                    thickness * 0.62);
    return big(mark);
}

QPainterPath hourglass(qreal w)
{
    QPainterPath left(QPointF(7.4, 3.2));
    left.cubicTo(7.4, 8.4, 11.0, 9.8, 11.0, 12.0);
    left.cubicTo(11.0, 14.2, 7.4, 15.6, 7.4, 20.8);
    QPainterPath right(QPointF(16.6, 3.2));
    right.cubicTo(16.6, 8.4, 13.0, 9.8, 13.0, 12.0);
    right.cubicTo(13.0, 14.2, 16.6, 15.6, 16.6, 20.8);
    QPainterPath sand;
    sand.addPolygon(QPolygonF({{9.4, 19.4}, {14.6, 19.4}, {12.0, 16.4}}));
    sand.closeSubpath();
    return unite({polyline({{5.4, 3.0}, {18.6, 3.0}}, w), polyline({{5.4, 21.0}, {18.6, 21.0}}, w),
                  strokeOf(left, w * 0.85), strokeOf(right, w * 0.85), big(sand)});
}

QPainterPath wandAndStars(qreal w)
{
    return unite({polyline({{3.6, 20.4}, {14.2, 9.8}}, w * 1.15), big(sparkle({17.6, 6.0}, 4.0)),
                  big(sparkle({20.4, 13.6}, 2.2)), big(sparkle({10.2, 3.6}, 2.0))});
}

QPainterPath flameFill(qreal)
{
    QPainterPath flame(QPointF(12.2, 1.8));
    flame.cubicTo(13.4, 6.2, 19.0, 8.4, 19.0, 14.4);
    flame.cubicTo(19.0, 18.8, 15.8, 21.8, 12.0, 21.8);
    flame.cubicTo(8.2, 21.8, 5.0, 18.8, 5.0, 14.8);
    flame.cubicTo(5.0, 11.8, 6.6, 9.6, 8.4, 8.2);
    flame.cubicTo(8.4, 10.4, 9.2, 12.0, 10.4, 12.6);
    flame.cubicTo(10.2, 8.4, 10.8, 4.8, 12.2, 1.8);
    flame.closeSubpath();
    return big(flame);
}

QPainterPath clockHands(QPointF centre, qreal scale, qreal width)
{
    const qreal x = centre.x(), y = centre.y();
    return polyline({{x, y - 5.0 * scale}, {x, y}, {x + 3.6 * scale, y + 2.2 * scale}}, width);
}

QPainterPath clockFill(qreal)
{
    return disc({12, 12}, 10.0).subtracted(clockHands({12, 12}, 1.0, 1.9)).simplified();
}

QPainterPath calendarBadgeClock(qreal w)
{
    QPainterPath dots;
    for (const QPointF &dot : {QPointF(6.6, 12.4), QPointF(9.8, 12.4), QPointF(13.0, 12.4),
                               QPointF(6.6, 15.6), QPointF(9.8, 15.6)})
        dots.addEllipse(dot, 1.0, 1.0);
    const QPainterPath calendar =
        unite({strokeOf(roundedRect(QRectF(2.6, 4.4, 15.6, 14.6), 3.0), w),
               polyline({{2.6, 8.6}, {18.2, 8.6}}, w * 0.8), polyline({{6.8, 2.4}, {6.8, 5.6}}, w),
               polyline({{14.0, 2.4}, {14.0, 5.6}}, w), big(dots)});
    const QPointF badge(17.6, 17.4);
    return unite({calendar.subtracted(disc(badge, 5.4 + w)).simplified(), ring(badge, 5.0, w),
                  clockHands(badge, 0.55, w * 0.8)});
}


QPainterPath playCircleFill(qreal)
{
    QPainterPath shape;
    shape.addEllipse(QPointF(12, 12), 10.0, 10.0);
    shape.addPolygon(QPolygonF({{9.6, 7.4}, {9.6, 16.6}, {17.0, 12.0}}));
    shape.closeSubpath();
    shape.setFillRule(Qt::OddEvenFill);
    return big(shape);
}

QPainterPath keyboardFill(qreal)
{
    QPainterPath board = roundedRect(QRectF(1.6, 5.2, 20.8, 13.6), 2.8);
    for (int column = 0; column < 5; ++column)
        board.addRoundedRect(QRectF(4.9 + 3.0 * column, 7.9, 2.2, 2.2), 0.5, 0.5);
    for (int column = 0; column < 4; ++column)
        board.addRoundedRect(QRectF(6.4 + 3.0 * column, 11.0, 2.2, 2.2), 0.5, 0.5);
    board.addRoundedRect(QRectF(7.6, 14.4, 8.8, 2.0), 0.8, 0.8);
    board.setFillRule(Qt::OddEvenFill);
    return big(board);
}

QPainterPath pencil(qreal w)
{
    // Drawn upright, point down, then leant over so the point lands bottom left.
    QPainterPath body(QPointF(9.2, 4.2));
    body.lineTo(9.2, 17.2);
    body.lineTo(12.0, 22.4);
    body.lineTo(14.8, 17.2);
    body.lineTo(14.8, 4.2);
    body.quadTo(14.8, 1.6, 12.0, 1.6);
    body.quadTo(9.2, 1.6, 9.2, 4.2);
    body.closeSubpath();
    return turned(unite({strokeOf(body, w * 0.9, Qt::RoundJoin),
                         polyline({{9.2, 6.2}, {14.8, 6.2}}, w * 0.8)}),
                  45);
}

QPainterPath trash(qreal w)
{
    QPainterPath can(QPointF(6.0, 6.4));
    can.lineTo(7.1, 19.4);
    can.quadTo(7.3, 21.2, 9.0, 21.2);
    can.lineTo(15.0, 21.2);
    can.quadTo(16.7, 21.2, 16.9, 19.4);
    can.lineTo(18.0, 6.4);
    return unite({polyline({{4.0, 5.8}, {20.0, 5.8}}, w), polyline({{9.4, 5.6}, {9.4, 3.0}, {14.6, 3.0}, {14.6, 5.6}}, w * 0.85),
                  strokeOf(can, w), polyline({{10.2, 9.6}, {10.5, 17.4}}, w * 0.8),
                  polyline({{13.8, 9.6}, {13.5, 17.4}}, w * 0.8)});
}

QPainterPath exclamationmarkTriangleFill(qreal)
{
    QPainterPath triangle;
    triangle.addPolygon(QPolygonF({{12.0, 3.6}, {21.4, 19.8}, {2.6, 19.8}}));
    triangle.closeSubpath();
    // The stroke rounds the corners as a filled symbol's are.
    const QPainterPath body = unite({big(triangle), strokeOf(triangle, 2.4)});
    return body.subtracted(exclamation({12.0, 13.4}, 9.0)).simplified();
}

QPainterPath clockBadgeExclamationmark(qreal w)
{
    const QPointF centre(10.2, 13.4);
    const QPointF badge(17.6, 6.2);
    constexpr qreal badgeRadius = 5.8;
    const QPainterPath clock = unite({ring(centre, 8.2, w), clockHands(centre, 0.95, w * 0.9)});
    // Joined by a boolean union: laid over each other by the winding rule, the outlines
    // would fill the exclamation mark's hole.
    const QPainterPath badgeDisc = disc(badge, badgeRadius).subtracted(exclamation(badge, 7.4));
    return clock.subtracted(disc(badge, badgeRadius + w * 0.8)).united(badgeDisc).simplified();
}

QPainterPath cupAndSaucerFill(qreal)
{
    QPainterPath cup(QPointF(4.2, 6.4));
    cup.lineTo(16.8, 6.4);
    cup.lineTo(16.8, 12.4);
    cup.cubicTo(16.8, 16.0, 14.0, 18.2, 10.5, 18.2);
    cup.cubicTo(7.0, 18.2, 4.2, 16.0, 4.2, 12.4);
    cup.closeSubpath();
    QPainterPath handle;
    handle.addEllipse(QPointF(18.0, 10.6), 2.6, 2.6);
    return unite({big(cup), strokeOf(handle, 1.7), big(roundedRect(QRectF(2.0, 19.6, 20.0, 2.2), 1.1))});
}

QPainterPath figureMindAndBody(qreal w)
{
    QPainterPath arms(QPointF(5.6, 15.0));
    arms.quadTo(8.0, 10.2, 12.0, 9.8);
    arms.quadTo(16.0, 10.2, 18.4, 15.0);
    QPainterPath legs(QPointF(3.4, 19.2));
    legs.cubicTo(6.6, 15.6, 17.4, 15.6, 20.6, 19.2);
    QPainterPath feet(QPointF(6.4, 20.6));
    feet.quadTo(12.0, 18.6, 17.6, 20.6);
    return unite({disc({12, 4.8}, 2.5), polyline({{12.0, 9.0}, {12.0, 15.4}}, w), strokeOf(arms, w),
                  strokeOf(legs, w), strokeOf(feet, w * 0.85)});
}

QPainterPath forkKnife(qreal w)
{
    QPainterPath fork(QPointF(4.4, 2.8));
    fork.lineTo(4.4, 7.8);
    fork.quadTo(4.4, 10.4, 7.0, 10.4);
    fork.quadTo(9.6, 10.4, 9.6, 7.8);
    fork.lineTo(9.6, 2.8);
    QPainterPath blade(QPointF(17.0, 21.2));
    blade.lineTo(17.0, 2.8);
    blade.cubicTo(19.8, 4.0, 20.4, 8.6, 20.0, 12.8);
    blade.lineTo(17.0, 12.8);
    return unite({strokeOf(fork, w), polyline({{7.0, 2.8}, {7.0, 21.2}}, w), strokeOf(blade, w)});
}

QPainterPath dumbbellFill(qreal)
{
    QPainterPath weights;
    weights.addRoundedRect(QRectF(1.4, 8.2, 2.8, 7.6), 1.1, 1.1);
    weights.addRoundedRect(QRectF(4.6, 5.8, 3.4, 12.4), 1.3, 1.3);
    weights.addRoundedRect(QRectF(16.0, 5.8, 3.4, 12.4), 1.3, 1.3);
    weights.addRoundedRect(QRectF(19.8, 8.2, 2.8, 7.6), 1.1, 1.1);
    weights.addRoundedRect(QRectF(7.6, 10.9, 8.8, 2.2), 0.6, 0.6);
    return unite({big(weights)});
}

QPainterPath scope(qreal w)
{
    return unite({ring({12, 12}, 8.0, w), polyline({{12, 1.8}, {12, 7.0}}, w),
                  polyline({{12, 17.0}, {12, 22.2}}, w), polyline({{1.8, 12}, {7.0, 12}}, w),
                  polyline({{17.0, 12}, {22.2, 12}}, w), disc({12, 12}, 1.5)});
}

} // namespace

const QHash<QString, Design> &BreaksSymbols::designs()
{
    static const QHash<QString, Design> designs = {
        {QStringLiteral("hourglass"), hourglass},
        {QStringLiteral("wand.and.stars"), wandAndStars},
        {QStringLiteral("flame.fill"), flameFill},
        {QStringLiteral("clock.fill"), clockFill},
        {QStringLiteral("calendar.badge.clock"), calendarBadgeClock},
        {QStringLiteral("play.circle.fill"), playCircleFill},
        {QStringLiteral("keyboard.fill"), keyboardFill},
        {QStringLiteral("plus"),
         [](qreal w) { return unite({polyline({{12, 4.0}, {12, 20.0}}, w), polyline({{4.0, 12}, {20.0, 12}}, w)}); }},
        {QStringLiteral("pencil"), pencil},
        {QStringLiteral("trash"), trash},
        {QStringLiteral("exclamationmark.triangle.fill"), exclamationmarkTriangleFill},
        {QStringLiteral("clock.badge.exclamationmark"), clockBadgeExclamationmark},
        {QStringLiteral("cup.and.saucer.fill"), cupAndSaucerFill},
        {QStringLiteral("figure.mind.and.body"), figureMindAndBody},
        {QStringLiteral("fork.knife"), forkKnife},
        {QStringLiteral("dumbbell.fill"), dumbbellFill},
        {QStringLiteral("scope"), scope},
    };
    return designs;
}
