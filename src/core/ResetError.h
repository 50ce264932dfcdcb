#pragma once

#include <QString>

// Why a factory reset stopped. Its description is what the user is shown after
// "Reset failed: ".
class ResetError
{
public:
    enum class Kind {
        // The build carries no application id, so the application's files cannot be named.
        missingBundleIdentifier,
        // A folder the reset would delete in is unknown or is not the application's own.
        unsafeLocation,
        // The login item is registered and could not be removed.
        loginItem,
        // One of the application's files or folders could not be removed.
        fileRemoval,
    };

    ResetError(Kind kind, QString description);
    static ResetError missingBundleIdentifier();

    Kind kind() const { return m_kind; }
    QString localizedDescription() const { return m_description; }

private:
    Kind m_kind;
    QString m_description;
};
