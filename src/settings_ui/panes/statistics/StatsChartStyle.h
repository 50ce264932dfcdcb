#pragma once

#include "core/AppTheme.h"

#include <QColor>
#include <QFont>
#include <QRectF>

class QPainter;

// What the statistics pane's two bar charts draw alike: bars with rounded corners, the faint
// ground of the plot and the small type of their labels.
class StatsChartStyle {
public:
    static constexpr qreal barRadius = 3;
    static constexpr qreal labelSize = 9;

    // A bar filling `bar`, its corners rounded as far as its size allows; nothing when the
    // bar has no height.
    static void fillBar(QPainter &painter, const QRectF &bar, const QColor &colour);
    // The plot area's ground: the label colour at 1.5 %.
    static QColor plotGround(ColorScheme scheme);
    static QColor labelColour(ColorScheme scheme);
    static QFont labelFont(QFont::Weight weight = QFont::Normal);
};
