#pragma once

#include <QImage>
#include <QSize>

// The flow's backdrop: its base colour and, by scheme, a faint diagonal wash and two blurred
// glows of green and sand around the centre. Blurring glows hundreds of pixels wide is
// costly, so the whole backdrop is drawn once per size, pixel ratio and scheme and then only
// copied; having no detail, it is composed at a quarter of the size and enlarged.
class OnboardingBackground
{
public:
    // The backdrop for a view of `size` logical pixels.
    const QImage &image(QSize size, qreal devicePixelRatio, bool dark);

    static QImage render(QSize size, qreal devicePixelRatio, bool dark);

private:
    QImage m_image;
    QSize m_size;
    qreal m_ratio = 0;
    bool m_dark = false;
};
