#pragma once

#include <QByteArray>
#include <QString>

#include <sys/types.h>

#include <functional>

// Plain file access for tests that check what code under test left on disk.

// The file's bytes; empty when it cannot be read.
QByteArray readBytes(const QString &path);
// Writes the bytes, creating the folders on the way; a test failure when it cannot.
void writeBytes(const QString &path, const QByteArray &bytes);
// The permission bits (07777) of the file; 0 when it does not exist.
mode_t modeOf(const QString &path);

// Runs the work on this thread with a named pipe at fifoPath. Should the work still run at
// the deadline (blocked opening the pipe for reading, which waits for a writer), the pipe is
// opened from the other end so that it goes on and the test fails instead of hanging.
// True when the work ended within the deadline unaided.
bool finishesWithoutWaitingOnPipe(const QString &fifoPath, int deadlineMs,
                                  const std::function<void()> &work);
