#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>

// Private files that are replaced whole: a reader, or a process killed half way through a
// write, sees either the old complete content or the new one, never a mixture.
class AtomicFile
{
public:
    // Writes the bytes to a temporary file beside the target (mode 0600 from the moment it
    // exists), syncs it and renames it over the target. On failure the target is untouched,
    // the temporary file is gone and the reason is put in *error (when given).
    static bool write(const QString &path, const QByteArray &bytes, QString *error = nullptr);

    // Moves a file the program cannot use out of the way, as
    // "<path>.corrupt-<yyyyMMdd-HHmmss>" (with "-2", "-3"... when that name is taken), so
    // that the user's data is kept for inspection and never overwritten. Returns the new
    // path, or nothing when the file could not be moved.
    static std::optional<QString> setAside(const QString &path, const QDateTime &now,
                                           QString *error = nullptr);

    // Makes the folder (and any missing parents) readable by the owner only, and sets an
    // existing folder back to 0700 when its permissions were widened.
    static bool makePrivateFolder(const QString &path, QString *error = nullptr);
};
