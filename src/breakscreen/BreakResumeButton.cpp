#include "breakscreen/BreakResumeButton.h"

#include "breakscreen/BreakControlKeys.h"
#include "breakscreen/BreakGlyphs.h"
#include "breakscreen/BreakOverlayFont.h"
#include "breakscreen/BreakOverlayTexts.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

constexpr qreal glyphSize = 11;
constexpr qreal iconSpacing = 6;
constexpr qreal paddingX = 28;
constexpr qreal paddingY = 12;

QFont labelFont()
{
    return BreakOverlayFont::font(14, QFont::DemiBold);
}

QPainterPath capsule(const QRectF &rect)
{
    QPainterPath path;
    path.addRoundedRect(rect, rect.height() / 2, rect.height() / 2);
    return path;
}

} // namespace

BreakResumeButton::BreakResumeButton(const QColor &fill, QWidget *parent)
    : QAbstractButton(parent)
    , m_fill(fill)
{
    setText(BreakOverlayTexts::resume);
    setFocusPolicy(Qt::TabFocus);
    resize(sizeHint());
}

void BreakResumeButton::setFill(const QColor &fill)
{
    m_fill = fill;
    update();
}

void BreakResumeButton::setOpacity(qreal opacity)
{
    if (opacity == m_opacity)
        return;
    m_opacity = opacity;
    update();
}

QSize BreakResumeButton::sizeHint() const
{
    const QFontMetricsF metrics(labelFont());
    const qreal width = 2 * paddingX + glyphSize + iconSpacing + metrics.horizontalAdvance(text());
    const qreal height = 2 * paddingY + std::max(glyphSize, metrics.height());
    return QSize(int(std::ceil(width)), int(std::ceil(height)));
}

bool BreakResumeButton::hitButton(const QPoint &pos) const
{
    return capsule(rect()).contains(QPointF(pos));
}

void BreakResumeButton::focusInEvent(QFocusEvent *event)
{
    QAbstractButton::focusInEvent(event);
    emit focusChanged(true);
}

void BreakResumeButton::focusOutEvent(QFocusEvent *event)
{
    QAbstractButton::focusOutEvent(event);
    emit focusChanged(false);
}

// Space is the button's own; Return and Enter press it too.
void BreakResumeButton::keyPressEvent(QKeyEvent *event)
{
    if (BreakControlKeys::isReturn(event))
        click();
    else
        QAbstractButton::keyPressEvent(event);
}

void BreakResumeButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setOpacity(m_opacity);
    painter.fillPath(capsule(rect()), m_fill);
    const qreal left = paddingX;
    const qreal centreY = height() / 2.0;
    BreakGlyphs::paint(painter, BreakGlyph::playFill, QPointF(left + glyphSize / 2, centreY),
                       glyphSize, QFont::Normal, Qt::white);
    painter.setFont(labelFont());
    painter.setPen(Qt::white);
    painter.drawText(QRectF(left + glyphSize + iconSpacing, 0, width(), height()),
                     Qt::AlignLeft | Qt::AlignVCenter, text());
}
