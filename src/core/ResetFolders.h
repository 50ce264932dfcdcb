#pragma once

#include <QString>

// The user's home and the desktop's base folders under which the application keeps its
// settings, cache, state and data.
struct ResetFolders
{
    QString home;
    QString config; // XDG_CONFIG_HOME
    QString cache;  // XDG_CACHE_HOME
    QString state;  // XDG_STATE_HOME
    QString data;   // XDG_DATA_HOME

    // The folders the application itself uses, with symbolic links resolved where the
    // folder exists, so that a base that is the home folder under another name is seen to
    // be the home folder. An unset or empty variable means its usual place in the home, as
    // does one that is not an absolute path.
    static ResetFolders standard();
};
