#include "platform/linux/InstanceLockFile.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr mode_t privateMode = 0600;
constexpr mode_t groupAndOtherBits = 0077;

QString errnoText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

InstanceLockFile::InstanceLockFile(QString path)
    : m_path(std::move(path))
{
}

InstanceLockFile::~InstanceLockFile()
{
    release();
}

InstanceLockFile::Result InstanceLockFile::acquire()
{
    if (m_fd >= 0)
        return Result::acquired;
    m_problem.clear();
    const int fd = openSafely();
    if (fd < 0)
        return Result::unavailable;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        if (error == EWOULDBLOCK)
            return Result::heldElsewhere;
        m_problem = errnoText(error);
        return Result::unavailable;
    }
    m_fd = fd;
    return Result::acquired;
}

void InstanceLockFile::release()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

// Never through a link (O_NOFOLLOW), never inherited by a program this one starts
// (O_CLOEXEC), never blocking on a pipe planted at the path (O_NONBLOCK). Reading is all a
// lock needs, so a file the user made read-only still serves.
int InstanceLockFile::openSafely()
{
    if (m_path.isEmpty()) {
        m_problem = QStringLiteral("no folder for it");
        return -1;
    }
    const QByteArray path = QFile::encodeName(m_path);
    const int fd = ::open(path.constData(), O_RDONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, privateMode);
    if (fd < 0) {
        m_problem = errnoText(errno);
        return -1;
    }
    struct stat info = {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != ::geteuid()) {
        m_problem = QStringLiteral("not a file of the user's own");
        ::close(fd);
        return -1;
    }
    if ((info.st_mode & groupAndOtherBits) != 0)
        ::fchmod(fd, info.st_mode & 07777 & ~groupAndOtherBits);
    return fd;
}
