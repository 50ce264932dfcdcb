#include "breakscreen/BreakActionButton.h"

#include "breakscreen/BreakControlCapsule.h"
#include "breakscreen/BreakControlKeys.h"
#include "breakscreen/BreakOverlayFont.h"
#include "breakscreen/OverlayTransition.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

constexpr qreal glyphSize = 10;
constexpr qreal iconSpacing = 6;
constexpr qreal paddingX = 18;
constexpr qreal paddingY = 10;
constexpr qreal hoverScale = 1.01;
constexpr qreal hoverShadow = 0.20;
constexpr int hoverMs = 150;
// Room around the capsule for the hover's growth.
constexpr int scaleRoom = 2;

QFont labelFont()
{
    return BreakOverlayFont::font(12.5, QFont::DemiBold);
}

} // namespace

BreakActionButton::BreakActionButton(BreakGlyph icon, const QString &label,
                                     const QColor &foreground, QWidget *parent)
    : QAbstractButton(parent)
    , m_icon(icon)
    , m_label(label)
    , m_foreground(foreground)
    , m_hover(new OverlayTransition(hoverMs, QEasingCurve::OutQuad, false, this))
{
    setText(label);
    // A click ends the break anyway; only the keyboard needs to stop on the pill.
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_Hover);
    m_capsuleSize = measureCapsule();
    resize(sizeHint());
    connect(m_hover, &OverlayTransition::valueChanged, this, [this] {
        update();
        emit lookChanged();
    });
}

void BreakActionButton::setForeground(const QColor &foreground)
{
    if (foreground == m_foreground)
        return;
    m_foreground = foreground;
    update();
}

bool BreakActionButton::isHovering() const
{
    return m_hover->isShown();
}

void BreakActionButton::setOpacity(qreal opacity)
{
    if (opacity == m_opacity)
        return;
    m_opacity = opacity;
    update();
    emit lookChanged();
}

void BreakActionButton::setScale(qreal scale)
{
    if (scale == m_scale)
        return;
    m_scale = scale;
    update();
}

QSize BreakActionButton::capsuleSize() const
{
    return m_capsuleSize;
}

// Measured once: the label and its type never change, and the row asks on every repaint.
QSize BreakActionButton::measureCapsule() const
{
    const QFontMetricsF metrics(labelFont());
    const qreal content = glyphSize + iconSpacing + metrics.horizontalAdvance(m_label);
    const qreal height = std::max(glyphSize, metrics.height()) + 2 * paddingY;
    return QSize(int(std::ceil(content + 2 * paddingX)), int(std::ceil(height)));
}

QSize BreakActionButton::sizeHint() const
{
    return capsuleSize() + QSize(2 * scaleRoom, 2 * scaleRoom);
}

QRectF BreakActionButton::capsuleRect() const
{
    return QRectF(QPointF(scaleRoom, scaleRoom), QSizeF(capsuleSize()));
}

qreal BreakActionButton::shadowOpacity() const
{
    return BreakControlCapsule::shadowOpacity(m_hover->value(), hoverShadow) * m_opacity;
}

bool BreakActionButton::hitButton(const QPoint &pos) const
{
    const QRectF capsule = capsuleRect();
    QPainterPath path;
    path.addRoundedRect(capsule, capsule.height() / 2, capsule.height() / 2);
    return path.contains(QPointF(pos));
}

void BreakActionButton::enterEvent(QEnterEvent *event)
{
    m_hover->setShown(true);
    QAbstractButton::enterEvent(event);
}

void BreakActionButton::leaveEvent(QEvent *event)
{
    m_hover->setShown(false);
    QAbstractButton::leaveEvent(event);
}

std::optional<BreakFocusRing::Outline> BreakActionButton::focusOutline() const
{
    if (!hasFocus())
        return std::nullopt;
    return BreakFocusRing::Outline::capsule(capsuleRect());
}

void BreakActionButton::focusInEvent(QFocusEvent *event)
{
    QAbstractButton::focusInEvent(event);
    emit lookChanged();
}

void BreakActionButton::focusOutEvent(QFocusEvent *event)
{
    QAbstractButton::focusOutEvent(event);
    emit lookChanged();
}

// Space is the button's own; Return and Enter press it too.
void BreakActionButton::keyPressEvent(QKeyEvent *event)
{
    if (BreakControlKeys::isReturn(event))
        click();
    else
        QAbstractButton::keyPressEvent(event);
}

QColor BreakActionButton::labelInk() const
{
    return BreakControlCapsule::withOpacity(m_foreground,
                                            BreakControlCapsule::mix(0.76, 0.94, m_hover->value()));
}

void BreakActionButton::paintEvent(QPaintEvent *)
{
    const qreal hover = m_hover->value();
    const QRectF capsule = capsuleRect();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setOpacity(m_opacity);
    const qreal scale = m_scale * BreakControlCapsule::mix(1.0, hoverScale, hover);
    painter.translate(capsule.center());
    painter.scale(scale, scale);
    painter.translate(-capsule.center());
    BreakControlCapsule::paint(painter, capsule, m_foreground, hover);

    const QColor ink = labelInk();
    const QFont font = labelFont();
    const QFontMetricsF metrics(font);
    const qreal left = capsule.left() + paddingX;
    BreakGlyphs::paint(painter, m_icon, QPointF(left + glyphSize / 2, capsule.center().y()),
                       glyphSize, QFont::DemiBold, ink);
    painter.setFont(font);
    painter.setPen(ink);
    const QRectF labelBox(left + glyphSize + iconSpacing, capsule.top(),
                          metrics.horizontalAdvance(m_label) + 1, capsule.height());
    painter.drawText(labelBox, Qt::AlignLeft | Qt::AlignVCenter, m_label);
}
