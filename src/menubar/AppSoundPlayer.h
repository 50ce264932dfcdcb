#pragma once

#include "menubar/AppSound.h"

#include <QString>

#include <map>
#include <memory>

class AppSettings;
class SoundEffect;
class SoundOutput;

// Plays the application's short notification sounds: the break sound when the break panels
// appear, the reminder sound with the floating notice, and either one as a preview. Each
// sound is loaded on its first play and kept; the user's sound switches and volume apply
// to every play. Nothing here reaches the caller as an error: a missing or unreadable file,
// or a machine with no audio output, only logs. Main thread only.
class AppSoundPlayer
{
public:
    // The sound files are looked up in `folder` under their file names.
    AppSoundPlayer(AppSettings &settings, SoundOutput &output,
                   QString folder = bundledSoundFolder());
    ~AppSoundPlayer();

    // The application's player on the shared settings and the default audio output; made
    // on first use, never destroyed.
    static AppSoundPlayer &shared();

    void play(AppSound sound);

private:
    bool isEnabled(AppSound sound) const;
    double volume() const;
    SoundEffect *loadSound(AppSound sound);

    AppSettings &m_settings;
    SoundOutput &m_output;
    QString m_folder;
    std::map<AppSound, std::unique_ptr<SoundEffect>> m_sounds;
    bool m_reportedNoDevice = false;
};
