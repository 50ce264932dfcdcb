#include "settings_ui/panes/statistics/StatsDailyChart.h"

#include "settings_ui/components/NamedColors.h"
#include "settings_ui/components/SettingsPalette.h"
#include "settings_ui/panes/statistics/StatsChartStyle.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Room above the top grid line for half of its label.
constexpr qreal topMargin = 6;
constexpr qreal axisLabelGap = 6;
constexpr qreal tickLength = 4;
constexpr qreal dayLabelGap = 3;
constexpr qreal gridOpacity = 0.08;
constexpr qreal tickOpacity = 0.12;
// Over thirty days a label for every fifth day, counted back from today.
constexpr int monthLabelEvery = 5;

QString tickText(double value)
{
    return QString::number(value, 'f', 0);
}

// The C locale names weekdays by number; English letters read better there.
QLocale dayNameLocale()
{
    const QLocale locale;
    return locale.language() == QLocale::C ? QLocale(QLocale::English) : locale;
}

} // namespace

StatsDailyChart::StatsDailyChart(QWidget *parent)
    : QWidget(parent)
{
    setFixedHeight(chartHeight);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setAccessibleName(QStringLiteral("Daily activity"));
}

void StatsDailyChart::setFigures(const StatsFigures &figures, StatRange range)
{
    m_bars = figures.dailyBars();
    m_domain = figures.dailyChartDomain();
    m_axis = figures.dailyAxis();
    m_range = range;
    update();
}

qreal StatsDailyChart::barWidth() const
{
    return m_range == StatRange::month ? monthBarWidth : weekBarWidth;
}

QRectF StatsDailyChart::plotRect() const
{
    const QFontMetricsF metrics(StatsChartStyle::labelFont());
    qreal labelWidth = 0;
    for (double tick : m_axis.ticks())
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(tickText(tick)));
    const qreal left = std::ceil(labelWidth) + axisLabelGap;
    const qreal bottom = height() - tickLength - dayLabelGap - std::ceil(metrics.height());
    return QRectF(left, topMargin, std::max<qreal>(width() - left, 0),
                  std::max<qreal>(bottom - topMargin, 0));
}

qreal StatsDailyChart::slotCentre(const QDate &day, const QRectF &plot) const
{
    // Each calendar day of the domain is one slot, and a day's bar stands in its middle.
    const qint64 slotCount = m_domain.first.daysTo(m_domain.second) + 1;
    const qint64 slot = m_domain.first.daysTo(day);
    return plot.left()
        + (double(slot) + 0.5) * plot.width() / double(std::max<qint64>(slotCount, 1));
}

qreal StatsDailyChart::valueY(double value, const QRectF &plot) const
{
    return plot.bottom() - std::min(value / m_axis.top, 1.0) * plot.height();
}

QList<StatsDailyChart::DayBars> StatsDailyChart::dayBars() const
{
    QList<DayBars> result;
    if (!m_domain.first.isValid())
        return result;
    const QRectF plot = plotRect();
    const qreal half = barWidth() / 2;
    for (const StatsDailyBar &bar : m_bars) {
        if (!bar.day.isValid())
            continue;
        const qreal centre = slotCentre(bar.day, plot);
        const double timed = double(std::max<qint64>(bar.timed, 0));
        const double stack = timed + double(std::max<qint64>(bar.away, 0));
        DayBars bars{bar.day, {}, {}};
        if (timed > 0)
            bars.timed = QRectF(QPointF(centre - half, valueY(timed, plot)),
                                QPointF(centre + half, plot.bottom()));
        if (stack > timed)
            bars.away = QRectF(QPointF(centre - half, valueY(stack, plot)),
                               QPointF(centre + half, valueY(timed, plot)));
        result.append(bars);
    }
    return result;
}

QList<StatsDailyChart::DayLabel> StatsDailyChart::dayLabels() const
{
    QList<DayLabel> labels;
    if (!m_domain.first.isValid())
        return labels;
    const QRectF plot = plotRect();
    const QLocale locale = dayNameLocale();
    for (qsizetype index = 0; index < m_bars.size(); ++index) {
        const QDate day = m_bars[index].day;
        if (!day.isValid())
            continue;
        QString text;
        if (m_range == StatRange::week)
            text = locale.dayName(day.dayOfWeek(), QLocale::NarrowFormat);
        else if (day.daysTo(m_domain.second) % monthLabelEvery == 0)
            text = QString::number(day.day());
        if (!text.isEmpty())
            labels.append({text, slotCentre(day, plot)});
    }
    return labels;
}

void StatsDailyChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const ColorScheme scheme = SettingsPalette::schemeOf(this);
    const QRectF plot = plotRect();
    painter.fillRect(plot, StatsChartStyle::plotGround(scheme));
    paintAxis(painter, plot);
    const QColor timed = StatsColors::color(StatsTint::timed, scheme);
    const QColor away = StatsColors::color(StatsTint::away, scheme);
    for (const DayBars &bars : dayBars()) {
        StatsChartStyle::fillBar(painter, bars.timed, timed);
        StatsChartStyle::fillBar(painter, bars.away, away);
    }
    paintDayLabels(painter, plot);
}

void StatsDailyChart::paintAxis(QPainter &painter, const QRectF &plot) const
{
    const ColorScheme scheme = SettingsPalette::schemeOf(this);
    const QColor grid =
        NamedColors::withOpacity(NamedColors::color(NamedColor::label, scheme), gridOpacity);
    const QFont font = StatsChartStyle::labelFont();
    const qreal lineHeight = QFontMetricsF(font).height();
    painter.setFont(font);
    for (double tick : m_axis.ticks()) {
        // Grid lines on whole pixels stay one pixel sharp.
        const qreal y = std::round(valueY(tick, plot)) + 0.5;
        painter.fillRect(QRectF(plot.left(), y - 0.5, plot.width(), 1), grid);
        painter.setPen(StatsChartStyle::labelColour(scheme));
        const QRectF label(0, y - lineHeight / 2, plot.left() - axisLabelGap, lineHeight);
        painter.drawText(label, Qt::AlignRight | Qt::AlignVCenter, tickText(tick));
    }
}

void StatsDailyChart::paintDayLabels(QPainter &painter, const QRectF &plot) const
{
    const ColorScheme scheme = SettingsPalette::schemeOf(this);
    const QColor tick =
        NamedColors::withOpacity(NamedColors::color(NamedColor::label, scheme), tickOpacity);
    const QFont font = StatsChartStyle::labelFont();
    const qreal lineHeight = QFontMetricsF(font).height();
    const qreal labelTop = plot.bottom() + tickLength + dayLabelGap;
    painter.setFont(font);
    painter.setPen(StatsChartStyle::labelColour(scheme));
    for (const DayLabel &label : dayLabels()) {
        const qreal x = std::round(label.centreX - 0.5);
        painter.fillRect(QRectF(x, plot.bottom(), 1, tickLength), tick);
        painter.drawText(QRectF(label.centreX - 20, labelTop, 40, lineHeight),
                         Qt::AlignHCenter | Qt::AlignTop, label.text);
    }
}
