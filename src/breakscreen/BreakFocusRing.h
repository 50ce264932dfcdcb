#pragma once

#include <QColor>
#include <QRectF>

class QPainter;

// The ring that shows which control of the break screen the keyboard is on: a line in the
// accent blue a little outside the control's outline, as the settings window draws its
// rings. The break screen's backdrops are dark, or the frosted blur light or dark with the
// desktop; the blue is chosen per case to stand out from any of them at 3:1 at least.
class BreakFocusRing
{
public:
    static constexpr qreal gap = 2;
    static constexpr qreal width = 2.5;

    // The outline of a control: a rectangle whose left and right ends are rounded by their
    // own radius (half the height for a capsule's end, 0 for a square one).
    struct Outline
    {
        QRectF rect;
        qreal leftRadius = 0;
        qreal rightRadius = 0;

        static Outline capsule(const QRectF &rect)
        {
            return {rect, rect.height() / 2, rect.height() / 2};
        }
    };

    // `darkBackdrop`: every backdrop but the blur one in the light scheme.
    static QColor colour(bool darkBackdrop);
    // How far the ring reaches past the outline.
    static int reach();
    static void paint(QPainter &painter, const Outline &outline, const QColor &colour);
};
