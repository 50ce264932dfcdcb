#pragma once

#include "settings_ui/panes/breaks/ScreenBreaksSubpage.h"
#include "settings_ui/window/ContentServices.h"

#include <QWidget>

class AppSettings;
class LongBreakResumeRow;
class ToggleSwitch;

// The Breaks pane's "Long Breaks" page: the switch for long breaks and, while it is on, how
// often one replaces a short break, how long it lasts and what the timer does after it.
// Each control writes its setting at once; opening the page writes nothing. A stored value
// that no option offers shows no option (no resume row selected) and stays stored until the
// user picks one. Switching long breaks off keeps the other three settings.
class LongBreaksView : public QWidget
{
    Q_OBJECT

public:
    LongBreaksView(const ContentServices &services, ScreenBreaksNavigation navigate,
                   QWidget *parent = nullptr);

private:
    QWidget *buildSwitchCard();
    QWidget *buildSections();
    QWidget *buildScheduleCard();
    QWidget *buildResumeCard();
    void showEnabled();
    void showResume();
    void chooseResume(const QString &value);

    AppSettings &m_settings;
    ToggleSwitch *m_switch = nullptr;
    QWidget *m_sections = nullptr;
    QList<LongBreakResumeRow *> m_resumeRows;
};
