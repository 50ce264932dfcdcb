#pragma once

#include "settings_ui/panes/breaks/DaySchedule.h"
#include "settings_ui/panes/breaks/ScreenBreaksSubpage.h"
#include "settings_ui/window/ContentServices.h"

#include <QWidget>

#include <memory>

class AppSettings;
class BreaksSettingRow;
class Debouncer;
class ToggleSwitch;

// The Breaks pane's "Working Hours" page: the office-hours switch and, while it is on, one
// row per weekday with its switch and its hours, then a tip. It edits a copy of the week,
// built field by field from the store, and writes the switch and the whole week back a
// quarter second after the last edit, and at once whenever the page goes (another page or
// section, the window hidden or closed, the pane destroyed), edited or not. Nothing relates
// a day's start and end: a window past midnight or of equal ends is stored as it is.
//
// An edit still waiting when the application quits is written by the termination path's
// flush of every debouncer, before the store writes its file for the last time.
class OfficeHoursView : public QWidget
{
    Q_OBJECT

public:
    static constexpr double saveDelaySeconds = 0.25;

    OfficeHoursView(const ContentServices &services, ScreenBreaksNavigation navigate,
                    QWidget *parent = nullptr);
    ~OfficeHoursView() override;

    bool workingHoursEnabled() const { return m_workingHoursEnabled; }
    const QList<DaySchedule> &days() const { return m_days; }
    bool hasPendingSave() const;

    // Writes the switch, then the week, and logs the save.
    void save();
    // Cancels the delayed save and saves now.
    void flushPendingSave();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QWidget *buildSwitchCard();
    QWidget *buildSchedule();
    void setWorkingHoursEnabled(bool enabled);
    void setDay(const DaySchedule &day);
    void scheduleSave();
    void leave();

    AppSettings &m_settings;
    bool m_workingHoursEnabled;
    QList<DaySchedule> m_days;
    ToggleSwitch *m_switch = nullptr;
    BreaksSettingRow *m_switchRow = nullptr;
    QWidget *m_schedule = nullptr;
    bool m_onScreen = false;
    // Held outside the widget tree: the page's own departure runs it, once, and the window's
    // flush of the debouncers under it would save a second time. The termination path still
    // reaches it, as it reaches every debouncer.
    std::unique_ptr<Debouncer> m_pendingSave;
};
