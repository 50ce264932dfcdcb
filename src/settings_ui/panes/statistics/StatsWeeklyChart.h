#pragma once

#include "settings_ui/panes/statistics/StatsFigures.h"

#include <QWidget>

// The weekly rhythm chart: for each weekday, Monday first, the completed breaks per day that
// fell on it, as a 20-pixel bar over its letter. The week sits in a domain one slot wider on
// each side, so the first and last bars keep a margin; there is no count axis.
class StatsWeeklyChart : public QWidget {
    Q_OBJECT

public:
    static constexpr int chartHeight = 108;
    static constexpr qreal barWidth = 20;

    explicit StatsWeeklyChart(QWidget *parent = nullptr);

    void setFigures(const StatsFigures &figures);

    QRectF plotRect() const;
    // One per weekday, Monday first; empty where the average is 0.
    QList<QRectF> barRects() const;
    // The x of weekday `order` (0 = Monday).
    qreal positionX(int order) const;
    const StatsAxis &axis() const { return m_axis; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<WeekdayBreakStat> m_rhythm;
    QList<double> m_averages;
    StatsAxis m_axis;
};
