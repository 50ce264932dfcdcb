#pragma once

#include "settings_ui/panes/statistics/StatRange.h"
#include "settings_ui/panes/statistics/StatsFigures.h"

#include <QWidget>

// The daily activity chart: one slot per day of the window, each day's completed breaks
// ("Timed") as a bar centred in its slot with its breaks away stacked on top, a count axis on
// the leading side with faint grid lines, and the days named below: each weekday's narrow
// name over a week, every fifth day of the month (ending today) over thirty days. Bars keep
// their width whatever the chart's: 26 pixels over a week, 8 over thirty days.
class StatsDailyChart : public QWidget {
    Q_OBJECT

public:
    static constexpr int chartHeight = 160;
    static constexpr qreal weekBarWidth = 26;
    static constexpr qreal monthBarWidth = 8;

    // Where one day's bars are drawn; an empty rectangle for a part with no count.
    struct DayBars {
        QDate day;
        QRectF timed;
        QRectF away;
    };
    // A day's name under the plot, centred at `centreX`.
    struct DayLabel {
        QString text;
        qreal centreX = 0;
    };

    explicit StatsDailyChart(QWidget *parent = nullptr);

    void setFigures(const StatsFigures &figures, StatRange range);

    // The area the bars stand in, inside the axes' labels.
    QRectF plotRect() const;
    // Every day that has a slot, in the window's order.
    QList<DayBars> dayBars() const;
    QList<DayLabel> dayLabels() const;
    const StatsAxis &axis() const { return m_axis; }
    qreal barWidth() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    qreal slotCentre(const QDate &day, const QRectF &plot) const;
    qreal valueY(double value, const QRectF &plot) const;
    void paintAxis(QPainter &painter, const QRectF &plot) const;
    void paintDayLabels(QPainter &painter, const QRectF &plot) const;

    QList<StatsDailyBar> m_bars;
    std::pair<QDate, QDate> m_domain;
    StatsAxis m_axis;
    StatRange m_range = StatRange::week;
};
