#pragma once

#include "settings_ui/panes/calls_media/DetectionStatusCard.h"

// The Calls & Recordings pane's "Current status" card: what the call detector sees now, that
// detection rests outside office hours, or that it cannot work without a sound server.
class MeetingStatusCard : public DetectionStatusCard
{
    Q_OBJECT

public:
    MeetingStatusCard(AppSettings &settings, WellnessScheduler &wellness, Clock &clock, QWidget *parent = nullptr);

private:
    void showStatus() override;
    QString unavailableText() const override;
};
