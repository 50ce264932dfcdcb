#pragma once

#include "settings_ui/SettingCard.h"

class AppSettings;
class Clock;
class QLabel;
class WellnessScheduler;

// The Calls & Recordings pane's "Current status" card: what the call detector sees now, or
// that detection rests outside office hours. It follows the detector's published context and
// the office-hours answer as they change, so crossing into or out of office hours shows
// without a timer of its own.
class MeetingStatusCard : public SettingCard
{
    Q_OBJECT

public:
    MeetingStatusCard(AppSettings &settings, WellnessScheduler &wellness, Clock &clock, QWidget *parent = nullptr);

    QString statusText() const;

private:
    void showStatus();

    AppSettings &m_settings;
    WellnessScheduler &m_wellness;
    Clock &m_clock;
    QLabel *m_status = nullptr;
};
