#include "menubar/QtSoundOutput.h"

#include "core/Logger.h"
#include "core/ThreadProbe.h"
#include "menubar/QtSoundEffect.h"

#include <QAudioDevice>
#include <QMediaDevices>

#include <utility>

bool QtSoundOutput::hasDevice() const
{
    // Qt's sound system starts a thread of its own on first use and, where none can be
    // started, waits for it for ever on the main thread: a break would never go on.
    if (!m_soundSystemStarted) {
        if (!ThreadProbe::canStartThread()) {
            if (!std::exchange(m_reportedNoThread, true))
                logWarn(QStringLiteral("Sound"),
                        QStringLiteral("No thread could be started for the sound system; sounds stay silent until one can"));
            return false;
        }
        m_soundSystemStarted = true;
    }
    // Without a sound server the device list is empty; asking first matters because a sound
    // effect with nowhere to go claims to play and never finishes.
    return !QMediaDevices::defaultAudioOutput().isNull();
}

std::unique_ptr<SoundEffect> QtSoundOutput::load(const QString &path,
                                                 std::function<void()> onFailure)
{
    return std::make_unique<QtSoundEffect>(path, std::move(onFailure));
}
