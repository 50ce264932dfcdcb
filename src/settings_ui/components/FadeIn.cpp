#include "settings_ui/components/FadeIn.h"

#include "settings_ui/components/CurveAnimation.h"
#include "settings_ui/components/Motion.h"

#include <QEvent>
#include <QGraphicsOpacityEffect>
#include <QWidget>

#include <utility>

void FadeIn::start(QWidget *widget, double seconds)
{
    if (auto *running = widget->findChild<FadeIn *>(QString(), Qt::FindDirectChildrenOnly))
        running->finish();
    // A widget not on screen has nothing to show fading.
    if (!widget->isVisible() || Motion::jumpsToEnd())
        return;
    auto *fade = new FadeIn(widget, seconds);
    Motion::start(fade->m_fade);
}

bool FadeIn::isFading(const QWidget *widget)
{
    return widget->findChild<FadeIn *>(QString(), Qt::FindDirectChildrenOnly) != nullptr;
}

FadeIn::FadeIn(QWidget *widget, double seconds)
    : QObject(widget)
    , m_widget(widget)
    , m_fade(new CurveAnimation(MotionCurve::easeInOut(seconds), this))
{
    auto *effect = new QGraphicsOpacityEffect(widget);
    effect->setOpacity(0);
    widget->setGraphicsEffect(effect);
    m_fade->setStartValue(0.0);
    m_fade->setEndValue(1.0);
    connect(m_fade, &QVariantAnimation::valueChanged, effect,
            [effect](const QVariant &value) { effect->setOpacity(value.toDouble()); });
    connect(m_fade, &QAbstractAnimation::finished, this, &FadeIn::finish);
    widget->installEventFilter(this);
}

bool FadeIn::eventFilter(QObject *watched, QEvent *event)
{
    // Nothing of a hidden window keeps running.
    if (watched == m_widget && event->type() == QEvent::Hide)
        finish();
    return false;
}

void FadeIn::finish()
{
    if (std::exchange(m_finished, true))
        return;
    m_fade->stop();
    m_widget->removeEventFilter(this);
    // Drawn directly again, not through the effect's off-screen pass.
    m_widget->setGraphicsEffect(nullptr);
    setParent(nullptr);
    deleteLater();
}
