#pragma once

#include "settings_ui/components/TileButton.h"

// One weekday of the sheets' day group: its initial in a small circle, blue with white text
// while the day is on, a faint wash with secondary text while it is off. Announced as a
// check box named after the whole day, since the initials repeat.
class PlannedBreakDayButton : public TileButton
{
    Q_OBJECT

public:
    static constexpr int side = 26;

    PlannedBreakDayButton(int index, const QString &initial, const QString &dayName,
                          QWidget *parent = nullptr);

    int index() const { return m_index; }

    QSize sizeHint() const override { return {side, side}; }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &position) const override;

private:
    int m_index;
};
