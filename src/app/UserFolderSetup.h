#pragma once

#include "core/UserFolders.h"

#include <QString>

// The user's folders as start-up settles them, with what it found wrong, to be logged once
// the log is up.
struct UserFolderSetup
{
    UserFolders folders;
    QString givenHome; // HOME as the process found it

    // Resolves this process's folders and makes its environment agree with them: HOME set to
    // the account's home where it had no usable one, and the variables ignored removed, so
    // that Qt, the libraries it loads (fontconfig keeps a cache under XDG_CACHE_HOME) and any
    // program started from here use the same folders as the application. Runs before any
    // thread exists: changing the environment is not safe beside them.
    static UserFolderSetup settle();

    bool hasHome() const { return !folders.home.isEmpty(); }
    // For the user when there is no home at all.
    QString missingHomeMessage() const;
    // One WARN for a home taken from the account, one for the variables ignored.
    void logRepairs() const;
};
