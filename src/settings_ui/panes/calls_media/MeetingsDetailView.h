#pragma once

#include "settings_ui/panes/calls_media/DetectionDetailView.h"

// The settings window's Calls & Recordings pane: call and recording detection on or off, and
// while it is on, what a detected call pauses, what the break timer does after it (with an
// example and a timeline), what the detector sees now and which apps it knows. A note on
// privacy closes the pane either way. Every control writes its setting through the settings
// model or the wellness scheduler and follows it live, whoever changes it; opening the pane
// writes nothing.
class MeetingsDetailView : public DetectionDetailView
{
    Q_OBJECT

public:
    static QWidget *make(const ContentServices &services);

    explicit MeetingsDetailView(const ContentServices &services, QWidget *parent = nullptr);

private:
    QWidget *buildSections() override;
};
