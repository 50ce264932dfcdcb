#pragma once

#include <QString>
#include <QVariantMap>

#include <optional>

// Reads of the application's information dictionary (buildInfoDictionary() unless a test
// hands in its own).

// The value for the key when it is a string, as stored; numbers, lists and the like count
// as absent.
std::optional<QString> infoDictionaryString(const QVariantMap &info, const QString &key);

// The value for the key when it is a string with something left after trimming, trimmed.
std::optional<QString> readInfoPlistString(const QString &key);
std::optional<QString> readInfoPlistString(const QVariantMap &info, const QString &key);

// "CFBundleDisplayName", else "CFBundleName", else "Lumenpause"; returned untrimmed.
QString resolveAppDisplayName();
QString resolveAppDisplayName(const QVariantMap &info);

// The application id ("CFBundleIdentifier"), or "local.lumenpause.app" without one.
QString appBundleIdentifier();
QString appBundleIdentifier(const QVariantMap &info);
