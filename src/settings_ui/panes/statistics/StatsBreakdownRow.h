#pragma once

#include "settings_ui/panes/statistics/StatsFigures.h"

#include <QWidget>

class QLabel;
class StatsSwatch;
class TabularLabel;

// One row of a breakdown list: the colour's square, the name and the count on one line, and
// under them a capsule track filled from the leading edge as far as the count reaches on its
// list's scale (left empty for 0). Named after the item's id, so the row can be found.
class StatsBreakdownRow : public QWidget {
    Q_OBJECT

public:
    explicit StatsBreakdownRow(const StatsBreakdownItem &item, QWidget *parent = nullptr);

    void setItem(const StatsBreakdownItem &item, qint64 scale);

    QString label() const;
    QString valueText() const;
    // The share of the track the fill covers, 0 to 1.
    double fraction() const;

private:
    class Bar;

    StatsSwatch *m_swatch;
    QLabel *m_label;
    TabularLabel *m_value;
    Bar *m_bar;
};
