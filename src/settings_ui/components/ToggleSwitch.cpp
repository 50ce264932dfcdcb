#include "settings_ui/components/ToggleSwitch.h"

#include "settings_ui/components/CurveAnimation.h"
#include "settings_ui/components/Motion.h"
#include "settings_ui/components/SettingsPalette.h"

#include <QFocusEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

// Room around the track for the focus ring.
constexpr int ringMargin = 3;
constexpr qreal knobInset = 2;
constexpr double slideSeconds = 0.16;
const QColor defaultTint(0, 122, 255);

} // namespace

ToggleSwitch::ToggleSwitch(QWidget *parent)
    : ToggleSwitch(Size::small, defaultTint, parent)
{
}

ToggleSwitch::ToggleSwitch(Size size, const QColor &tint, QWidget *parent)
    : QAbstractButton(parent)
    , m_size(size)
    , m_tint(tint)
    , m_slide(new CurveAnimation(MotionCurve::easeInOut(slideSeconds), this))
{
    setCheckable(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(m_slide, &QVariantAnimation::valueChanged, this, [this](const QVariant &value) {
        m_knobPosition = value.toDouble();
        update();
    });
}

void ToggleSwitch::checkStateSet()
{
    // Set in code, also under a signal blocker (a pane shows a setting without writing it
    // back), the knob follows the state.
    slideKnob(isChecked());
}

void ToggleSwitch::nextCheckState()
{
    QAbstractButton::nextCheckState();
    slideKnob(isChecked());
}

void ToggleSwitch::setControlSize(Size size)
{
    if (size == m_size)
        return;
    m_size = size;
    updateGeometry();
    update();
}

void ToggleSwitch::setTint(const QColor &tint)
{
    m_tint = tint;
    update();
}

QSize ToggleSwitch::trackSize(Size size)
{
    return size == Size::small ? QSize(32, 18) : QSize(26, 15);
}

QSize ToggleSwitch::sizeHint() const
{
    return trackSize(m_size) + QSize(2 * ringMargin, 2 * ringMargin);
}

QRectF ToggleSwitch::trackRect() const
{
    const QSizeF track = trackSize(m_size);
    return QRectF(QPointF((width() - track.width()) / 2, (height() - track.height()) / 2), track);
}

bool ToggleSwitch::hitButton(const QPoint &position) const
{
    return rect().contains(position);
}

void ToggleSwitch::slideKnob(bool checked)
{
    m_slide->stop();
    // Before the first show there is nothing to watch slide.
    if (!isVisible()) {
        m_knobPosition = checked ? 1 : 0;
        update();
        return;
    }
    m_slide->setStartValue(m_knobPosition);
    m_slide->setEndValue(checked ? 1.0 : 0.0);
    Motion::start(m_slide);
}

void ToggleSwitch::hideEvent(QHideEvent *event)
{
    // Nothing of a hidden window keeps running: a slide under way lands where it was going.
    if (m_slide->state() == QAbstractAnimation::Running)
        m_slide->setCurrentTime(m_slide->totalDuration());
    QAbstractButton::hideEvent(event);
}

void ToggleSwitch::focusInEvent(QFocusEvent *event)
{
    // Only a focus the keyboard brought shows the ring; a click focuses without it.
    const Qt::FocusReason reason = event->reason();
    m_keyboardFocus = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason
                      || reason == Qt::ShortcutFocusReason;
    QAbstractButton::focusInEvent(event);
}

void ToggleSwitch::focusOutEvent(QFocusEvent *event)
{
    m_keyboardFocus = false;
    QAbstractButton::focusOutEvent(event);
}

void ToggleSwitch::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const ColorScheme scheme = SettingsPalette::schemeOf(this);
    const bool dark = scheme == ColorScheme::dark;
    if (!isEnabled())
        painter.setOpacity(0.5);
    const QRectF track = trackRect();
    const qreal radius = track.height() / 2;
    painter.setPen(Qt::NoPen);
    painter.setBrush(dark ? QColor(255, 255, 255, 40) : QColor(0, 0, 0, 26));
    painter.drawRoundedRect(track, radius, radius);
    // The tint comes in as the knob travels, so a switch caught mid-slide blends the two.
    if (m_knobPosition > 0) {
        QColor on = m_tint;
        on.setAlphaF(m_tint.alphaF() * float(std::min<qreal>(1, m_knobPosition)));
        painter.setBrush(on);
        painter.drawRoundedRect(track, radius, radius);
    }

    const qreal knobDiameter = track.height() - 2 * knobInset;
    const qreal travel = track.width() - 2 * knobInset - knobDiameter;
    const QRectF knob(track.left() + knobInset + travel * m_knobPosition, track.top() + knobInset,
                      knobDiameter, knobDiameter);
    painter.setBrush(QColor(0, 0, 0, dark ? 60 : 36));
    painter.drawEllipse(knob.translated(0, 0.6).adjusted(-0.4, -0.4, 0.4, 0.4));
    painter.setBrush(Qt::white);
    painter.drawEllipse(knob);

    if (hasFocus() && m_keyboardFocus) {
        painter.setOpacity(1);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(SettingsPalette::focusRing(scheme), 2));
        const QRectF ring = track.adjusted(-2, -2, 2, 2);
        painter.drawRoundedRect(ring, ring.height() / 2, ring.height() / 2);
    }
}
