#pragma once

#include "settings_ui/panes/statistics/StatsColors.h"

#include <QWidget>

// The small mark of a colour beside a figure's name: a rounded square in a legend or a
// breakdown row, a dot in the completion summary.
class StatsSwatch : public QWidget {
    Q_OBJECT

public:
    StatsSwatch(StatsTint tint, int side, qreal cornerRadius, QWidget *parent = nullptr);

    StatsTint tint() const { return m_tint; }
    void setTint(StatsTint tint);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    StatsTint m_tint;
    qreal m_cornerRadius;
};
