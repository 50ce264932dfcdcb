#include "menubar/QtSoundOutput.h"

#include "menubar/QtSoundEffect.h"

#include <QAudioDevice>
#include <QMediaDevices>

bool QtSoundOutput::hasDevice() const
{
    // Without a sound server the device list is empty; asking first matters because a sound
    // effect with nowhere to go claims to play and never finishes.
    return !QMediaDevices::defaultAudioOutput().isNull();
}

std::unique_ptr<SoundEffect> QtSoundOutput::load(const QString &path,
                                                 std::function<void()> onFailure)
{
    return std::make_unique<QtSoundEffect>(path, std::move(onFailure));
}
