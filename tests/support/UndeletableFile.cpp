#include "support/UndeletableFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

UndeletableFile::UndeletableFile(QString path, const QByteArray &content)
    : m_path(std::move(path))
{
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QFile file(m_path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) < 0)
        return;
    file.close();
    if (setImmutable(true)) {
        m_mode = Mode::immutable;
        return;
    }
    if (::geteuid() != 0 && QFile::setPermissions(QFileInfo(m_path).absolutePath(),
                                                  QFileDevice::ReadOwner | QFileDevice::ExeOwner))
        m_mode = Mode::readOnlyFolder;
}

UndeletableFile::~UndeletableFile()
{
    if (m_mode == Mode::immutable)
        setImmutable(false);
    else if (m_mode == Mode::readOnlyFolder)
        QFile::setPermissions(QFileInfo(m_path).absolutePath(), QFileDevice::ReadOwner
                                  | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

bool UndeletableFile::setImmutable(bool on) const
{
    const int fd = ::open(QFile::encodeName(m_path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    int flags = 0;
    bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (done) {
        flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return done;
}
