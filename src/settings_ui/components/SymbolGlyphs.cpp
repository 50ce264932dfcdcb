#include "settings_ui/components/SymbolGlyphs.h"

#include "breakscreen/BreakGlyphs.h"
#include "core/GlyphGeometry.h"
#include "menubar/HUDGlyphs.h"
#include "settings_ui/components/AppPanesSymbols.h"
#include "settings_ui/components/BehaviorSymbols.h"
#include "settings_ui/components/BreaksSymbols.h"
#include "settings_ui/components/CustomizerSymbols.h"
#include "settings_ui/components/NotificationsSymbols.h"
#include "settings_ui/components/ShellSymbols.h"

#include <QHash>
#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <functional>
#include <map>

namespace {

using namespace glyph;

// Few, well-spaced keys, staggered as on a real board: at the size of a sidebar tile each
// key still stands apart, where a full row of small ones would blur into a grey bar.
QPainterPath keyboard(qreal w)
{
    QPainterPath keys;
    for (int column = 0; column < 4; ++column)
        keys.addRoundedRect(QRectF(5.0 + 3.8 * column, 8.2, 2.4, 2.2), 0.5, 0.5);
    for (int column = 0; column < 3; ++column)
        keys.addRoundedRect(QRectF(6.9 + 3.8 * column, 11.4, 2.4, 2.2), 0.5, 0.5);
    return unite({strokeOf(roundedRect(QRectF(1.8, 5.2, 20.4, 13.6), 2.8), w), big(keys),
                  polyline({{8.2, 15.8}, {15.8, 15.8}}, std::max(1.6, w))});
}

QPainterPath eye(qreal w)
{
    QPainterPath outline(QPointF(2.0, 12));
    outline.cubicTo(5.8, 5.4, 18.2, 5.4, 22.0, 12);
    outline.cubicTo(18.2, 18.6, 5.8, 18.6, 2.0, 12);
    outline.closeSubpath();
    return unite({strokeOf(outline, w), disc({12, 12}, 3.5)});
}

QPainterPath arrowRight(qreal w)
{
    return unite({polyline({{4.0, 12}, {19.6, 12}}, w),
                  polyline({{13.4, 5.8}, {19.8, 12}, {13.4, 18.2}}, w)});
}

QPainterPath timer(qreal w)
{
    return unite({ring({12, 13.2}, 8.4, w), polyline({{9.8, 2.6}, {14.2, 2.6}}, w),
                  polyline({{12, 2.8}, {12, 4.6}}, w), polyline({{12, 13.2}, {15.6, 9.4}}, w),
                  disc({12, 13.2}, w * 0.8)});
}

QPainterPath figureWalkMotion(qreal w)
{
    // The walking figure of the floating notice, moved right to leave room for the lines
    // of motion behind it.
    QPainterPath figure = HUDGlyphs::path(QStringLiteral("figure.walk"), gridSide * buildScale * 0.92);
    figure.translate(14.4 * buildScale, 12.4 * buildScale);
    const qreal line = std::max(1.3, w * 0.8);
    return unite({figure, polyline({{2.0, 9.0}, {5.6, 9.0}}, line),
                  polyline({{1.2, 12.6}, {5.0, 12.6}}, line), polyline({{2.4, 16.2}, {5.8, 16.2}}, line)});
}

QPainterPath repeatArrows(qreal w)
{
    QPainterPath top(QPointF(4.2, 11.4));
    top.lineTo(4.2, 9.6);
    top.quadTo(4.2, 7.0, 6.8, 7.0);
    top.lineTo(19.0, 7.0);
    QPainterPath bottom(QPointF(19.8, 12.6));
    bottom.lineTo(19.8, 14.4);
    bottom.quadTo(19.8, 17.0, 17.2, 17.0);
    bottom.lineTo(5.0, 17.0);
    return unite({strokeOf(top, w), polyline({{16.0, 4.0}, {19.0, 7.0}, {16.0, 10.0}}, w),
                  strokeOf(bottom, w), polyline({{8.0, 14.0}, {5.0, 17.0}, {8.0, 20.0}}, w)});
}

QPainterPath shield(qreal w)
{
    return strokeOf(shieldOutline(), w);
}

QPainterPath lockShield(qreal w)
{
    QPainterPath shackle(QPointF(10.0, 11.6));
    shackle.lineTo(10.0, 10.4);
    shackle.arcTo(QRectF(10.0, 8.4, 4.0, 4.0), 180, -180);
    shackle.lineTo(14.0, 11.6);
    return unite({strokeOf(shieldOutline(), w), big(roundedRect(QRectF(8.7, 11.4, 6.6, 5.2), 1.0)),
                  strokeOf(shackle, std::max(1.2, w * 0.75))});
}

QPainterPath waveformPath(qreal w)
{
    return polyline({{2.2, 12.0}, {4.6, 12.0}, {6.8, 7.4}, {9.4, 17.0}, {12.0, 4.0}, {14.6, 20.0},
                     {17.2, 8.2}, {19.2, 13.6}, {20.4, 12.0}, {21.8, 12.0}},
                    w);
}

QPainterPath video(qreal w)
{
    QPainterPath hood(QPointF(16.8, 10.2));
    hood.lineTo(21.8, 7.2);
    hood.lineTo(21.8, 16.8);
    hood.lineTo(16.8, 13.8);
    hood.closeSubpath();
    return unite({strokeOf(roundedRect(QRectF(2.2, 6.4, 13.2, 11.2), 2.8), w), strokeOf(hood, w)});
}

QPainterPath power(qreal w)
{
    // Open at the top, where the line comes down into the ring.
    const QRectF bounds(3.6, 4.4, 16.8, 16.8);
    QPainterPath arc;
    arc.arcMoveTo(bounds, 125);
    arc.arcTo(bounds, 125, 290);
    return unite({strokeOf(arc, w), polyline({{12, 2.8}, {12, 11.4}}, w)});
}

// Three axes from one corner, each ending in an arrowhead: scaling in three dimensions.
QPainterPath scale3d(qreal w)
{
    const QPointF origin(9.6, 14.6);
    return unite({polyline({origin, {9.6, 3.2}}, w), polyline({{6.8, 6.0}, {9.6, 3.2}, {12.4, 6.0}}, w),
                  polyline({origin, {21.0, 14.6}}, w), polyline({{18.2, 11.8}, {21.0, 14.6}, {18.2, 17.4}}, w),
                  polyline({origin, {3.2, 21.0}}, w), polyline({{3.2, 17.0}, {3.2, 21.0}, {7.2, 21.0}}, w)});
}

QPainterPath bellBadgeFill(qreal)
{
    QPainterPath bell(QPointF(11.2, 3.2));
    bell.cubicTo(7.4, 3.6, 5.6, 6.6, 5.6, 10.2);
    bell.lineTo(5.6, 14.2);
    bell.lineTo(3.8, 17.0);
    bell.lineTo(18.6, 17.0);
    bell.lineTo(16.8, 14.2);
    bell.lineTo(16.8, 10.2);
    bell.cubicTo(16.8, 6.6, 15.0, 3.6, 11.2, 3.2);
    bell.closeSubpath();
    // The badge sits on the bell's shoulder with a gap around it, as a notification count does.
    const QPainterPath body = big(bell).united(strokeOf(bell, 1.2)).united(disc({11.2, 19.4}, 2.1));
    return body.subtracted(disc({18.0, 5.6}, 5.2)).united(disc({18.0, 5.6}, 3.5)).simplified();
}

const QHash<QString, Design> &baseDesigns()
{
    static const QHash<QString, Design> designs = {
        {QStringLiteral("keyboard"), keyboard},
        {QStringLiteral("eye"), eye},
        {QStringLiteral("chevron.right"),
         [](qreal w) { return polyline({{8.8, 4.8}, {16.0, 12.0}, {8.8, 19.2}}, w); }},
        {QStringLiteral("arrow.right"), arrowRight},
        {QStringLiteral("timer"), timer},
        {QStringLiteral("figure.walk.motion"), figureWalkMotion},
        {QStringLiteral("repeat"), repeatArrows},
        {QStringLiteral("shield"), shield},
        {QStringLiteral("lock.shield"), lockShield},
        {QStringLiteral("waveform.path"), waveformPath},
        {QStringLiteral("video"), video},
        {QStringLiteral("power"), power},
        {QStringLiteral("scale.3d"), scale3d},
        {QStringLiteral("bell.badge.fill"), bellBadgeFill},
        {QStringLiteral("circle"), [](qreal w) { return ring({12, 12}, 9.6, w); }},
    };
    return designs;
}

// The window shell's and the cards' symbols live in a table of their own.
const QHash<QString, Design> &ownDesigns()
{
    static const QHash<QString, Design> designs = [] {
        QHash<QString, Design> all = baseDesigns();
        all.insert(ShellSymbols::designs());
        all.insert(BreaksSymbols::designs());
        all.insert(CustomizerSymbols::designs());
        all.insert(NotificationsSymbols::designs());
        all.insert(AppPanesSymbols::designs());
        all.insert(BehaviorSymbols::designs());
        return all;
    }();
    return designs;
}

} // namespace

QStringList SymbolGlyphs::symbolNames()
{
    QStringList names = ownDesigns().keys();
    for (BreakGlyph glyph : BreakGlyphs::all())
        names.append(BreakGlyphs::symbolName(glyph));
    names += HUDGlyphs::ownSymbolNames();
    names.removeDuplicates();
    names.sort();
    return names;
}

bool SymbolGlyphs::contains(const QString &symbolName)
{
    return ownDesigns().contains(symbolName) || BreakGlyphs::fromSymbolName(symbolName)
           || HUDGlyphs::ownSymbolNames().contains(symbolName);
}

const QPainterPath *SymbolGlyphs::designPath(const QString &symbolName, QFont::Weight weight)
{
    // Boolean path operations cost far more than a fill; each outline is built once per
    // weight it is drawn at.
    static std::map<std::pair<QString, int>, QPainterPath> cache;
    const auto key = std::make_pair(symbolName, static_cast<int>(weight));
    auto found = cache.find(key);
    if (found == cache.end()) {
        const auto design = ownDesigns().constFind(symbolName);
        if (design == ownDesigns().cend())
            return nullptr;
        found = cache.emplace(key, (*design)(BreakGlyphs::strokeWidth(weight))).first;
    }
    return &found->second;
}

QPainterPath SymbolGlyphs::path(const QString &symbolName, qreal pointSize, QFont::Weight weight)
{
    if (const QPainterPath *design = designPath(symbolName, weight)) {
        const qreal side = gridSide * buildScale;
        QTransform toSize;
        toSize.scale(pointSize / side, pointSize / side);
        toSize.translate(-side / 2, -side / 2);
        return toSize.map(*design);
    }
    if (const std::optional<BreakGlyph> borrowed = BreakGlyphs::fromSymbolName(symbolName))
        return BreakGlyphs::path(*borrowed, pointSize, weight);
    // The notice's own symbols come in one weight, semibold, which is what panes ask for.
    return HUDGlyphs::path(symbolName, pointSize);
}

void SymbolGlyphs::paint(QPainter &painter, const QString &symbolName, const QPointF &centre,
                         qreal pointSize, QFont::Weight weight, const QColor &colour,
                         qreal rotationDegrees)
{
    const QPainterPath outline = path(symbolName, pointSize, weight);
    if (outline.isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(centre);
    painter.rotate(rotationDegrees);
    painter.fillPath(outline, colour);
    painter.restore();
}
