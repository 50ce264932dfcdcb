#include "settings_ui/components/NotificationsSymbols.h"

#include <QPolygonF>

#include <QTransform>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

using namespace glyph;

// The speaker's box and cone, `dx` grid units right of its place at the square's left.
QPainterPath speakerOutline(qreal dx)
{
    QPainterPath speaker;
    speaker.addPolygon(QPolygonF({{3.0 + dx, 8.8}, {7.0 + dx, 8.8}, {12.2 + dx, 4.2},
                                  {12.2 + dx, 19.8}, {7.0 + dx, 15.2}, {3.0 + dx, 15.2}}));
    speaker.closeSubpath();
    return speaker;
}

// Filled, with its corners rounded by a thin stroke around it.
QPainterPath filledSpeaker(qreal dx)
{
    const QPainterPath outline = speakerOutline(dx);
    return unite({big(outline), strokeOf(outline, 1.4)});
}

// An arc of a circle about `centre`, from `startDegrees` through `spanDegrees` (Qt's
// counter-clockwise degrees, y down), stroked `width` wide.
QPainterPath arc(QPointF centre, qreal radius, qreal startDegrees, qreal spanDegrees, qreal width)
{
    const QRectF bounds(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    QPainterPath path;
    path.arcMoveTo(bounds, startDegrees);
    path.arcTo(bounds, startDegrees, spanDegrees);
    return strokeOf(path, width);
}

QPainterPath speakerWave3Fill(qreal w)
{
    const QPointF centre(9.4, 12);
    const qreal line = std::max(1.4, w * 0.8);
    return unite({filledSpeaker(-1.6), arc(centre, 4.2, -38, 76, line), arc(centre, 8.0, -44, 88, line),
                  arc(centre, 11.8, -46, 92, line)});
}

QPainterPath bellSlashFill(qreal w)
{
    return struckThrough(unite({big(bellOutline()), strokeOf(bellOutline(), 1.2),
                                disc({12.0, 19.8}, 2.2)}),
                         w);
}

QPainterPath bellSlash(qreal w)
{
    QPainterPath clapper;
    clapper.arcMoveTo(QRectF(9.6, 17.4, 4.8, 4.6), 180);
    clapper.arcTo(QRectF(9.6, 17.4, 4.8, 4.6), 180, 180);
    return struckThrough(unite({strokeOf(bellOutline(), w), strokeOf(clapper, w)}), w);
}

QPainterPath pauseCircle(qreal w)
{
    return unite({ring({12, 12}, 9.6, w), polyline({{9.6, 8.2}, {9.6, 15.8}}, w),
                  polyline({{14.4, 8.2}, {14.4, 15.8}}, w)});
}

// A filled arrowhead at `tip`, pointing along `degrees` (y down), as long as `length`.
QPainterPath arrowhead(QPointF tip, qreal degrees, qreal length)
{
    QPainterPath head;
    head.addPolygon(QPolygonF({{0, 0}, {-length, -length * 0.62}, {-length, length * 0.62}}));
    head.closeSubpath();
    QTransform place;
    place.translate(tip.x(), tip.y());
    place.rotate(degrees);
    return big(place.map(head));
}

// The point at `degrees` (Qt's counter-clockwise angle, y down) on a circle about (12, 12).
QPointF onCircle(qreal radius, qreal degrees)
{
    const qreal radians = degrees * std::numbers::pi / 180;
    return {12 + radius * std::cos(radians), 12 - radius * std::sin(radians)};
}

QPainterPath clockArrowCirclepath(qreal w)
{
    // Most of a circle, turning back (counter-clockwise) from the lower left round to the
    // left, where the head points down; the clock's hands inside.
    constexpr qreal radius = 9.2;
    constexpr qreal start = 250, span = 280;
    const qreal end = start + span;
    // Counter-clockwise on screen, the way on points 270 degrees on from the angle.
    // Joined by a true union: laid over the stroke, the head's opposite winding would cut
    // holes where the two overlap.
    const QPainterPath circling =
        arc({12, 12}, radius, start, span - 16, w).united(arrowhead(onCircle(radius, end), 270 - end, 4.6));
    return unite({circling, polyline({{12, 7.0}, {12, 12.4}, {15.2, 14.4}}, w)});
}

QPainterPath arrowTriangle2Circlepath(qreal w)
{
    // Two arcs chasing each other round the circle, each ending in a head.
    constexpr qreal radius = 8.4;
    QPainterPath both;
    both.setFillRule(Qt::WindingFill);
    for (const qreal start : {200.0, 20.0}) {
        const qreal span = -150;
        const qreal end = start + span;
        // Clockwise on screen, the way on points 90 degrees back from the angle.
        both.addPath(arc({12, 12}, radius, start, span + 12, w).united(arrowhead(onCircle(radius, end), 90 - end, 5.0)));
    }
    return both;
}

QPainterPath infoCircle(qreal w)
{
    return unite({ring({12, 12}, 9.6, w), disc({12, 7.6}, std::max(1.2, w * 0.7)),
                  polyline({{12, 11.0}, {12, 17.0}}, w)});
}

QPainterPath antennaRadiowaves(qreal w)
{
    const QPointF centre(12, 10.4);
    const qreal line = w * 0.9;
    return unite({disc(centre, 2.2), polyline({{12, 12.4}, {12, 21.4}}, w),
                  arc(centre, 5.2, 140, 80, line), arc(centre, 5.2, -40, 80, line),
                  arc(centre, 9.0, 145, 70, line), arc(centre, 9.0, -35, 70, line)});
}

QPainterPath shieldFill(qreal)
{
    return unite({big(shieldOutline()), strokeOf(shieldOutline(), 1.2)});
}

QPainterPath checkmark(qreal w)
{
    return polyline({{4.6, 12.8}, {9.6, 17.8}, {19.4, 6.2}}, w * 1.1);
}

QPainterPath rectangleStackFill(qreal)
{
    QPainterPath layers;
    layers.addRoundedRect(QRectF(2.6, 8.2, 18.8, 13.0), 3.0, 3.0);
    layers.addRoundedRect(QRectF(4.8, 4.9, 14.4, 2.0), 1.0, 1.0);
    layers.addRoundedRect(QRectF(7.2, 2.0, 9.6, 1.8), 0.9, 0.9);
    return big(layers);
}

QPainterPath circleInsetFilled(qreal w)
{
    return unite({ring({12, 12}, 9.6, w), disc({12, 12}, 5.0)});
}

} // namespace

const QHash<QString, Design> &NotificationsSymbols::designs()
{
    static const QHash<QString, Design> designs = {
        {QStringLiteral("speaker.fill"), [](qreal) { return filledSpeaker(4.4); }},
        {QStringLiteral("speaker.wave.3.fill"), speakerWave3Fill},
        {QStringLiteral("bell.slash.fill"), bellSlashFill},
        {QStringLiteral("rectangle.stack.fill"), rectangleStackFill},
        {QStringLiteral("circle.inset.filled"), circleInsetFilled},
        {QStringLiteral("bell.slash"), bellSlash},
        {QStringLiteral("pause.circle"), pauseCircle},
        {QStringLiteral("clock.arrow.circlepath"), clockArrowCirclepath},
        {QStringLiteral("arrow.triangle.2.circlepath"), arrowTriangle2Circlepath},
        {QStringLiteral("info.circle"), infoCircle},
        {QStringLiteral("antenna.radiowaves.left.and.right"), antennaRadiowaves},
        {QStringLiteral("shield.fill"), shieldFill},
        {QStringLiteral("checkmark"), checkmark},
    };
    return designs;
}
