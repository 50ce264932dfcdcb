#pragma once

#include "settings_ui/panes/calls_media/DetectionDetailView.h"

// The settings window's Media pane: media playback detection on or off, and while it is on,
// what playback pauses and what the detector sees now. A note on privacy closes the pane
// either way. Every control writes its setting through the settings model or the wellness
// scheduler and follows it live, whoever changes it; opening the pane writes nothing.
class MediaDetailView : public DetectionDetailView
{
    Q_OBJECT

public:
    static QWidget *make(const ContentServices &services);

    explicit MediaDetailView(const ContentServices &services, QWidget *parent = nullptr);

private:
    // The caption, the pause card and the status card.
    QWidget *buildSections() override;
};
