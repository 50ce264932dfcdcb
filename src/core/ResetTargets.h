#pragma once

#include "core/AppConfiguration.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

struct ResetFolders;

enum class ResetTargetKind { file, folder };

// One thing the factory reset deletes.
struct ResetTarget
{
    QString path;
    ResetTargetKind kind = ResetTargetKind::folder;

    bool operator==(const ResetTarget &other) const = default;
};

// Which of the user's files and folders are the application's own, and so what a factory
// reset may delete. Pure: nothing here looks at the disk.
//
// Deleting is what can go badly wrong here, so every path is built from a base folder
// that must be a real folder other than the home or root folder, plus one name that must
// be the application's own. A base of "" would otherwise turn ".../lumenpause" into
// "/lumenpause", and a base equal to the home folder would make the user's own
// ~/lumenpause (a project checkout, say) look like the application's folder.
class ResetTargets
{
public:
    // The application's folder in the configuration, cache and state folders.
    static const QString appFolderName;

    // The targets in deletion order: the settings file and its folder, the cache folder,
    // the state folder, then each data folder by name. A path that comes up twice (two base
    // folders that are the same) is listed once. Nothing when a base folder, the
    // application id or a folder name is unsafe; the reason is then put in *refusal.
    static std::optional<QList<ResetTarget>> plan(const ResetFolders &folders,
                                                  const QString &bundleIdentifier,
                                                  const QStringList &supportFolderNames,
                                                  QString *refusal = nullptr);

    // Why nothing may be deleted in one of the four base folders: the first refusal of
    // baseRefusal, which plan also applies.
    static std::optional<QString> basesRefusal(const ResetFolders &folders);

    // Why nothing may be deleted inside the base folder, named after its variable; nothing
    // when the base is an absolute path other than the root and the home folder.
    static std::optional<QString> baseRefusal(const QString &variable, const QString &base,
                                              const QString &home);

    // Names the application may delete a folder by: its own folder name, and
    // "Lumenpause" alone or followed by "-" and more, as its data folders are named.
    static bool isOwnFolderName(const QString &name);
};

// The names of the application's data folders. In production "Lumenpause" (the one it
// uses) and then "Lumenpause-" plus the application id, which a staging build of the same
// id would have used; in staging only the latter.
QStringList applicationSupportFolderNames(const AppConfiguration &configuration,
                                          const QString &bundleIdentifier);
