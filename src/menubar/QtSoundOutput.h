#pragma once

#include "menubar/SoundOutput.h"

// Plays sounds on the desktop's default audio output.
class QtSoundOutput : public SoundOutput
{
public:
    bool hasDevice() const override;
    std::unique_ptr<SoundEffect> load(const QString &path,
                                      std::function<void()> onFailure) override;

private:
    mutable bool m_soundSystemStarted = false;
    mutable bool m_reportedNoThread = false;
};
