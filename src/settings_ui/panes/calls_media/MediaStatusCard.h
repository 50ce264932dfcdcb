#pragma once

#include "detection/MediaPlaybackState.h"
#include "settings_ui/panes/calls_media/DetectionStatusCard.h"

#include <functional>

class SymbolTile;

// The Media pane's "Current status" card: what the playback detector sees now, or that
// detection rests outside office hours, or that it cannot work without a sound server, beside
// a symbol that changes with the playback alone.
class MediaStatusCard : public DetectionStatusCard
{
    Q_OBJECT

public:
    // The pane's own green, which also marks playback in progress.
    static QColor accent();

    // The line under "Current status". Office hours come first: while they are on and the
    // present moment lies outside them the state is not consulted. While they are off the
    // office-hours answer is not asked for at all.
    static QString statusLine(bool officeHoursEnabled, const std::function<bool()> &insideOfficeHours,
                              MediaPlaybackState state);
    // The symbol beside the line, from the state alone, also under the office-hours line:
    // playback in progress in the accent, anything else the antenna in blue.
    static QString statusSymbol(MediaPlaybackState state);

    MediaStatusCard(AppSettings &settings, WellnessScheduler &wellness, Clock &clock, QWidget *parent = nullptr);

private:
    void showStatus() override;
    QString unavailableText() const override;

    SymbolTile *m_playing = nullptr;
    SymbolTile *m_listening = nullptr;
};
