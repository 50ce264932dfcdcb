#include "settings_ui/components/FadeStack.h"

#include "settings_ui/components/CurveAnimation.h"
#include "settings_ui/components/Debouncer.h"
#include "settings_ui/components/Motion.h"

#include <QPainter>

// The two pictures of a fade, painted over the window's own background.
class FadeStack::Cover : public QWidget
{
public:
    Cover(const QPixmap &before, const QPixmap &after, const QRect &area, const MotionCurve &curve,
          FadeStack *stack)
        : QWidget(stack)
        , m_before(before)
        , m_after(after)
        , m_fade(new CurveAnimation(curve, this))
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        // It fills itself: the live page under it need not be painted on every frame.
        setAttribute(Qt::WA_OpaquePaintEvent);
        setGeometry(area);
        m_fade->setStartValue(0.0);
        m_fade->setEndValue(1.0);
        connect(m_fade, &QVariantAnimation::valueChanged, this, [this](const QVariant &value) {
            m_progress = value.toDouble();
            update();
        });
        connect(m_fade, &QAbstractAnimation::finished, stack, &FadeStack::finishFade);
        show();
        raise();
    }

    void start() { Motion::start(m_fade); }
    void stop() { m_fade->stop(); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Window));
        painter.setOpacity(1 - m_progress);
        painter.drawPixmap(0, 0, m_before);
        painter.setOpacity(m_progress);
        painter.drawPixmap(0, 0, m_after);
    }

private:
    QPixmap m_before;
    QPixmap m_after;
    CurveAnimation *m_fade;
    qreal m_progress = 0;
};

FadeStack::FadeStack(QWidget *parent)
    : QWidget(parent)
{
}

void FadeStack::setPage(QWidget *page, const MotionCurve &curve)
{
    finishFade();
    QWidget *old = m_page;
    // Only what is on screen is pictured: a stack inside a scroll area may be far taller than
    // the part of it the window shows.
    const QRect shown = isVisible() ? visibleRegion().boundingRect() : QRect();
    const bool fade = old && !Motion::jumpsToEnd() && curve.durationMs() > 0 && !shown.isEmpty();
    const QPixmap before = fade ? old->grab(shown) : QPixmap();
    if (old)
        retire(old);
    m_page = page;
    page->setParent(this);
    page->setGeometry(rect());
    page->show();
    if (!fade)
        return;
    m_cover = new Cover(before, page->grab(shown), shown, curve, this);
    m_cover->start();
}

void FadeStack::retire(QWidget *page)
{
    // The page's pending saves are its departure's; they must not wait for the deletion.
    Debouncer::flushUnder(page);
    page->hide();
    // Deleted later: what runs now may be a click inside the page that asked to leave it.
    page->deleteLater();
}

void FadeStack::finishFade()
{
    if (!m_cover)
        return;
    Cover *cover = std::exchange(m_cover, nullptr);
    cover->stop();
    cover->hide();
    cover->deleteLater();
}

void FadeStack::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_page)
        m_page->setGeometry(rect());
    finishFade();
}

void FadeStack::hideEvent(QHideEvent *event)
{
    // Nothing of a hidden window keeps running.
    finishFade();
    QWidget::hideEvent(event);
}
