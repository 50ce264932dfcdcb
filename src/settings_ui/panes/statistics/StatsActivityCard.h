#pragma once

#include "settings_ui/components/SettingCard.h"
#include "settings_ui/panes/statistics/StatRange.h"

class QLabel;
class StatsDailyChart;
class StatsFigures;
class TabularLabel;

// The first card of the statistics pane: the breaks taken and the time spent in break
// screens as two large figures, then the daily activity chart under its legend.
class StatsActivityCard : public SettingCard {
    Q_OBJECT

public:
    explicit StatsActivityCard(QWidget *parent = nullptr);

    void setFigures(const StatsFigures &figures, StatRange range);
    StatsDailyChart *chart() const { return m_chart; }

private:
    QWidget *buildTiles();
    QWidget *buildDailySection();
    QWidget *tile(const QString &title, TabularLabel *value, QLabel *caption);

    TabularLabel *m_breaksTaken;
    QLabel *m_breaksTakenCaption;
    TabularLabel *m_timeInBreaks;
    StatsDailyChart *m_chart;
};
