#include "core/AtomicFile.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

const QDateTime brokenAt(QDate(2025, 3, 4), QTime(9, 5, 7));
constexpr qint64 limit = 1024;

} // namespace

TEST(AtomicFileTest, WriteReplacesTheWholeFileWithAnOwnerOnlyFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("stats.json");
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old content that is longer than the new one");
    old.close();
    ::chmod(QFile::encodeName(path).constData(), 0644);

    // Even a umask that takes the owner's write bit away leaves the file at exactly 0600.
    const mode_t savedMask = ::umask(0277);
    QString error;
    const bool written = AtomicFile::write(path, "[]", limit, &error);
    ::umask(savedMask);

    ASSERT_TRUE(written) << error.toStdString();
    EXPECT_EQ(readBytes(path), "[]");
    EXPECT_EQ(modeOf(path), 0600u);
    EXPECT_EQ(entries(dir.path()), QStringList("stats.json")) << "no temporary file is left";
}

TEST(AtomicFileTest, AFailedWriteReportsWhyAndLeavesNothingBehind)
{
    QTemporaryDir dir;
    // Renaming over a folder that has content fails after the temporary file was written.
    const QString target = dir.filePath("settings.json");
    QDir().mkpath(target + "/keep");
    QString error;
    EXPECT_FALSE(AtomicFile::write(target, "{}", limit, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(entries(dir.path()), QStringList("settings.json"));
    EXPECT_TRUE(QFileInfo(target + "/keep").isDir());

    error.clear();
    EXPECT_FALSE(AtomicFile::write(dir.filePath("missing/settings.json"), "{}", limit, &error));
    EXPECT_FALSE(error.isEmpty());
}

// What is written is read back with the same limit: a content past it would be set aside at
// the next start, so it is refused and the last good file stays.
TEST(AtomicFileTest, AWriteOfMoreThanTheReadLimitIsRefusedAndTheFileStays)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("settings.json");
    writeBytes(path, "{\"kept\": true}");
    const qint64 sizes[] = {limit - 1, limit, limit + 1, 4 * limit};
    for (qint64 size : sizes) {
        SCOPED_TRACE(size);
        const QByteArray content(size, 'x');
        QString error;
        const bool written = AtomicFile::write(path, content, limit, &error);
        const AtomicFile::ReadResult readBack = AtomicFile::read(path, limit);
        ASSERT_EQ(readBack.status, AtomicFile::ReadResult::Status::read);
        if (size <= limit) {
            EXPECT_TRUE(written) << error.toStdString();
            EXPECT_EQ(readBack.bytes, content);
        } else {
            EXPECT_FALSE(written);
            EXPECT_EQ(error.toStdString(), "too large to be read back (more than 1 kB)");
        }
    }
    EXPECT_EQ(readBytes(path), QByteArray(limit, 'x')) << "the last write that fitted";
    EXPECT_EQ(entries(dir.path()), QStringList("settings.json")) << "no temporary file is left";
}

TEST(AtomicFileTest, SetAsideKeepsTheContentAndNeverReplacesAnEarlierCopy)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("settings.json");
    const QString first = path + ".corrupt-20250304-090507";
    for (const char *content : {"{first", "{second", "{third"}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        ASSERT_TRUE(AtomicFile::setAside(path, brokenAt).has_value());
    }
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_EQ(readBytes(first), "{first");
    EXPECT_EQ(readBytes(first + "-2"), "{second");
    EXPECT_EQ(readBytes(first + "-3"), "{third");

    QString error;
    EXPECT_EQ(AtomicFile::setAside(dir.filePath("absent.json"), brokenAt, &error), std::nullopt);
    EXPECT_FALSE(error.isEmpty());
}

TEST(AtomicFileTest, PrivateFoldersAreMadeAndNarrowedToTheOwnerButNeverWidened)
{
    QTemporaryDir dir;
    const QString nested = dir.filePath("a/b/c");
    const mode_t umaskBefore = ::umask(0277); // would leave a new folder unwritable
    const bool made = AtomicFile::makePrivateFolder(nested);
    ::umask(umaskBefore);
    ASSERT_TRUE(made);
    EXPECT_EQ(modeOf(dir.filePath("a")), 0700u);
    EXPECT_EQ(modeOf(nested), 0700u);

    // Group and others lose their bits; the owner's stay exactly as the user left them.
    for (const auto &[before, after] :
         {std::pair<mode_t, mode_t>{0777, 0700}, {0750, 0700}, {0500, 0500}, {0555, 0500}}) {
        SCOPED_TRACE(before);
        ::chmod(QFile::encodeName(nested).constData(), before);
        ASSERT_TRUE(AtomicFile::makePrivateFolder(nested));
        EXPECT_EQ(modeOf(nested), after);
    }

    QFile blocker(dir.filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QString error;
    EXPECT_FALSE(AtomicFile::makePrivateFolder(dir.filePath("file"), &error));
    EXPECT_FALSE(AtomicFile::makePrivateFolder(dir.filePath("file/sub"), &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(AtomicFileTest, ReadTakesOnlyRegularFilesWithinTheLimitAndNeverWaits)
{
    QTemporaryDir dir;
    writeBytes(dir.filePath("file"), "0123456789");
    writeBytes(dir.filePath("big"), QByteArray(11, 'x'));
    QDir().mkpath(dir.filePath("folder"));
    ::mkfifo(QFile::encodeName(dir.filePath("pipe")).constData(), 0600);
    QFile::link("/dev/zero", dir.filePath("zero"));
    QFile::link(dir.filePath("absent"), dir.filePath("dangling"));
    QFile::link(dir.filePath("file"), dir.filePath("link"));

    using Status = AtomicFile::ReadResult::Status;
    struct Case
    {
        const char *name;
        Status status;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"file", Status::read, "0123456789"}, {"link", Status::read, "0123456789"},
        {"absent", Status::absent, {}},       {"absent/below", Status::absent, {}},
        {"big", Status::unusable, {}},        {"folder", Status::unusable, {}},
        {"pipe", Status::unusable, {}},       {"zero", Status::unusable, {}},
        {"dangling", Status::unusable, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        AtomicFile::ReadResult result;
        EXPECT_TRUE(finishesWithoutWaitingOnPipe(dir.filePath("pipe"), 1000, [&] {
            result = AtomicFile::read(dir.filePath(c.name), 10);
        }));
        EXPECT_EQ(result.status, c.status);
        EXPECT_EQ(result.bytes, c.bytes);
        EXPECT_EQ(result.error.isEmpty(), c.status != Status::unusable) << result.error.toStdString();
    }
}
