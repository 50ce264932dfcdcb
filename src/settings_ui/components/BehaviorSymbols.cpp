#include "settings_ui/components/BehaviorSymbols.h"

#include <algorithm>

namespace {

using namespace glyph;

// A figure in full with a question mark over its shoulder, set apart by a clear gap.
QPainterPath personFillQuestionmark(qreal w)
{
    QPainterPath body(QPointF(1.8, 21.2));
    body.lineTo(1.8, 19.8);
    body.cubicTo(1.8, 16.2, 5.0, 14.0, 9.0, 14.0);
    body.cubicTo(13.0, 14.0, 16.2, 16.2, 16.2, 19.8);
    body.lineTo(16.2, 21.2);
    body.closeSubpath();
    QPainterPath hook(QPointF(16.6, 5.4));
    hook.cubicTo(16.6, 3.2, 18.2, 2.2, 19.4, 2.2);
    hook.cubicTo(21.0, 2.2, 22.2, 3.4, 22.2, 5.0);
    hook.cubicTo(22.2, 7.0, 19.6, 7.6, 19.6, 9.8);
    const qreal line = std::max(1.4, w * 0.85);
    return unite({disc({9.0, 8.2}, 4.4), big(body), strokeOf(hook, line), disc({19.6, 12.9}, line * 0.68)});
}

// Nearly a full circle, turning back on itself, with the arrowhead at its top pointing the
// way it turns.
QPainterPath arrowCounterclockwise(qreal w)
{
    const QRectF bounds(3.8, 4.6, 16.4, 16.4);
    QPainterPath arc;
    arc.arcMoveTo(bounds, 84);
    arc.arcTo(bounds, 84, -294);
    const QPointF tip(9.4, 4.8);
    return unite({strokeOf(arc, w), polyline({{13.0, 1.4}, tip, {13.0, 8.2}}, w)});
}

// The open hand of the wrist reminder: four fingers side by side, sharing the lines between
// them, the thumb out to the left and the palm rounding below. Lighter than the other
// symbols' lines, so the fingers stay apart at the sizes the tiles draw it.
QPainterPath handRaised(qreal w)
{
    const qreal line = std::max(1.2, w * 0.75);
    constexpr qreal palmTop = 12.4;
    constexpr qreal fingerWidth = 3.2;
    const qreal tops[] = {5.6, 3.2, 3.8, 6.4};
    QPainterPath fingers;
    for (int finger = 0; finger < 4; ++finger) {
        const qreal left = 6.6 + finger * fingerWidth;
        fingers.moveTo(left, palmTop);
        fingers.lineTo(left, tops[finger] + fingerWidth / 2);
        fingers.arcTo(QRectF(left, tops[finger], fingerWidth, fingerWidth), 180, -180);
        fingers.lineTo(left + fingerWidth, palmTop);
    }
    // The thumb leaves the palm's left side, rounds at its tip and comes back into the palm's
    // lower curve, which runs on round to the right side.
    QPainterPath palm(QPointF(6.6, palmTop));
    palm.lineTo(6.6, 12.8);
    palm.lineTo(5.5, 11.3);
    palm.arcTo(QRectF(2.6, 10.6, 3.2, 3.2), 35.6, 180);
    palm.lineTo(6.7, 18.4);
    palm.cubicTo(8.0, 20.8, 10.0, 21.8, 12.8, 21.8);
    palm.cubicTo(16.8, 21.8, 19.4, 19.4, 19.4, 15.8);
    palm.lineTo(19.4, palmTop);
    return unite({strokeOf(fingers, line), strokeOf(palm, line)});
}

// The shield in full with the padlock cut out of it, so the ground shows through the lock.
QPainterPath lockShieldFill(qreal w)
{
    QPainterPath shackle(QPointF(9.9, 11.6));
    shackle.lineTo(9.9, 10.2);
    shackle.arcTo(QRectF(9.9, 8.1, 4.2, 4.2), 180, -180);
    shackle.lineTo(14.1, 11.6);
    const QPainterPath lock = big(roundedRect(QRectF(8.4, 11.2, 7.2, 5.8), 1.1))
                                  .united(strokeOf(shackle, std::max(1.2, w * 0.7)));
    const QPainterPath shield = big(shieldOutline()).united(strokeOf(shieldOutline(), 1.2));
    return shield.subtracted(lock).simplified();
}

} // namespace

const QHash<QString, Design> &BehaviorSymbols::designs()
{
    static const QHash<QString, Design> designs = {
        {QStringLiteral("person.fill.questionmark"), personFillQuestionmark},
        {QStringLiteral("arrow.counterclockwise"), arrowCounterclockwise},
        {QStringLiteral("hand.raised"), handRaised},
        {QStringLiteral("lock.shield.fill"), lockShieldFill},
    };
    return designs;
}
