#pragma once

#include <QImage>
#include <QPixmap>
#include <QRect>

class QPainter;

// The backdrop of a break panel. A backdrop never changes while a break shows, so each one
// is drawn once per panel size into a pixmap and then only copied: the frequent small
// repaints under the drifting leaves cost a blit of their own rectangle, nothing more.
class BreakBackgroundPainter
{
public:
    virtual ~BreakBackgroundPainter() = default;

    // Paints the backdrop over `target`, in the painter's logical pixels, at the device's
    // pixel ratio. Pixels outside the painter's clip are left alone, so a widget passes its
    // whole rectangle and lets the paint event's region limit the work.
    void paint(QPainter &painter, const QRect &target);

    // False when the backdrop lets the desktop show through.
    virtual bool isOpaque() const { return true; }

protected:
    // The backdrop for a panel of `pixelSize` device pixels, `devicePixelRatio` of them per
    // logical pixel (design sizes are logical).
    virtual QImage render(QSize pixelSize, qreal devicePixelRatio) const = 0;

    // A small picture is enough for the soft backdrops: they are composed at this fraction
    // of the panel and enlarged once.
    static constexpr int softScaleDivisor = 8;
    static QSize softSize(QSize pixelSize);

private:
    QPixmap m_cache;
    qreal m_cacheRatio = 0;
};
