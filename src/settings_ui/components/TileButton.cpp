#include "settings_ui/components/TileButton.h"

#include "settings_ui/components/CurveAnimation.h"
#include "settings_ui/components/Motion.h"
#include "settings_ui/components/SettingsPalette.h"
#include "settings_ui/components/TileButtonAccessible.h"

#include <QAccessible>
#include <QFocusEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>

namespace {

constexpr double defaultHoverSeconds = 0.12;
constexpr double defaultSelectionSeconds = 0.12;
constexpr qreal ringWidth = 2.5;
constexpr qreal accentRingInset = 1.5;

} // namespace

TileButton::TileButton(Role role, QWidget *parent)
    : QAbstractButton(parent)
    , m_role(role)
    , m_hoverAnimation(new CurveAnimation(MotionCurve::easeOut(defaultHoverSeconds), this))
    , m_selectionAnimation(new CurveAnimation(MotionCurve::easeInOut(defaultSelectionSeconds), this))
{
    TileButtonAccessible::install();
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
    connect(m_hoverAnimation, &QVariantAnimation::valueChanged, this, [this](const QVariant &value) {
        m_hoverProgress = value.toDouble();
        update();
    });
    connect(m_selectionAnimation, &QVariantAnimation::valueChanged, this,
            [this](const QVariant &value) {
                m_selectionProgress = value.toDouble();
                update();
            });
}

void TileButton::setSelected(bool selected)
{
    if (selected == m_selected)
        return;
    m_selected = selected;
    animate(m_selectionAnimation, m_selectionProgress, selected ? 1 : 0);
    if (m_role != Role::button && isVisible()) {
        // Qt tells screen readers of a checked state only for a checkable button, which a
        // tile is not; without this, the choice made with Space goes unsaid. A tile still
        // being built has nothing to tell.
        QAccessible::State changed;
        changed.checked = true;
        QAccessibleStateChangeEvent event(this, changed);
        QAccessible::updateAccessibility(&event);
    }
    emit selectedChanged(selected);
}

void TileButton::setHoverSeconds(double seconds)
{
    m_hoverAnimation->setCurve(MotionCurve::easeOut(seconds));
}

void TileButton::setSelectionSeconds(double seconds)
{
    m_selectionAnimation->setCurve(MotionCurve::easeInOut(seconds));
}

void TileButton::setHovered(bool hovered)
{
    if (hovered == m_hovered)
        return;
    m_hovered = hovered;
    animate(m_hoverAnimation, m_hoverProgress, hovered ? 1 : 0);
}

void TileButton::animate(CurveAnimation *animation, qreal from, qreal to)
{
    animation->stop();
    // A button not on screen has nothing to show moving: it takes its new look at once, as
    // it does for a change that is not eased at all.
    if (!isVisible() || animation->duration() == 0) {
        (animation == m_hoverAnimation ? m_hoverProgress : m_selectionProgress) = to;
        update();
        return;
    }
    animation->setStartValue(from);
    animation->setEndValue(to);
    Motion::start(animation);
}

void TileButton::enterEvent(QEnterEvent *event)
{
    setHovered(true);
    QAbstractButton::enterEvent(event);
}

void TileButton::leaveEvent(QEvent *event)
{
    setHovered(false);
    QAbstractButton::leaveEvent(event);
}

void TileButton::hideEvent(QHideEvent *event)
{
    // A hidden window gets no leave event; the hover must not come back with it, and nothing
    // may keep animating behind it.
    m_hovered = false;
    for (CurveAnimation *animation : {m_hoverAnimation, m_selectionAnimation}) {
        if (animation->state() == QAbstractAnimation::Running)
            animation->setCurrentTime(animation->totalDuration());
    }
    m_hoverAnimation->stop();
    m_hoverProgress = 0;
    QAbstractButton::hideEvent(event);
}

void TileButton::focusInEvent(QFocusEvent *event)
{
    // Only a focus the keyboard brought shows the ring; a click focuses without it.
    const Qt::FocusReason reason = event->reason();
    m_keyboardFocus = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason
                      || reason == Qt::ShortcutFocusReason;
    QAbstractButton::focusInEvent(event);
}

void TileButton::focusOutEvent(QFocusEvent *event)
{
    m_keyboardFocus = false;
    QAbstractButton::focusOutEvent(event);
}

void TileButton::paintFocusRing(QPainter &painter, const QPainterPath &shape, const QColor &ground) const
{
    if (!showsFocusRing())
        return;
    const ColorScheme scheme = SettingsPalette::schemeOf(this);
    const QColor colour = ground.isValid() ? SettingsPalette::focusRing(scheme, ground)
                                           : SettingsPalette::focusRing(scheme);
    // A ring of another colour than the focus blue lies on an accent fill: a band of the fill
    // is kept around it, so it reads as a ring on the control rather than as its edge.
    const qreal inset = colour == SettingsPalette::focusRing(scheme) ? 0 : accentRingInset;
    // Inside the shape's edge, so that no tile needs room around it for the ring.
    const auto band = [&shape](qreal depth) {
        QPainterPathStroker stroker;
        stroker.setWidth(2 * depth);
        stroker.setJoinStyle(Qt::RoundJoin);
        return stroker.createStroke(shape).intersected(shape);
    };
    QPainterPath ring = band(inset + ringWidth);
    if (inset > 0)
        ring = ring.subtracted(band(inset));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(ring, colour);
    painter.restore();
}
