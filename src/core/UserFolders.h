#pragma once

#include <QMap>
#include <QString>

#include <functional>

// The user's home and the desktop's base folders for configuration, data, cache and state.
// By the base-directory rules an unset or empty variable means its usual place in the home,
// and one that is not an absolute path is invalid and ignored the same way: taken as it
// stands, it would anchor the files in whatever folder the application was started from. A
// HOME that is unset, empty or relative gives way to the home the user account names, for
// the same reason.
struct UserFolders
{
    using Environment = std::function<QString(const char *variable)>;
    using AccountHome = std::function<QString()>;

    QString home;   // empty when neither HOME nor the account gives an absolute path
    QString config; // $XDG_CONFIG_HOME or ~/.config
    QString data;   // $XDG_DATA_HOME or ~/.local/share
    QString cache;  // $XDG_CACHE_HOME or ~/.cache
    QString state;  // $XDG_STATE_HOME or ~/.local/state
    bool homeFromAccount = false;
    // Each base variable set to a path that is not absolute, with its value. The runtime
    // folder is among them, though it has no place in the home: Qt finds its replacement.
    QMap<QString, QString> ignored;

    static UserFolders resolve(const Environment &environment, const AccountHome &accountHome);
    // This process's. Start-up has already given it a sound HOME and removed the variables
    // ignored, so the account is not asked again.
    static UserFolders standard();
};
