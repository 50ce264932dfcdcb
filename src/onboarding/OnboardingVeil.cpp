#include "onboarding/OnboardingVeil.h"

#include <QPainter>

#include <algorithm>

OnboardingVeil::OnboardingVeil(std::function<const QImage &(qreal)> backdrop, QWidget *parent)
    : QWidget(parent)
    , m_backdrop(std::move(backdrop))
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    hide();
}

void OnboardingVeil::setContentOpacity(qreal opacity)
{
    m_contentOpacity = std::clamp(opacity, 0.0, 1.0);
    refresh();
}

void OnboardingVeil::setPageOpacity(qreal opacity, const QRect &pageArea)
{
    m_pageOpacity = std::clamp(opacity, 0.0, 1.0);
    m_pageArea = pageArea;
    refresh();
}

void OnboardingVeil::refresh()
{
    const bool needed = m_contentOpacity < 1 || m_pageOpacity < 1;
    if (needed == isVisible()) {
        if (needed)
            update();
        return;
    }
    setVisible(needed);
    // Above the content it covers; a fading picture laid on later stays above it.
    if (needed)
        raise();
}

void OnboardingVeil::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QImage &backdrop = m_backdrop(painter.device()->devicePixelRatioF());
    const QRectF whole(QPointF(0, 0), QSizeF(backdrop.size()) / backdrop.devicePixelRatio());
    if (m_contentOpacity < 1) {
        painter.setOpacity(1 - m_contentOpacity);
        painter.drawImage(QPointF(0, 0), backdrop);
    }
    // Laid over the first coat, the second brings the page area to one minus the product of
    // both opacities.
    if (m_pageOpacity < 1 && !m_pageArea.isEmpty()) {
        painter.setOpacity(1 - m_pageOpacity);
        const qreal ratio = backdrop.devicePixelRatio();
        const QRectF target = QRectF(m_pageArea).intersected(whole);
        const QRectF source(target.topLeft() * ratio, target.size() * ratio);
        painter.drawImage(target, backdrop, source);
    }
}
