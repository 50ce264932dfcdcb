#pragma once

#include <QString>

// The entry that opens the application when the user logs in: a desktop entry named after
// the application id in the desktop's autostart folder. The entry existing is what makes
// the session start the application, so it is registered exactly while something is there.
class LoginItem
{
public:
    explicit LoginItem(QString entryPath);

    // $XDG_CONFIG_HOME/autostart/<application id>.desktop
    static LoginItem standard();
    static QString standardEntryPath();

    QString entryPath() const { return m_entryPath; }

    // A dangling link counts: the session would still try to use it.
    bool isRegistered() const;
    // Removes the entry; true when it is gone (also when there was none). A folder at its
    // place is not removed, and is an error, as is any other failure, with the reason in
    // *error.
    bool unregister(QString *error = nullptr);

private:
    QString m_entryPath;
};
