#include "menubar/AppSound.h"

#include <QtGlobal>

#include <array>

namespace {

constexpr std::array<std::pair<AppSound, const char *>, 3> rawValues = {{
    {AppSound::submarine, "Submarine"},
    {AppSound::blow, "Blow"},
    {AppSound::glass, "Glass"},
}};

} // namespace

// Q_INIT_RESOURCE declares the generated registration function where it is used, so it
// must be used at global scope to name the right symbol.
static void registerSoundResources()
{
    Q_INIT_RESOURCE(sounds);
}

const QList<AppSound> &allAppSounds()
{
    static const QList<AppSound> sounds = [] {
        QList<AppSound> list;
        for (const auto &[sound, raw] : rawValues)
            list.append(sound);
        return list;
    }();
    return sounds;
}

QString appSoundRawValue(AppSound sound)
{
    return QLatin1String(rawValues[std::size_t(sound)].second);
}

std::optional<AppSound> appSoundFromRawValue(const QString &raw)
{
    for (const auto &[sound, text] : rawValues) {
        if (raw == QLatin1String(text))
            return sound;
    }
    return std::nullopt;
}

QString appSoundFileName(AppSound sound)
{
    return appSoundRawValue(sound) + QStringLiteral(".wav");
}

QString bundledSoundFolder()
{
    static const bool registered = (registerSoundResources(), true);
    Q_UNUSED(registered);
    return QStringLiteral(":/sounds");
}
