#include "menubar/AppSoundPlayer.h"

#include "core/AppSettings.h"
#include "core/Logger.h"
#include "menubar/QtSoundOutput.h"
#include "menubar/SoundEffect.h"

#include <QDir>
#include <QFileInfo>

#include <cmath>

namespace {

const QString kCategory = QStringLiteral("Sound");

} // namespace

AppSoundPlayer::AppSoundPlayer(AppSettings &settings, SoundOutput &output, QString folder)
    : m_settings(settings)
    , m_output(output)
    , m_folder(std::move(folder))
{
}

AppSoundPlayer::~AppSoundPlayer() = default;

AppSoundPlayer &AppSoundPlayer::shared()
{
    static AppSoundPlayer *player = [] {
        auto *output = new QtSoundOutput;
        return new AppSoundPlayer(AppSettings::shared(), *output);
    }();
    return *player;
}

void AppSoundPlayer::play(AppSound sound)
{
    if (!isEnabled(sound))
        return;
    SoundEffect *effect = loadSound(sound);
    if (!effect)
        return;
    if (!m_output.hasDevice()) {
        // A desktop without audio stays without it for the run: one line says why it is quiet.
        if (!m_reportedNoDevice)
            logWarn(kCategory, QStringLiteral("No audio output device; sounds stay silent"));
        m_reportedNoDevice = true;
        return;
    }
    effect->play(volume());
}

bool AppSoundPlayer::isEnabled(AppSound sound) const
{
    // Reminders are quiet unless asked for; the break sounds follow their own switch.
    return sound == AppSound::blow ? m_settings.reminderSoundsEnabled()
                                   : m_settings.breakSoundsEnabled();
}

double AppSoundPlayer::volume() const
{
    // The stored value is read as it is, so a hand-edited store may hold anything.
    const double stored = m_settings.notificationSoundVolume();
    if (std::isnan(stored) || stored <= 0.0)
        return 0.0;
    return std::min(stored, 1.0);
}

SoundEffect *AppSoundPlayer::loadSound(AppSound sound)
{
    auto cached = m_sounds.find(sound);
    if (cached != m_sounds.end()) {
        if (!cached->second->hasFailed())
            return cached->second.get();
        // A file that failed to decode is tried afresh, as if it had never been loaded.
        m_sounds.erase(cached);
    }
    const QString fileName = appSoundFileName(sound);
    const QString path = QDir(m_folder).filePath(fileName);
    if (!QFileInfo::exists(path)) {
        logWarn(kCategory, QStringLiteral("Missing bundled sound: ") + fileName);
        return nullptr;
    }
    const QString raw = appSoundRawValue(sound);
    auto effect = m_output.load(path, [raw] {
        logWarn(kCategory, QStringLiteral("Failed to load sound ") + raw);
    });
    if (effect->hasFailed())
        return nullptr;
    return m_sounds.emplace(sound, std::move(effect)).first->second.get();
}
