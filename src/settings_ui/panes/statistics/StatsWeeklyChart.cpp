#include "settings_ui/panes/statistics/StatsWeeklyChart.h"

#include "settings_ui/components/SettingsPalette.h"
#include "settings_ui/panes/statistics/StatsChartStyle.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// The week's seven positions, 0 to 6, in a domain from -1 to 7.
constexpr double domainStart = -1;
constexpr double domainEnd = 7;
constexpr qreal labelGap = 5;

} // namespace

StatsWeeklyChart::StatsWeeklyChart(QWidget *parent)
    : QWidget(parent)
{
    setFixedHeight(chartHeight);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setAccessibleName(QStringLiteral("Weekly rhythm"));
}

void StatsWeeklyChart::setFigures(const StatsFigures &figures)
{
    m_rhythm = figures.weekdayRhythm();
    m_averages = figures.weeklyAverages();
    m_axis = figures.weeklyAxis();
    update();
}

QRectF StatsWeeklyChart::plotRect() const
{
    const qreal labels =
        std::ceil(QFontMetricsF(StatsChartStyle::labelFont(QFont::Medium)).height());
    return QRectF(0, 0, width(), std::max<qreal>(height() - labelGap - labels, 0));
}

qreal StatsWeeklyChart::positionX(int order) const
{
    const QRectF plot = plotRect();
    return plot.left() + (order - domainStart) / (domainEnd - domainStart) * plot.width();
}

QList<QRectF> StatsWeeklyChart::barRects() const
{
    QList<QRectF> bars;
    const QRectF plot = plotRect();
    for (qsizetype order = 0; order < m_averages.size(); ++order) {
        const double average = std::max(m_averages[order], 0.0);
        const qreal top = plot.bottom() - std::min(average / m_axis.top, 1.0) * plot.height();
        const qreal x = positionX(int(order));
        bars.append(average > 0 ? QRectF(QPointF(x - barWidth / 2, top),
                                         QPointF(x + barWidth / 2, plot.bottom()))
                                : QRectF());
    }
    return bars;
}

void StatsWeeklyChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const ColorScheme scheme = SettingsPalette::schemeOf(this);
    const QRectF plot = plotRect();
    painter.fillRect(plot, StatsChartStyle::plotGround(scheme));
    const QColor colour = StatsColors::color(StatsTint::timed, scheme);
    for (const QRectF &bar : barRects())
        StatsChartStyle::fillBar(painter, bar, colour);
    const QFont font = StatsChartStyle::labelFont(QFont::Medium);
    const qreal lineHeight = QFontMetricsF(font).height();
    painter.setFont(font);
    painter.setPen(StatsChartStyle::labelColour(scheme));
    for (const WeekdayBreakStat &row : m_rhythm) {
        const qreal x = positionX(row.order);
        painter.drawText(QRectF(x - 15, plot.bottom() + labelGap, 30, lineHeight),
                         Qt::AlignHCenter | Qt::AlignTop, row.shortName);
    }
}
