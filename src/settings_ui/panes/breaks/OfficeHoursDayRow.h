#pragma once

#include "settings_ui/panes/breaks/DaySchedule.h"

#include <QWidget>

class QLabel;
class SchemeLabel;
class ToggleSwitch;
class WallClockTimeEdit;

// One weekday of the working-hours schedule: its switch, its name (quieter while off), and
// from-to pickers, or "Off". Each edit of the user's reports the whole day; a picker that
// was not touched keeps what the day held, even a time no clock shows.
class OfficeHoursDayRow : public QWidget
{
    Q_OBJECT

public:
    static constexpr int nameWidth = 90;
    static constexpr int pickerWidth = 80;

    explicit OfficeHoursDayRow(const DaySchedule &day, QWidget *parent = nullptr);

    const DaySchedule &day() const { return m_day; }
    ToggleSwitch *enabledSwitch() const { return m_switch; }
    WallClockTimeEdit *startPicker() const { return m_start; }
    WallClockTimeEdit *endPicker() const { return m_end; }

signals:
    void dayEdited(const DaySchedule &day);

private:
    void buildRow();
    void connectEdits();
    void showEnabled();

    DaySchedule m_day;
    ToggleSwitch *m_switch;
    SchemeLabel *m_name;
    QWidget *m_times;
    QLabel *m_off;
    WallClockTimeEdit *m_start;
    WallClockTimeEdit *m_end;
};
