#include "breakscreen/OverlayTransition.h"

#include <QWidget>

#include <algorithm>
#include <cmath>

OverlayTransition::OverlayTransition(int durationMs, QEasingCurve::Type easing, bool shown,
                                     QWidget *owner)
    : QObject(owner)
    , m_owner(owner)
    , m_durationMs(durationMs)
    , m_easing(easing)
    , m_shown(shown)
    , m_value(shown ? 1.0 : 0.0)
{
    connect(&m_animation, &QVariantAnimation::valueChanged, this,
            [this](const QVariant &value) { setValue(value.toReal()); });
}

void OverlayTransition::setShown(bool shown)
{
    setShown(shown, m_durationMs, m_easing);
}

void OverlayTransition::setShown(bool shown, int durationMs, QEasingCurve::Type easing)
{
    if (shown == m_shown)
        return;
    m_shown = shown;
    m_animation.stop();
    const qreal end = shown ? 1.0 : 0.0;
    if (!m_owner->isVisible() || durationMs <= 0) {
        setValue(end);
        return;
    }
    // A change that reverses one half done takes only the part of the time left to cover.
    const qreal distance = std::abs(end - m_value);
    m_animation.setDuration(std::max(1, int(std::lround(durationMs * distance))));
    m_animation.setEasingCurve(easing);
    m_animation.setStartValue(m_value);
    m_animation.setEndValue(end);
    m_animation.start();
}

void OverlayTransition::setValue(qreal value)
{
    if (value == m_value)
        return;
    m_value = value;
    emit valueChanged(m_value);
}
