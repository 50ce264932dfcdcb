#pragma once

#include "core/SettingsRepository.h"

#include <QVariantMap>

#include <mutex>

// The profile version a migrated user-defaults domain is brought to.
inline constexpr qint64 currentSettingsProfileVersion = 5;

// The value every settings key answers with until the user changes it: the 47 settings of
// AppSettings and the eight wellness keys, typed as the typed reads expect them (integers
// as qint64, Booleans as bool, the volume as double, texts as QString). Built once.
const QVariantMap &registeredSettingsDefaults();

// Values written into the domain of users who finished onboarding under an older profile,
// for the keys they never set. Built once.
const QVariantMap &defaultSettingsProfile();

// Held for the whole of applyDefaultSettingsProfile, so that the settings model and the
// wellness services, whichever comes first, migrate a domain exactly once between them.
std::mutex &settingsMigrationLock();

// Brings the domain into its current shape before any settings key is read: drops retired
// keys, writes the current profile for onboarded users of older versions, carries the old
// single sound switch over to its two successors, registers every default and records the
// profile version. Safe to call from any thread, and as often as wanted.
void applyDefaultSettingsProfile(SettingsRepository &defaults);
