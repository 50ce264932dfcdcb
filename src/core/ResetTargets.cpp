#include "core/ResetTargets.h"

#include "core/ResetFolders.h"

#include <QDir>

const QString ResetTargets::appFolderName = QStringLiteral("lumenpause");

namespace {

// One path component: no separator and nothing that climbs or stays put.
bool isSingleName(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
        && !name.contains(QLatin1Char('/')) && !name.contains(QChar(u'\0'));
}

QString inside(const QString &base, const QString &name)
{
    return QDir::cleanPath(base + QLatin1Char('/') + name);
}

} // namespace

std::optional<QList<ResetTarget>> ResetTargets::plan(const ResetFolders &folders,
                                                     const QString &bundleIdentifier,
                                                     const QStringList &supportFolderNames,
                                                     QString *refusal)
{
    const auto refuse = [refusal](const QString &reason) {
        if (refusal)
            *refusal = reason;
        return std::nullopt;
    };
    if (auto reason = basesRefusal(folders))
        return refuse(*reason);
    if (!isSingleName(bundleIdentifier))
        return refuse(QStringLiteral("Refusing to delete files named after the application id "
                                     "\"%1\": it is not a plain name.").arg(bundleIdentifier));
    for (const QString &name : supportFolderNames) {
        if (!isSingleName(name) || !isOwnFolderName(name))
            return refuse(QStringLiteral("Refusing to delete the data folder \"%1\": it is not "
                                         "one of the application's own.").arg(name));
    }

    const QString configFolder = inside(folders.config, appFolderName);
    QList<ResetTarget> candidates = {
        {inside(configFolder, bundleIdentifier + QStringLiteral(".json")), ResetTargetKind::file},
        {configFolder, ResetTargetKind::folder},
        {inside(folders.cache, appFolderName), ResetTargetKind::folder},
        {inside(folders.state, appFolderName), ResetTargetKind::folder},
    };
    for (const QString &name : supportFolderNames)
        candidates.append({inside(folders.data, name), ResetTargetKind::folder});

    QList<ResetTarget> targets;
    QStringList seen;
    for (const ResetTarget &target : std::as_const(candidates)) {
        if (seen.contains(target.path))
            continue;
        // The last word before anything is deleted: a folder goes only by one of our names.
        if (target.kind == ResetTargetKind::folder
            && !isOwnFolderName(target.path.section(QLatin1Char('/'), -1)))
            return refuse(QStringLiteral("Refusing to delete the folder %1: it is not one of "
                                         "the application's own.").arg(target.path));
        seen.append(target.path);
        targets.append(target);
    }
    return targets;
}

std::optional<QString> ResetTargets::basesRefusal(const ResetFolders &folders)
{
    const std::pair<const char *, QString> bases[] = {{"XDG_CONFIG_HOME", folders.config},
                                                      {"XDG_CACHE_HOME", folders.cache},
                                                      {"XDG_STATE_HOME", folders.state},
                                                      {"XDG_DATA_HOME", folders.data}};
    for (const auto &[variable, base] : bases) {
        if (auto reason = baseRefusal(QString::fromLatin1(variable), base, folders.home))
            return reason;
    }
    return std::nullopt;
}

std::optional<QString> ResetTargets::baseRefusal(const QString &variable, const QString &base,
                                                 const QString &home)
{
    const QString prefix = QStringLiteral("Refusing to delete in %1").arg(variable);
    if (base.isEmpty())
        return prefix + QStringLiteral(": its folder is not known.");
    if (!QDir::isAbsolutePath(base))
        return prefix + QStringLiteral(" (%1): it is not an absolute path.").arg(base);
    const QString folder = QDir::cleanPath(base);
    if (folder == QDir::rootPath())
        return prefix + QStringLiteral(" (%1): it is the root folder.").arg(base);
    // Without a known home there is nothing to tell the home folder from.
    if (home.isEmpty() || !QDir::isAbsolutePath(home))
        return prefix + QStringLiteral(": the home folder is not known.");
    if (folder == QDir::cleanPath(home))
        return prefix + QStringLiteral(" (%1): it is the home folder itself.").arg(base);
    return std::nullopt;
}

bool ResetTargets::isOwnFolderName(const QString &name)
{
    return name == appFolderName || name == QLatin1String("Lumenpause")
        || (name.startsWith(QLatin1String("Lumenpause-")) && name.size() > 11);
}

QStringList applicationSupportFolderNames(const AppConfiguration &configuration,
                                          const QString &bundleIdentifier)
{
    // The first is always the folder this build keeps its statistics in.
    QStringList names = {applicationSupportFolderName(configuration, bundleIdentifier)};
    if (configuration.environment == AppEnvironment::production)
        names.append(QStringLiteral("Lumenpause-") + bundleIdentifier);
    return names;
}
