#include "settings_ui/components/CustomizerSymbols.h"

#include <cmath>
#include <numbers>

namespace {

using namespace glyph;

QPainterPath clockFace(qreal w)
{
    return unite({ring({12, 12}, 9.4, w), polyline({{12, 6.6}, {12, 12}, {15.8, 14.2}}, w)});
}

QPainterPath listBullet(qreal w)
{
    // The bullets grow with the weight as the lines do, so a heavier symbol inks more.
    const qreal dot = 1.1 + w * 0.35;
    QPainterPath bullets;
    for (const qreal y : {6.0, 12.0, 18.0})
        bullets.addPath(disc({4.6, y}, dot));
    return unite({bullets, polyline({{9.4, 6.0}, {20.6, 6.0}}, w),
                  polyline({{9.4, 12.0}, {20.6, 12.0}}, w), polyline({{9.4, 18.0}, {20.6, 18.0}}, w)});
}

QPainterPath circleDotted(qreal w)
{
    constexpr int dots = 12;
    const qreal radius = 0.55 + w * 0.45;
    QPainterPath ringOfDots;
    for (int index = 0; index < dots; ++index) {
        const qreal angle = index * 2 * std::numbers::pi / dots;
        ringOfDots.addPath(disc({12 + 8.8 * std::cos(angle), 12 + 8.8 * std::sin(angle)}, radius));
    }
    return ringOfDots;
}

QPainterPath equalLines(qreal w)
{
    return unite({polyline({{4.6, 8.6}, {19.4, 8.6}}, w), polyline({{4.6, 15.4}, {19.4, 15.4}}, w)});
}

// Two arrows leaving the centre for opposite corners: "make it bigger".
QPainterPath expandArrows(qreal w)
{
    return unite({polyline({{10.2, 10.2}, {4.0, 4.0}}, w), polyline({{4.0, 10.0}, {4.0, 4.0}, {10.0, 4.0}}, w),
                  polyline({{13.8, 13.8}, {20.0, 20.0}}, w),
                  polyline({{14.0, 20.0}, {20.0, 20.0}, {20.0, 14.0}}, w)});
}

} // namespace

const QHash<QString, Design> &CustomizerSymbols::designs()
{
    static const QHash<QString, Design> designs = {
        {QStringLiteral("clock"), clockFace},
        {QStringLiteral("list.bullet"), listBullet},
        {QStringLiteral("circle.dotted"), circleDotted},
        {QStringLiteral("equal"), equalLines},
        {QStringLiteral("arrow.up.left.and.arrow.down.right"), expandArrows},
    };
    return designs;
}
