#include "core/InfoDictionary.h"

#include "core/BuildInfo.h"

std::optional<QString> infoDictionaryString(const QVariantMap &info, const QString &key)
{
    const auto it = info.constFind(key);
    if (it == info.cend() || it->typeId() != QMetaType::QString)
        return std::nullopt;
    return it->toString();
}

std::optional<QString> readInfoPlistString(const QString &key)
{
    return readInfoPlistString(buildInfoDictionary(), key);
}

std::optional<QString> readInfoPlistString(const QVariantMap &info, const QString &key)
{
    const auto value = infoDictionaryString(info, key);
    if (!value)
        return std::nullopt;
    QString trimmed = value->trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    return trimmed;
}

QString resolveAppDisplayName()
{
    return resolveAppDisplayName(buildInfoDictionary());
}

QString resolveAppDisplayName(const QVariantMap &info)
{
    if (auto name = infoDictionaryString(info, QStringLiteral("CFBundleDisplayName")))
        return *name;
    if (auto name = infoDictionaryString(info, QStringLiteral("CFBundleName")))
        return *name;
    return QStringLiteral("Lumenpause");
}

QString appBundleIdentifier()
{
    return appBundleIdentifier(buildInfoDictionary());
}

QString appBundleIdentifier(const QVariantMap &info)
{
    if (auto id = readInfoPlistString(info, QStringLiteral("CFBundleIdentifier")))
        return *id;
    return QStringLiteral("local.lumenpause.app");
}
