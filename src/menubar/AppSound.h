#pragma once

#include <QList>
#include <QString>

#include <optional>

// The application's notification sounds. The raw value of each case is its name as the
// settings and the files know it: "Submarine", "Blow", "Glass".
enum class AppSound { submarine, blow, glass };

// Every case in declaration order.
const QList<AppSound> &allAppSounds();

QString appSoundRawValue(AppSound sound);
// Exactly the three raw values; anything else gives no value.
std::optional<AppSound> appSoundFromRawValue(const QString &raw);

// The sound's file: its raw value with the extension ".wav".
QString appSoundFileName(AppSound sound);

// The folder of the sounds built into the application (a resource path). The first call
// registers the resources, which a static library would otherwise leave out of the link.
QString bundledSoundFolder();
