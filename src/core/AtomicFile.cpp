#include "core/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr mode_t privateFileMode = 0600;
constexpr mode_t privateFolderMode = 0700;
constexpr mode_t groupAndOtherBits = 0077;

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

// Root may write anywhere; a folder the user took the write permission from is still theirs
// to keep unchanged.
bool folderAcceptsWrites(const QByteArray &folder, QString *error)
{
    struct stat info = {};
    if (::stat(folder.constData(), &info) == 0 && !(info.st_mode & S_IWUSR))
        return fail(error, QStringLiteral("the folder is read-only"), EACCES);
    return true;
}

AtomicFile::ReadResult unusable(const QString &reason)
{
    AtomicFile::ReadResult result;
    result.status = AtomicFile::ReadResult::Status::unusable;
    result.error = reason;
    return result;
}

// Without the size itself, so that a content that keeps growing keeps the same reason and
// is reported once.
QString tooLargeToReadBack(qint64 maxBytes)
{
    return QStringLiteral("too large to be read back (more than %1)")
        .arg(QLocale::c().formattedDataSize(maxBytes, 0, QLocale::DataSizeTraditionalFormat));
}

QString stepFailed(const QString &step, int errorCode)
{
    return step + QLatin1String(": ") + qt_error_string(errorCode);
}

class FileDescriptor
{
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor() { ::close(m_fd); }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

// Up to limit + 1 bytes, so that a file that grew past the limit since fstat() shows it. The
// buffer starts at the size fstat() gave and grows only for a file that is still growing.
bool readUpTo(int fd, qint64 expectedSize, qint64 limit, QByteArray *bytes)
{
    bytes->resize(std::min(expectedSize, limit) + 1);
    qint64 total = 0;
    for (;;) {
        if (total == bytes->size()) {
            if (total > limit)
                break;
            bytes->resize(std::min(total * 2, limit + 1));
        }
        const ssize_t count = ::read(fd, bytes->data() + total, size_t(bytes->size() - total));
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return false;
        if (count == 0)
            break;
        total += count;
    }
    bytes->resize(total);
    return true;
}

} // namespace

AtomicFile::ReadResult AtomicFile::read(const QString &path, qint64 maxBytes)
{
    const QByteArray encoded = QFile::encodeName(path);
    // Without O_NONBLOCK, opening a pipe put in the file's place waits for a writer for ever.
    const int fd = ::open(encoded.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        const int openError = errno;
        struct stat entry = {};
        // A dangling link is something in the way, not an absent file.
        if (::lstat(encoded.constData(), &entry) != 0)
            return {};
        return unusable(stepFailed(QStringLiteral("cannot open"), openError));
    }
    const FileDescriptor file(fd);
    struct stat info = {};
    if (::fstat(file.get(), &info) != 0)
        return unusable(stepFailed(QStringLiteral("cannot inspect"), errno));
    // A device (a link to /dev/zero) never ends; a folder has nothing to read.
    if (!S_ISREG(info.st_mode))
        return unusable(QStringLiteral("not a regular file"));
    const QString tooLarge = QStringLiteral("larger than %1 bytes").arg(maxBytes);
    if (info.st_size > maxBytes)
        return unusable(tooLarge);
    ReadResult result;
    if (!readUpTo(file.get(), info.st_size, maxBytes, &result.bytes))
        return unusable(stepFailed(QStringLiteral("cannot read"), errno));
    if (result.bytes.size() > maxBytes)
        return unusable(tooLarge);
    result.status = ReadResult::Status::read;
    return result;
}

bool AtomicFile::write(const QString &path, const QByteArray &bytes, qint64 maxBytes,
                       QString *error)
{
    if (bytes.size() > maxBytes) {
        if (error)
            *error = tooLargeToReadBack(maxBytes);
        return false;
    }
    const QFileInfo target(path);
    const QByteArray targetPath = QFile::encodeName(target.absoluteFilePath());
    if (!folderAcceptsWrites(QFile::encodeName(target.absolutePath()), error))
        return false;
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

bool AtomicFile::remove(const QString &path, QString *error)
{
    const QFileInfo target(path);
    if (!folderAcceptsWrites(QFile::encodeName(target.absolutePath()), error))
        return false;
    if (::unlink(QFile::encodeName(target.absoluteFilePath()).constData()) != 0 && errno != ENOENT)
        return fail(error, QStringLiteral("cannot remove the file"), errno);
    return true;
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
        const QByteArray encoded = QFile::encodeName(part);
        if (::mkdir(encoded.constData(), privateFolderMode) != 0) {
            if (errno == EEXIST)
                continue; // made by someone else meanwhile: theirs, mode and all
            return fail(error, QStringLiteral("cannot create the folder"), errno);
        }
        // The umask may have taken more than group and others from a folder we made.
        ::chmod(encoded.constData(), privateFolderMode);
    }
    struct stat info = {};
    const QByteArray encoded = QFile::encodeName(folder);
    if (::stat(encoded.constData(), &info) != 0 || !S_ISDIR(info.st_mode))
        return fail(error, QStringLiteral("cannot create the folder"), ENOTDIR);
    const mode_t current = info.st_mode & 07777;
    const mode_t narrowed = current & ~groupAndOtherBits;
    if (narrowed != current && ::chmod(encoded.constData(), narrowed) != 0)
        return fail(error, QStringLiteral("cannot set the folder mode"), errno);
    return true;
}
