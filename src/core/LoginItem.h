#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

// The entry that opens the application when the user logs in: a desktop entry named after
// the application id in the user's autostart folder, which overrides one of the same name in
// the system's autostart folders. The session starts the application from whichever entry
// counts, unless that entry is switched off.
class LoginItem
{
public:
    enum class Status {
        // No entry counts, or the one that counts would not start the application (another
        // type, or a program that is no longer there, as after a build was moved).
        notRegistered,
        // The entry would start the application at the next login.
        enabled,
        // An entry of ours that the desktop's startup settings switched off.
        requiresApproval,
    };

    // `systemEntryPaths` in the order the session looks at them; the program is what a
    // registered entry starts.
    explicit LoginItem(QString entryPath, QStringList systemEntryPaths = {},
                       QString programPath = {});

    // $XDG_CONFIG_HOME/autostart/<application id>.desktop over the same name in each of
    // $XDG_CONFIG_DIRS/autostart, starting the running binary.
    static LoginItem standard();
    static QString standardEntryPath();
    static QStringList standardSystemEntryPaths();

    QString entryPath() const { return m_entryPath; }
    QString programPath() const { return m_programPath; }

    // Whether anything is at the user's entry path; a dangling link counts, as the session
    // would still try to use it.
    bool isRegistered() const;
    Status status() const;

    // Writes the user's entry to start the program, making the autostart folder when it is
    // missing (an existing one keeps its mode). False with the reason in *error.
    bool registerEntry(QString *error = nullptr);
    // Removes the user's entry; when a system entry would still start the application, a
    // user entry that hides it takes its place. True when the application no longer starts
    // at login from the user's side (also when there was nothing). A folder at the entry's
    // place is not removed, and is an error, as is any other failure, with the reason in
    // *error.
    bool unregister(QString *error = nullptr);

private:
    // The entry the session would use: the user's when there is one, else the first system
    // one; nothing when there is none.
    std::optional<QString> effectiveEntryPath() const;
    static Status statusOf(const QString &entryPath);
    static bool startsAProgram(const QHash<QString, QString> &keys);
    bool systemEntryWouldStart() const;
    bool writeEntry(const QByteArray &text, QString *error) const;
    QByteArray entryText() const;

    QString m_entryPath;
    QStringList m_systemEntryPaths;
    QString m_programPath;
};
