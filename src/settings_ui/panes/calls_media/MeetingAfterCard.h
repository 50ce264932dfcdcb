#pragma once

#include "settings_ui/components/SettingCard.h"

class AppSettings;
class MeetingTimelineView;
class QLabel;
class RadioOptionRow;

// The Calls & Recordings pane's "After a meeting" card: the two behaviours of the break timer
// once a call ends, each a radio row that stores its value, an example with the timeline that
// illustrates the chosen one, and a note on how it works. A stored value that is neither
// selects no row and is illustrated as the timer treats it, resuming where it stopped; it
// stays stored until the user picks.
class MeetingAfterCard : public SettingCard
{
    Q_OBJECT

public:
    explicit MeetingAfterCard(AppSettings &settings, QWidget *parent = nullptr);

    MeetingTimelineView *timeline() const { return m_timeline; }

private:
    RadioOptionRow *optionRow(const QString &value, const QString &symbol, const QString &title,
                              const QString &subtitle);
    QWidget *buildExample();
    QWidget *buildInfoRow();
    void showBehaviour();

    AppSettings &m_settings;
    QList<RadioOptionRow *> m_options;
    QLabel *m_example = nullptr;
    MeetingTimelineView *m_timeline = nullptr;
    QLabel *m_info = nullptr;
};
