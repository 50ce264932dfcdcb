#include "core/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr mode_t privateFileMode = 0600;
constexpr mode_t privateFolderMode = 0700;

bool fail(QString *error, const QString &step, int errorCode)
{
    if (error)
        *error = step + QLatin1String(": ") + qt_error_string(errorCode);
    return false;
}

int openNewTemporary(const QByteArray &targetPath, QByteArray *tempPath)
{
    // A fresh random name per attempt, and O_EXCL, so that a file left by a killed writer
    // or planted by someone else is never reused or followed.
    for (int attempt = 0; attempt < 16; ++attempt) {
        *tempPath = targetPath + ".tmp-"
            + QByteArray::number(QRandomGenerator::global()->generate64(), 36);
        const int fd = ::open(tempPath->constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                              privateFileMode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

bool writeAll(int fd, const QByteArray &bytes)
{
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

// Fills the temporary file and closes it; false with errno set on the first failure.
bool fillAndClose(int fd, const QByteArray &bytes, QString *step)
{
    bool ok = true;
    // The umask may have narrowed the mode further; the file must be exactly 0600.
    if (::fchmod(fd, privateFileMode) != 0) {
        *step = QStringLiteral("cannot set the file mode");
        ok = false;
    } else if (!writeAll(fd, bytes)) {
        *step = QStringLiteral("cannot write");
        ok = false;
    } else if (::fsync(fd) != 0) {
        *step = QStringLiteral("cannot sync");
        ok = false;
    }
    const int savedErrno = errno;
    if (::close(fd) != 0 && ok) {
        *step = QStringLiteral("cannot close");
        return false;
    }
    errno = savedErrno;
    return ok;
}

void syncFolder(const QByteArray &folder)
{
    // Makes the rename itself durable. Some file systems refuse to sync a folder; the new
    // content is in place all the same, so a failure here is not one of the write.
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

// Renames without replacing an existing file: EEXIST when the name is taken.
int renameNoReplace(const QByteArray &from, const QByteArray &to)
{
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return -1;
    // The file system cannot rename exclusively; check first, accepting the tiny race.
    if (QFileInfo::exists(QFile::decodeName(to))) {
        errno = EEXIST;
        return -1;
    }
    return ::rename(from.constData(), to.constData());
}

} // namespace

bool AtomicFile::write(const QString &path, const QByteArray &bytes, QString *error)
{
    const QFileInfo target(path);
    const QByteArray targetPath = QFile::encodeName(target.absoluteFilePath());
    QByteArray tempPath;
    const int fd = openNewTemporary(targetPath, &tempPath);
    if (fd < 0)
        return fail(error, QStringLiteral("cannot create a temporary file"), errno);

    QString step;
    if (!fillAndClose(fd, bytes, &step)) {
        const int savedErrno = errno;
        ::unlink(tempPath.constData());
        return fail(error, step, savedErrno);
    }
    if (::rename(tempPath.constData(), targetPath.constData()) != 0) {
        const int savedErrno = errno;
        ::unlink(tempPath.constData());
        return fail(error, QStringLiteral("cannot replace the file"), savedErrno);
    }
    syncFolder(QFile::encodeName(target.absolutePath()));
    return true;
}

std::optional<QString> AtomicFile::setAside(const QString &path, const QDateTime &now,
                                            QString *error)
{
    const QByteArray from = QFile::encodeName(path);
    const QByteArray base =
        from + ".corrupt-" + now.toString(QStringLiteral("yyyyMMdd-HHmmss")).toLatin1();
    for (int counter = 1; counter < 1000; ++counter) {
        const QByteArray to = counter == 1 ? base : base + '-' + QByteArray::number(counter);
        if (renameNoReplace(from, to) == 0)
            return QFile::decodeName(to);
        if (errno != EEXIST) {
            fail(error, QStringLiteral("cannot move the file aside"), errno);
            return std::nullopt;
        }
    }
    fail(error, QStringLiteral("cannot move the file aside"), EEXIST);
    return std::nullopt;
}

bool AtomicFile::makePrivateFolder(const QString &path, QString *error)
{
    const QString folder = QDir::cleanPath(QDir(path).absolutePath());
    QStringList missing;
    for (QString current = folder; !QFileInfo::exists(current);
         current = QFileInfo(current).path()) {
        missing.prepend(current);
    }
    for (const QString &part : std::as_const(missing)) {
        if (::mkdir(QFile::encodeName(part).constData(), privateFolderMode) != 0 && errno != EEXIST)
            return fail(error, QStringLiteral("cannot create the folder"), errno);
    }
    if (!QFileInfo(folder).isDir())
        return fail(error, QStringLiteral("cannot create the folder"), ENOTDIR);
    if (::chmod(QFile::encodeName(folder).constData(), privateFolderMode) != 0)
        return fail(error, QStringLiteral("cannot set the folder mode"), errno);
    return true;
}
