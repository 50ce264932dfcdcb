#pragma once

#include "settings_ui/components/MotionCurve.h"

#include <QPixmap>
#include <QPointer>
#include <QWidget>

class CurveAnimation;

// Shows one page at a time and cross-fades to the next: the old page is taken off at once
// (its debounced saves run as it leaves, and it is deleted), the new one is laid out in its
// place, and for the length of the fade a cover paints a picture of each, the old fading out
// as the new fades in. Live pages are never drawn through an opacity effect, which would
// render them off screen on every frame. With reduced motion, or while the stack is not on
// screen, the switch is instant.
class FadeStack : public QWidget
{
    Q_OBJECT

public:
    explicit FadeStack(QWidget *parent = nullptr);

    QWidget *page() const { return m_page; }
    // Takes `page` (the stack owns it) and shows it in place of the current one.
    void setPage(QWidget *page, const MotionCurve &curve);
    bool isFading() const { return m_cover != nullptr; }
    // Ends a fade in progress at once.
    void finishFade();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    class Cover;

    void retire(QWidget *page);

    QPointer<QWidget> m_page;
    Cover *m_cover = nullptr;
};
