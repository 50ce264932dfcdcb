#pragma once

#include "core/ServiceRef.h"
#include "settings_ui/components/SettingCard.h"

class AppSettings;
class AppSoundPlayer;
class QLabel;
class SymbolButton;
class VolumeSlider;

// The Notifications pane's "Sound" card: the break and reminder sound switches and the shared
// volume, with a button that plays the sound a break would (or, with break sounds off, a
// reminder's). The button is offered only when that sound would be heard: some sound on and
// the volume at 1 % or more.
class NotificationSoundCard : public SettingCard
{
    Q_OBJECT

public:
    NotificationSoundCard(AppSettings &settings, ServiceRef<AppSoundPlayer> sounds, QWidget *parent = nullptr);

    static bool canPreviewSound(int volumePercent, bool breakSounds, bool reminderSounds);

private:
    QWidget *buildVolumeBlock();
    void showVolume();
    void playPreview();

    AppSettings &m_settings;
    ServiceRef<AppSoundPlayer> m_sounds;
    QLabel *m_percent = nullptr;
    SymbolButton *m_play = nullptr;
    VolumeSlider *m_slider = nullptr;
};
