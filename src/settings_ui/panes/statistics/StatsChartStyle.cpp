#include "settings_ui/panes/statistics/StatsChartStyle.h"

#include "settings_ui/components/NamedColors.h"
#include "settings_ui/components/SettingsFont.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

void StatsChartStyle::fillBar(QPainter &painter, const QRectF &bar, const QColor &colour)
{
    if (!(bar.height() > 0) || !(bar.width() > 0))
        return;
    // A stack segment of one count can be lower than its corners are round.
    const qreal radius = std::min({barRadius, bar.width() / 2, bar.height() / 2});
    QPainterPath path;
    path.addRoundedRect(bar, radius, radius);
    painter.fillPath(path, colour);
}

QColor StatsChartStyle::plotGround(ColorScheme scheme)
{
    return NamedColors::withOpacity(NamedColors::color(NamedColor::label, scheme), 0.015);
}

QColor StatsChartStyle::labelColour(ColorScheme scheme)
{
    return NamedColors::color(NamedColor::secondaryLabel, scheme);
}

QFont StatsChartStyle::labelFont(QFont::Weight weight)
{
    return SettingsFont::font(labelSize, weight);
}
