#include "core/NonBlockingOutput.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <string>

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool canWait(int fd, const struct stat &info)
{
    return S_ISFIFO(info.st_mode) || (S_ISCHR(info.st_mode) && ::isatty(fd));
}

// A fresh open of /proc/self/fd/N makes a new open file description of the same pipe or
// terminal, whose flags are the process's alone. It fails where /proc is missing, where the
// terminal belongs to another user, and on a named pipe whose reader has gone.
int openOwnDescription(int fd)
{
    const std::string path = "/proc/self/fd/" + std::to_string(fd);
    return ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
}

bool wouldBlock(int error)
{
    return error == EAGAIN || error == EWOULDBLOCK;
}

} // namespace

NonBlockingOutput::NonBlockingOutput(int fd)
    : m_fd(fd)
{
    struct stat info = {};
    if (::fstat(fd, &info) != 0)
        return; // a closed descriptor: every write fails at once
    if (S_ISSOCK(info.st_mode)) {
        m_mode = Mode::socket;
    } else if (canWait(fd, info)) {
        m_ownFd = openOwnDescription(fd);
        m_mode = m_ownFd >= 0 ? Mode::ownDescription : Mode::pollFirst;
    }
}

NonBlockingOutput::~NonBlockingOutput()
{
    if (m_ownFd >= 0)
        ::close(m_ownFd);
}

ssize_t NonBlockingOutput::writeNow(const char *data, size_t size)
{
    for (;;) {
        const ssize_t written = writeOnce(data, size);
        if (written >= 0)
            return written;
        if (errno == EINTR)
            continue;
        return wouldBlock(errno) ? 0 : -1;
    }
}

ssize_t NonBlockingOutput::writeOnce(const char *data, size_t size)
{
    switch (m_mode) {
    case Mode::plain:
        return ::write(m_fd, data, size);
    case Mode::ownDescription:
        return ::write(m_ownFd, data, size);
    case Mode::socket:
        return ::send(m_fd, data, size, MSG_DONTWAIT | MSG_NOSIGNAL);
    case Mode::pollFirst: {
        // A pipe that polls writable has room for one page, and a write of at most
        // PIPE_BUF bytes then goes without waiting.
        pollfd ready = {m_fd, POLLOUT, 0};
        if (::poll(&ready, 1, 0) < 0)
            return -1;
        if (ready.revents == 0) {
            errno = EAGAIN;
            return -1;
        }
        return ::write(m_fd, data, std::min<size_t>(size, PIPE_BUF));
    }
    }
    return ::write(m_fd, data, size);
}
