#pragma once

#include "settings_ui/panes/statistics/StatsFigures.h"

#include <QWidget>

class StatsBreakdownRow;

// A titled breakdown list: one row per item, each bar on the list's own scale, so that the
// largest row of the list fills its track.
class StatsBreakdownList : public QWidget {
    Q_OBJECT

public:
    StatsBreakdownList(const QString &title, const QList<StatsBreakdownItem> &items,
                       QWidget *parent = nullptr);

    // The same items as at creation (by id, in order), with new values.
    void setItems(const QList<StatsBreakdownItem> &items);
    QList<StatsBreakdownRow *> rows() const { return m_rows; }

private:
    QList<StatsBreakdownRow *> m_rows;
};
