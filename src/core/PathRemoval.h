#pragma once

#include <QString>

// Removal of the application's own files and folders without ever following a symbolic
// link: a link is removed as itself, so a link planted where a folder of ours is expected
// cannot lead the removal into the folder it points at. Both return true when the entry is
// gone (including when nothing was there) and otherwise put the reason in *error.

// A file, or a link. A folder in its place is left alone: whatever made a folder there, it
// is not the file we own, and removing it whole would destroy what we never wrote.
bool removeFileEntry(const QString &path, QString *error = nullptr);

// A folder with everything in it, or a file or link in its place. Stops at the first entry
// that cannot be removed, leaving the rest.
bool removeFolderEntry(const QString &path, QString *error = nullptr);

// Whether anything, a dangling link included, is at the path.
bool entryExists(const QString &path);
