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
    // What read() found at a path.
    struct ReadResult
    {
        enum class Status {
            read,     // a regular file, within the size limit: its bytes are in `bytes`
            absent,   // nothing at all at the path
            unusable, // something that must not be read (a pipe, a device, a folder, a file
                      // past the limit) or could not be read: the reason is in `error`
        };
        Status status = Status::absent;
        QByteArray bytes;
        QString error;
    };

    // Reads a whole regular file of at most maxBytes. Never blocks on what stands in its
    // place (a pipe, a device behind a link) and never reads more than the limit: the file
    // is opened without waiting, checked to be a regular file and read up to the limit.
    static ReadResult read(const QString &path, qint64 maxBytes);

    // Writes the bytes to a temporary file beside the target (mode 0600 from the moment it
    // exists), syncs it and renames it over the target. On failure the target is untouched,
    // the temporary file is gone and the reason is put in *error (when given). A folder
    // without the owner's write permission is never written into, whatever the process's
    // privileges: the user made it read-only. More than maxBytes is refused before anything
    // is touched: given the limit the file's reader passes to read(), nothing is ever
    // written that the next start would set aside as too large.
    static bool write(const QString &path, const QByteArray &bytes, qint64 maxBytes,
                      QString *error = nullptr);

    // Moves a file the program cannot use out of the way, as
    // "<path>.corrupt-<yyyyMMdd-HHmmss>" (with "-2", "-3"... when that name is taken), so
    // that the user's data is kept for inspection and never overwritten. Returns the new
    // path, or nothing when the file could not be moved.
    static std::optional<QString> setAside(const QString &path, const QDateTime &now,
                                           QString *error = nullptr);

    // Removes the file, unless its folder was made read-only (as write()). False with the
    // reason when the file stays.
    static bool remove(const QString &path, QString *error = nullptr);

    // Makes missing folders (and parents) with mode 0700, and takes the group's and others'
    // permissions away from an existing folder. An existing folder never gains a permission:
    // one the user made read-only stays so.
    static bool makePrivateFolder(const QString &path, QString *error = nullptr);
};
