#include "onboarding/OnboardingChoiceButton.h"

#include "settings_ui/components/CurveAnimation.h"
#include "settings_ui/components/Motion.h"
#include "settings_ui/components/SettingsPalette.h"

#include <QFocusEvent>
#include <QPainter>

#include <algorithm>

OnboardingChoiceButton::OnboardingChoiceButton(const QString &text, QWidget *parent)
    : QRadioButton(text, parent)
    , m_selection(new CurveAnimation(MotionCurve::linear(0), this))
{
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
    connect(this, &QAbstractButton::clicked, this, &OnboardingChoiceButton::chosen);
    // A click never checks the button (nextCheckState does nothing); only a screen reader's
    // toggle does, and it comes without a click.
    connect(this, &QAbstractButton::toggled, this, [this](bool checked) {
        if (checked && !m_showingSelection)
            emit chosen();
    });
    connect(m_selection, &QVariantAnimation::valueChanged, this, [this](const QVariant &value) {
        m_selectedAmount = value.toDouble();
        update();
    });
}

void OnboardingChoiceButton::setSelected(bool selected, const MotionCurve &curve)
{
    // The selection follows the owner's value, which may match no choice at all; an
    // exclusive radio button refuses to be unchecked while it is its group's only checked
    // one. Exclusive it stays otherwise, which is what names it a radio button to screen
    // readers and lets the arrow keys move between the choices.
    m_showingSelection = true;
    setAutoExclusive(false);
    setChecked(selected);
    setAutoExclusive(true);
    m_showingSelection = false;
    const qreal target = selected ? 1 : 0;
    if (m_selection->state() == QAbstractAnimation::Running
            ? m_selection->endValue().toDouble() == target
            : m_selectedAmount == target)
        return;
    m_selection->stop();
    if (!isVisible()) {
        m_selectedAmount = target;
        update();
        return;
    }
    m_selection->setCurve(curve);
    m_selection->setStartValue(m_selectedAmount);
    m_selection->setEndValue(target);
    Motion::start(m_selection);
}

void OnboardingChoiceButton::setGroupOpacity(qreal opacity)
{
    if (opacity == m_groupOpacity)
        return;
    m_groupOpacity = opacity;
    update();
}

bool OnboardingChoiceButton::hitButton(const QPoint &position) const
{
    return rect().contains(position);
}

void OnboardingChoiceButton::enterEvent(QEnterEvent *event)
{
    m_hovering = true;
    update();
    QRadioButton::enterEvent(event);
}

void OnboardingChoiceButton::leaveEvent(QEvent *event)
{
    m_hovering = false;
    update();
    QRadioButton::leaveEvent(event);
}

void OnboardingChoiceButton::focusInEvent(QFocusEvent *event)
{
    // A ring for the keyboard's focus only; a click focuses without one.
    const Qt::FocusReason reason = event->reason();
    m_keyboardFocus = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason;
    QRadioButton::focusInEvent(event);
}

void OnboardingChoiceButton::focusOutEvent(QFocusEvent *event)
{
    m_keyboardFocus = false;
    QRadioButton::focusOutEvent(event);
}

QColor OnboardingChoiceButton::mixed(const QColor &unselected, const QColor &selected) const
{
    const qreal share = std::clamp(m_selectedAmount, 0.0, 1.0);
    const auto mix = [share](float a, float b) { return float(a + (b - a) * share); };
    const QColor from = unselected.toRgb(), to = selected.toRgb();
    return QColor::fromRgbF(mix(from.redF(), to.redF()), mix(from.greenF(), to.greenF()),
                            mix(from.blueF(), to.blueF()), mix(from.alphaF(), to.alphaF()));
}

void OnboardingChoiceButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setOpacity(m_groupOpacity);
    const ColorScheme scheme = SettingsPalette::schemeOf(this);
    paintFace(painter, scheme == ColorScheme::dark);
    if (showsFocusRing()) {
        painter.setOpacity(1);
        painter.setPen(QPen(SettingsPalette::focusRing(scheme), 2));
        painter.setBrush(Qt::NoBrush);
        const qreal radius = cornerRadius();
        painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), radius, radius);
    }
}
