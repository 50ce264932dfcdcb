#include "settings_ui/components/AppPanesSymbols.h"

#include <QPolygonF>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

using namespace glyph;

// The parts as one outline, as unite() lays them, for a list built in a loop.
QPainterPath uniteAll(const QList<QPainterPath> &parts)
{
    QPainterPath whole;
    whole.setFillRule(Qt::WindingFill);
    for (const QPainterPath &part : parts)
        whole.addPath(part);
    return whole;
}

// Filled, with its corners rounded by a thin stroke around it, as filled symbols are.
QPainterPath solid(const QPainterPath &outline, qreal rounding = 1.4)
{
    return unite({big(outline), strokeOf(outline, rounding)});
}

QPainterPath paintbrush(qreal w)
{
    // The handle lies on the diagonal; its lower end meets the bristles' ferrule.
    QPainterPath handle = roundedRect(QRectF(-1.7, -6.2, 3.4, 12.4), 1.7);
    handle = QTransform().translate(16.6, 7.4).rotate(45).map(handle);
    QPainterPath head(QPointF(8.4, 11.6));
    head.cubicTo(5.8, 12.6, 4.0, 15.2, 3.4, 20.6);
    head.cubicTo(8.8, 20.0, 11.4, 18.2, 12.4, 15.6);
    head.closeSubpath();
    return unite({strokeOf(handle, w), strokeOf(head, w)});
}

QPainterPath textformat123(qreal w)
{
    const qreal line = w * 0.9;
    QPainterPath two(QPointF(8.4, 9.4));
    two.cubicTo(8.8, 6.4, 14.6, 6.2, 14.6, 9.6);
    two.cubicTo(14.6, 12.0, 10.2, 14.4, 8.6, 17.4);
    two.lineTo(14.8, 17.4);
    QPainterPath three(QPointF(16.8, 8.6));
    three.cubicTo(17.6, 6.2, 21.6, 6.4, 21.6, 9.2);
    three.cubicTo(21.6, 11.2, 19.8, 11.8, 18.8, 11.8);
    three.cubicTo(20.2, 11.8, 21.8, 12.6, 21.8, 14.6);
    three.cubicTo(21.8, 17.8, 17.4, 18.2, 16.6, 15.8);
    return unite({polyline({{2.4, 9.0}, {5.0, 6.8}, {5.0, 17.4}}, line), strokeOf(two, line),
                  strokeOf(three, line)});
}

// A sun rising over the horizon: the computer waking.
QPainterPath wake(qreal w)
{
    const QPointF centre(12.0, 16.4);
    const qreal radius = 5.2;
    const QRectF bounds(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    QPainterPath sun;
    sun.arcMoveTo(bounds, 0);
    sun.arcTo(bounds, 0, 180);
    QList<QPainterPath> parts = {strokeOf(sun, w), polyline({{2.2, 16.4}, {21.8, 16.4}}, w),
                                 polyline({{7.0, 20.4}, {17.0, 20.4}}, w * 0.85)};
    for (const qreal degrees : {90.0, 45.0, 135.0, 8.0, 172.0}) {
        const qreal radians = degrees * std::numbers::pi / 180;
        const QPointF direction(std::cos(radians), -std::sin(radians));
        parts.append(polyline({centre + direction * 7.8, centre + direction * 10.2}, w * 0.85));
    }
    return uniteAll(parts);
}

QPainterPath forwardEndFill(qreal)
{
    QPainterPath triangle;
    triangle.addPolygon(QPolygonF({{4.6, 5.2}, {15.6, 12.0}, {4.6, 18.8}}));
    triangle.closeSubpath();
    return unite({solid(triangle, 2.0), big(roundedRect(QRectF(17.0, 4.8, 3.0, 14.4), 1.2))});
}

QPainterPath rectangleOnRectangleSlash(qreal w)
{
    const QPainterPath front = roundedRect(QRectF(2.6, 9.2, 13.8, 10.2), 2.0);
    const QPainterPath back = strokeOf(roundedRect(QRectF(7.6, 4.6, 13.8, 10.2), 2.0), w);
    // The screen behind shows only where the front one does not cover it.
    const QPainterPath hidden = unite({big(front), strokeOf(front, w + 2.2)});
    return struckThrough(unite({back.subtracted(hidden), strokeOf(front, w)}), w);
}

QPainterPath battery25Percent(qreal w)
{
    return unite({strokeOf(roundedRect(QRectF(2.2, 7.2, 17.2, 9.6), 2.6), w),
                  big(roundedRect(QRectF(20.4, 10.0, 1.8, 4.0), 0.8)),
                  big(roundedRect(QRectF(4.6, 9.6, 3.6, 4.8), 0.9))});
}

QPainterPath trashFill(qreal w)
{
    QPainterPath can;
    can.addPolygon(QPolygonF({{5.8, 7.6}, {18.2, 7.6}, {17.0, 19.6}, {16.4, 21.2}, {7.6, 21.2}, {7.0, 19.6}}));
    can.closeSubpath();
    const QPainterPath slits = unite({polyline({{10.2, 10.6}, {10.4, 18.0}}, std::max(1.0, w * 0.7)),
                                      polyline({{13.8, 10.6}, {13.6, 18.0}}, std::max(1.0, w * 0.7))});
    return unite({solid(can).subtracted(slits), big(roundedRect(QRectF(3.8, 4.6, 16.4, 2.2), 1.1)),
                  polyline({{9.4, 4.4}, {9.4, 2.6}, {14.6, 2.6}, {14.6, 4.4}}, 1.6)});
}

QPainterPath ladybug(qreal w)
{
    QPainterPath body;
    body.addEllipse(QPointF(12.0, 14.0), 6.2, 7.0);
    QPainterPath head;
    head.addEllipse(QPointF(12.0, 6.4), 2.8, 2.4);
    const qreal leg = std::max(1.2, w * 0.75);
    QList<QPainterPath> parts = {strokeOf(body, w), big(head), polyline({{12.0, 8.0}, {12.0, 20.8}}, w * 0.8),
                                 disc({9.2, 12.2}, 1.2), disc({14.8, 12.2}, 1.2),
                                 disc({9.4, 16.8}, 1.1), disc({14.6, 16.8}, 1.1)};
    for (const qreal side : {-1.0, 1.0}) {
        const auto x = [side](qreal offset) { return 12.0 + side * offset; };
        parts.append(polyline({{x(6.0), 11.0}, {x(8.6), 9.6}}, leg));
        parts.append(polyline({{x(6.3), 14.6}, {x(9.0), 14.6}}, leg));
        parts.append(polyline({{x(5.8), 18.4}, {x(8.4), 20.0}}, leg));
        parts.append(polyline({{x(1.4), 4.6}, {x(2.8), 2.6}}, leg));
    }
    return uniteAll(parts);
}

QPainterPath globe(qreal w)
{
    const qreal radius = 9.4;
    QPainterPath meridian;
    meridian.addEllipse(QPointF(12.0, 12.0), 4.0, radius);
    // The parallels run to the circle's edge at their height.
    const qreal dy = 4.6;
    const qreal half = std::sqrt(radius * radius - dy * dy);
    return unite({ring({12.0, 12.0}, radius, w), strokeOf(meridian, w * 0.85),
                  polyline({{12.0 - radius, 12.0}, {12.0 + radius, 12.0}}, w * 0.85),
                  polyline({{12.0 - half, 12.0 - dy}, {12.0 + half, 12.0 - dy}}, w * 0.75),
                  polyline({{12.0 - half, 12.0 + dy}, {12.0 + half, 12.0 + dy}}, w * 0.75)});
}

QPainterPath envelope(qreal w)
{
    return unite({strokeOf(roundedRect(QRectF(2.4, 5.2, 19.2, 13.6), 2.4), w),
                  polyline({{3.4, 6.6}, {12.0, 13.2}, {20.6, 6.6}}, w)});
}

QPainterPath squareAndArrowUp(qreal w)
{
    QPainterPath box(QPointF(8.8, 9.6));
    box.lineTo(6.8, 9.6);
    box.quadTo(4.8, 9.6, 4.8, 11.6);
    box.lineTo(4.8, 19.4);
    box.quadTo(4.8, 21.4, 6.8, 21.4);
    box.lineTo(17.2, 21.4);
    box.quadTo(19.2, 21.4, 19.2, 19.4);
    box.lineTo(19.2, 11.6);
    box.quadTo(19.2, 9.6, 17.2, 9.6);
    box.lineTo(15.2, 9.6);
    return unite({strokeOf(box, w), polyline({{12.0, 15.2}, {12.0, 2.8}}, w),
                  polyline({{8.4, 6.2}, {12.0, 2.6}, {15.6, 6.2}}, w)});
}

QPainterPath arrowUpRight(qreal w)
{
    return unite({polyline({{5.6, 18.4}, {18.0, 6.0}}, w), polyline({{8.0, 6.0}, {18.0, 6.0}, {18.0, 16.0}}, w)});
}

// A window with its title bar; the controls sit at the right, where most Linux desktops put
// them.
QPainterPath macwindow(qreal w)
{
    const qreal dot = std::max(0.8, w * 0.55);
    return unite({strokeOf(roundedRect(QRectF(2.4, 4.0, 19.2, 16.0), 2.6), w),
                  polyline({{2.8, 8.6}, {21.2, 8.6}}, w * 0.85), disc({13.8, 6.3}, dot),
                  disc({16.3, 6.3}, dot), disc({18.8, 6.3}, dot)});
}

} // namespace

const QHash<QString, Design> &AppPanesSymbols::designs()
{
    static const QHash<QString, Design> designs = {
        {QStringLiteral("paintbrush"), paintbrush},
        {QStringLiteral("textformat.123"), textformat123},
        {QStringLiteral("wake"), wake},
        {QStringLiteral("forward.end.fill"), forwardEndFill},
        {QStringLiteral("rectangle.on.rectangle.slash"), rectangleOnRectangleSlash},
        {QStringLiteral("battery.25percent"), battery25Percent},
        {QStringLiteral("trash.fill"), trashFill},
        {QStringLiteral("ladybug"), ladybug},
        {QStringLiteral("globe"), globe},
        {QStringLiteral("envelope"), envelope},
        {QStringLiteral("square.and.arrow.up"), squareAndArrowUp},
        {QStringLiteral("arrow.up.right"), arrowUpRight},
        {QStringLiteral("macwindow"), macwindow},
    };
    return designs;
}
