#include "breakscreen/GradientBackgroundPainter.h"

#include "breakscreen/SoftImage.h"

GradientBackgroundPainter::GradientBackgroundPainter(const QColor &from, const QColor &to,
                                                     QPointF startFraction, QPointF endFraction)
    : m_from(from), m_to(to), m_start(startFraction), m_end(endFraction)
{
}

GradientBackgroundPainter GradientBackgroundPainter::vertical(const QColor &top,
                                                              const QColor &bottom)
{
    return {top, bottom, {0.5, 0.0}, {0.5, 1.0}};
}

GradientBackgroundPainter GradientBackgroundPainter::diagonal(const QColor &topLeft,
                                                              const QColor &bottomRight)
{
    return {topLeft, bottomRight, {0.0, 0.0}, {1.0, 1.0}};
}

QImage GradientBackgroundPainter::render(QSize pixelSize, qreal) const
{
    // A linear gradient survives the smooth enlargement exactly; the small picture only
    // saves time, and the enlargement adds the grain that hides banding.
    const QSize small = softSize(pixelSize);
    SoftImage picture(small.width(), small.height());
    picture.fillLinearGradient(m_start, m_end, m_from, m_to);
    return picture.toImage(pixelSize);
}
