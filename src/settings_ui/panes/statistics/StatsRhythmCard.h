#pragma once

#include "settings_ui/components/SettingCard.h"

class QLabel;
class StatsFigures;
class StatsWeeklyChart;

// The weekly rhythm: the weekdays on which breaks were most regular, named in large type,
// beside the chart of completed breaks per weekday.
class StatsRhythmCard : public SettingCard {
    Q_OBJECT

public:
    static constexpr int textColumnWidth = 220;

    explicit StatsRhythmCard(QWidget *parent = nullptr);

    void setFigures(const StatsFigures &figures);
    StatsWeeklyChart *chart() const { return m_chart; }

private:
    QLabel *m_lead;
    QLabel *m_consistency;
    StatsWeeklyChart *m_chart;
};
