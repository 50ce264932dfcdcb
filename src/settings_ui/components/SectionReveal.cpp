#include "settings_ui/components/SectionReveal.h"

#include "settings_ui/components/FadingSnapshot.h"
#include "settings_ui/components/Motion.h"

#include <QPixmap>
#include <QWidget>

void SectionReveal::change(QWidget *page, const std::function<void()> &change)
{
    if (!page->isVisible() || Motion::jumpsToEnd() || page->size().isEmpty()) {
        change();
        return;
    }
    // On the window's ground, so that what appears is hidden under the picture at first and
    // fades in, as what goes fades out.
    const qreal ratio = page->devicePixelRatioF();
    QPixmap before(page->size() * ratio);
    before.setDevicePixelRatio(ratio);
    before.fill(page->palette().color(QPalette::Window));
    page->render(&before, QPoint(), QRegion(), QWidget::DrawChildren);
    const QRect area = page->rect();
    change();
    FadingSnapshot::fadeOut(before, area, page, MotionCurve::easeInOut(fadeSeconds));
}
