#include "settings_ui/components/ShellSymbols.h"

#include <QTransform>

#include <cmath>
#include <numbers>

namespace {

using namespace glyph;

QPointF onCircle(qreal radius, qreal degrees)
{
    const qreal radians = degrees * std::numbers::pi / 180;
    return {12 + radius * std::cos(radians), 12 + radius * std::sin(radians)};
}

QPainterPath gearshape(qreal w)
{
    constexpr int teeth = 8;
    constexpr qreal outer = 9.8, root = 7.5;
    QPainterPath gear(onCircle(root, -15));
    for (int tooth = 0; tooth < teeth; ++tooth) {
        const qreal middle = tooth * 360.0 / teeth;
        gear.lineTo(onCircle(root, middle - 15));
        gear.lineTo(onCircle(outer, middle - 8.5));
        gear.lineTo(onCircle(outer, middle + 8.5));
        gear.lineTo(onCircle(root, middle + 15));
        // The root between two teeth, in short steps so it reads as a curve.
        for (qreal step = middle + 20; step < middle + 45 - 15; step += 5)
            gear.lineTo(onCircle(root, step));
    }
    gear.closeSubpath();
    return unite({strokeOf(gear, w * 0.9), ring({12, 12}, 3.0, w * 0.9)});
}

QPainterPath brainHeadProfile(qreal w)
{
    QPainterPath head(QPointF(7.8, 21.6));
    head.lineTo(7.8, 17.6);
    head.cubicTo(5.0, 15.6, 3.8, 12.8, 4.2, 9.8);
    head.cubicTo(4.8, 5.4, 8.4, 2.8, 12.4, 2.8);
    head.cubicTo(16.6, 2.8, 19.4, 5.8, 19.6, 9.6);
    head.lineTo(21.2, 13.0);
    head.lineTo(19.6, 13.6);
    head.lineTo(19.6, 16.0);
    head.cubicTo(19.6, 17.2, 18.6, 17.8, 17.4, 17.8);
    head.lineTo(16.0, 17.8);
    head.lineTo(16.0, 21.6);
    QPainterPath brain(QPointF(9.6, 12.8));
    brain.cubicTo(7.6, 12.6, 7.6, 9.8, 9.4, 9.4);
    brain.cubicTo(9.4, 7.2, 12.2, 6.4, 13.0, 8.0);
    brain.cubicTo(14.6, 7.0, 16.6, 8.6, 15.8, 10.4);
    brain.cubicTo(16.8, 11.6, 15.8, 13.4, 14.2, 12.8);
    brain.moveTo(12.0, 10.4);
    brain.lineTo(12.0, 14.2);
    return unite({strokeOf(head, w), strokeOf(brain, w * 0.75)});
}

QPainterPath heart(qreal cx, qreal cy, qreal s)
{
    QPainterPath path(QPointF(cx, cy + s * 0.9));
    path.cubicTo(cx - s * 1.5, cy - s * 0.1, cx - s * 0.9, cy - s * 1.3, cx, cy - s * 0.45);
    path.cubicTo(cx + s * 0.9, cy - s * 1.3, cx + s * 1.5, cy - s * 0.1, cx, cy + s * 0.9);
    path.closeSubpath();
    return path;
}

QPainterPath heartTextSquare(qreal w)
{
    return unite({strokeOf(roundedRect(QRectF(3.0, 3.0, 18.0, 18.0), 4.6), w),
                  big(heart(12, 9.6, 3.0)), polyline({{7.8, 15.0}, {16.2, 15.0}}, w * 0.8),
                  polyline({{7.8, 17.8}, {13.0, 17.8}}, w * 0.8)});
}

QPainterPath bellFill(qreal)
{
    const QPainterPath bell = bellOutline();
    return unite({big(bell), strokeOf(bell, 1.2), disc({12.0, 19.8}, 2.2)});
}

QPainterPath playRectangleFill(qreal)
{
    // The triangle inside the screen is a hole by the even-odd rule.
    QPainterPath screen = roundedRect(QRectF(2.0, 4.4, 20.0, 15.2), 3.8);
    screen.addPolygon(QPolygonF({{9.6, 8.0}, {9.6, 16.0}, {16.2, 12.0}}));
    screen.closeSubpath();
    screen.setFillRule(Qt::OddEvenFill);
    return big(screen);
}

QPainterPath wrenchAndScrewdriver(qreal w)
{
    // Both tools stand upright here and are turned across each other.
    const QPainterPath screwdriver =
        unite({polyline({{12, 1.4}, {12, 12.0}}, w * 0.8),
               big(roundedRect(QRectF(9.8, 12.2, 4.4, 10.4), 1.8))});
    const QPainterPath head =
        disc({12, 4.6}, 4.0).subtracted(big(roundedRect(QRectF(10.7, -0.6, 2.6, 5.4), 0.6)));
    const QPainterPath wrench = unite({head, polyline({{12, 7.4}, {12, 22.2}}, w * 1.15)});
    return unite({turned(screwdriver, 45), turned(wrench, -45)});
}

QPainterPath chartBar(qreal w)
{
    return unite({strokeOf(roundedRect(QRectF(3.4, 13.0, 4.4, 7.6), 1.2), w * 0.85),
                  strokeOf(roundedRect(QRectF(9.8, 8.0, 4.4, 12.6), 1.2), w * 0.85),
                  strokeOf(roundedRect(QRectF(16.2, 3.4, 4.4, 17.2), 1.2), w * 0.85)});
}

QPainterPath antFill(qreal)
{
    QPainterPath body;
    body.addEllipse(QPointF(12, 5.8), 2.3, 2.2);
    body.addEllipse(QPointF(12, 10.6), 1.9, 2.5);
    body.addEllipse(QPointF(12, 16.8), 3.0, 4.3);
    constexpr qreal leg = 1.2;
    QPainterPath ant = big(body);
    ant.setFillRule(Qt::WindingFill);
    for (const qreal side : {-1.0, 1.0}) {
        const auto x = [side](qreal offset) { return 12 + side * offset; };
        ant.addPath(polyline({{x(1.4), 9.4}, {x(4.6), 7.4}, {x(6.0), 4.8}}, leg));
        ant.addPath(polyline({{x(1.6), 10.8}, {x(5.8), 11.0}, {x(7.6), 9.6}}, leg));
        ant.addPath(polyline({{x(1.4), 12.0}, {x(4.4), 14.6}, {x(5.6), 17.4}}, leg));
        ant.addPath(polyline({{x(1.0), 4.2}, {x(2.4), 2.0}, {x(3.8), 1.6}}, leg * 0.8));
    }
    return ant;
}

QPainterPath personCropCircle(qreal w)
{
    QPainterPath shoulders(QPointF(6.0, 18.6));
    shoulders.cubicTo(7.4, 15.8, 9.6, 14.8, 12.0, 14.8);
    shoulders.cubicTo(14.4, 14.8, 16.6, 15.8, 18.0, 18.6);
    return unite({ring({12, 12}, 9.6, w), ring({12, 9.4}, 3.2, w), strokeOf(shoulders, w)});
}

QPainterPath pauseFill(qreal)
{
    QPainterPath bars;
    bars.addRoundedRect(QRectF(6.2, 4.0, 4.0, 16.0), 1.4, 1.4);
    bars.addRoundedRect(QRectF(13.8, 4.0, 4.0, 16.0), 1.4, 1.4);
    return big(bars);
}

QPainterPath slashCircle(qreal w)
{
    return unite({ring({12, 12}, 9.6, w), polyline({{5.3, 5.3}, {18.7, 18.7}}, w)});
}

QPainterPath lightbulbFill(qreal)
{
    QPainterPath bulb;
    bulb.addEllipse(QPointF(12, 9.0), 6.6, 6.6);
    bulb.addRoundedRect(QRectF(8.8, 11.0, 6.4, 5.4), 1.6, 1.6);
    QPainterPath base;
    base.addRoundedRect(QRectF(8.9, 17.4, 6.2, 1.9), 0.9, 0.9);
    base.addRoundedRect(QRectF(9.8, 20.0, 4.4, 1.9), 0.9, 0.9);
    return unite({big(bulb), big(base)});
}

} // namespace

const QHash<QString, Design> &ShellSymbols::designs()
{
    static const QHash<QString, Design> designs = {
        {QStringLiteral("gearshape"), gearshape},
        {QStringLiteral("brain.head.profile"), brainHeadProfile},
        {QStringLiteral("heart.text.square"), heartTextSquare},
        {QStringLiteral("bell.fill"), bellFill},
        {QStringLiteral("play.rectangle.fill"), playRectangleFill},
        {QStringLiteral("wrench.and.screwdriver"), wrenchAndScrewdriver},
        {QStringLiteral("chart.bar"), chartBar},
        {QStringLiteral("ant.fill"), antFill},
        {QStringLiteral("person.crop.circle"), personCropCircle},
        {QStringLiteral("pause.fill"), pauseFill},
        {QStringLiteral("chevron.left"),
         [](qreal w) { return polyline({{15.2, 4.8}, {8.0, 12.0}, {15.2, 19.2}}, w); }},
        {QStringLiteral("slash.circle"), slashCircle},
        {QStringLiteral("lightbulb.fill"), lightbulbFill},
    };
    return designs;
}
