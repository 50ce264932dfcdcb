#include "breakscreen/BreakFocusRing.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

QPainterPath roundedEnds(const QRectF &rect, qreal left, qreal right)
{
    QPainterPath path;
    path.moveTo(rect.left() + left, rect.top());
    path.lineTo(rect.right() - right, rect.top());
    path.arcTo(QRectF(rect.right() - 2 * right, rect.top(), 2 * right, 2 * right), 90, -90);
    path.lineTo(rect.right(), rect.bottom() - right);
    path.arcTo(QRectF(rect.right() - 2 * right, rect.bottom() - 2 * right, 2 * right, 2 * right),
               0, -90);
    path.lineTo(rect.left() + left, rect.bottom());
    path.arcTo(QRectF(rect.left(), rect.bottom() - 2 * left, 2 * left, 2 * left), 270, -90);
    path.lineTo(rect.left(), rect.top() + left);
    path.arcTo(QRectF(rect.left(), rect.top(), 2 * left, 2 * left), 180, -90);
    path.closeSubpath();
    return path;
}

} // namespace

// The dark backdrops reach a relative luminance of about 0.04 at their brightest, the light
// frosted material no less than 0.60: the settings window's dark-scheme blue, opaque, stands
// out from the first at over 4:1, and a deeper blue from the second at over 3.5:1.
QColor BreakFocusRing::colour(bool darkBackdrop)
{
    return darkBackdrop ? QColor(64, 156, 255) : QColor(0, 92, 200);
}

int BreakFocusRing::reach()
{
    return int(std::ceil(gap + width));
}

void BreakFocusRing::paint(QPainter &painter, const Outline &outline, const QColor &colour)
{
    // The pen runs along the middle of the ring, so the outline grows by half its width more.
    const qreal out = gap + width / 2;
    const QRectF rect = outline.rect.adjusted(-out, -out, out, out);
    const qreal limit = rect.height() / 2;
    const qreal left = std::min(outline.leftRadius + out, limit);
    const qreal right = std::min(outline.rightRadius + out, limit);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour, width));
    painter.drawPath(roundedEnds(rect, left, right));
    painter.restore();
}
