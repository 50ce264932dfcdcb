#pragma once

#include <QByteArray>
#include <QString>

#include <sys/types.h>

// Plain file access for tests that check what code under test left on disk.

// The file's bytes; empty when it cannot be read.
QByteArray readBytes(const QString &path);
// Writes the bytes, creating the folders on the way; a test failure when it cannot.
void writeBytes(const QString &path, const QByteArray &bytes);
// The permission bits (07777) of the file; 0 when it does not exist.
mode_t modeOf(const QString &path);
