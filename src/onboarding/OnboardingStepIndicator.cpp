#include "onboarding/OnboardingStepIndicator.h"

#include "onboarding/OnboardingPalette.h"
#include "settings_ui/components/CurveAnimation.h"
#include "settings_ui/components/Motion.h"
#include "settings_ui/components/SettingsPalette.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

OnboardingStepIndicator::OnboardingStepIndicator(int steps, QWidget *parent)
    : QWidget(parent)
    , m_steps(steps)
    , m_move(new CurveAnimation(MotionCurve::spring(0.35, 0.825), this))
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_move->setStartValue(0.0);
    m_move->setEndValue(1.0);
    connect(m_move, &QVariantAnimation::valueChanged, this, [this](const QVariant &value) {
        m_progress = value.toDouble();
        update();
    });
}

void OnboardingStepIndicator::setStep(int step)
{
    if (step == m_step)
        return;
    m_previousStep = m_step;
    m_step = step;
    m_move->stop();
    if (!isVisible()) {
        m_progress = 1;
        update();
        return;
    }
    m_progress = 0;
    Motion::start(m_move);
}

qreal OnboardingStepIndicator::markWidth(int index) const
{
    const qreal from = index == m_previousStep ? currentWidth : otherWidth;
    const qreal to = index == m_step ? currentWidth : otherWidth;
    // The spring may overshoot a little, but a mark never turns thinner than a dot.
    return std::max(otherWidth / 2, from + (to - from) * m_progress);
}

QSize OnboardingStepIndicator::sizeHint() const
{
    const qreal width = currentWidth + (m_steps - 1) * (otherWidth + spacing);
    // Room for the overshoot of the widest mark.
    return QSize(int(std::ceil(width)) + 4, int(markHeight));
}

void OnboardingStepIndicator::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const bool dark = SettingsPalette::isDark(this);
    const QColor idle = OnboardingPalette::indicatorIdle(dark);
    const QColor current = OnboardingPalette::green();
    qreal total = (m_steps - 1) * spacing;
    for (int index = 0; index < m_steps; ++index)
        total += markWidth(index);
    qreal x = (width() - total) / 2;
    const qreal share = std::clamp(m_progress, 0.0, 1.0);
    for (int index = 0; index < m_steps; ++index) {
        const QColor from = index == m_previousStep ? current : idle;
        const QColor to = index == m_step ? current : idle;
        const auto mix = [share](float a, float b) { return float(a + (b - a) * share); };
        painter.setBrush(QColor::fromRgbF(mix(from.redF(), to.redF()), mix(from.greenF(), to.greenF()),
                                          mix(from.blueF(), to.blueF()), mix(from.alphaF(), to.alphaF())));
        const qreal width = markWidth(index);
        painter.drawRoundedRect(QRectF(x, 0, width, markHeight), 3, 3);
        x += width + spacing;
    }
}
