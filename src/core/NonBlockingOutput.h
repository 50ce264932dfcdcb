#pragma once

#include <cstddef>

#include <sys/types.h>

// Writes to a descriptor the process shares with its parent (standard error) without ever
// waiting for whoever reads it. O_NONBLOCK belongs to the open file description, which the
// parent and its terminal share, so it is never set on that descriptor: a pipe or terminal
// is opened afresh through /proc as a description of the process's own, a socket is sent to
// with MSG_DONTWAIT, and where neither serves, a write goes only when poll says a page fits.
// A regular file is written as it is: it never waits on a reader.
class NonBlockingOutput
{
public:
    explicit NonBlockingOutput(int fd);
    ~NonBlockingOutput();
    NonBlockingOutput(const NonBlockingOutput &) = delete;
    NonBlockingOutput &operator=(const NonBlockingOutput &) = delete;

    // The bytes that went at once, 0 when none could; -1 with errno set when the write
    // failed (EPIPE: the reader has gone).
    ssize_t writeNow(const char *data, size_t size);

private:
    enum class Mode { plain, ownDescription, socket, pollFirst };

    ssize_t writeOnce(const char *data, size_t size);

    int m_fd;
    int m_ownFd = -1;
    Mode m_mode = Mode::plain;
};
