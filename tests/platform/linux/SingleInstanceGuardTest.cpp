#include "platform/linux/SingleInstanceGuard.h"
#include "support/LogCapture.h"

#include <QDBusConnection>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

#include <sys/stat.h>

// The lock is per open file, so two guards in one process contend just as two processes do.

namespace {

using LockResult = SingleInstanceGuard::LockResult;

class SingleInstanceGuardTest : public ::testing::Test
{
protected:
    QString lockPath() const { return folder.filePath("lumenpause.lock"); }
    QString dataLockPath() const { return folder.filePath("data/instance.lock"); }

    QTemporaryDir folder;
};

} // namespace

TEST_F(SingleInstanceGuardTest, ASecondCopyIsRefusedUntilTheFirstLetsGo)
{
    auto first = std::make_unique<SingleInstanceGuard>(QStringList{lockPath()});
    SingleInstanceGuard second({lockPath()});

    EXPECT_EQ(first->acquireLock(), LockResult::acquired);
    EXPECT_EQ(second.acquireLock(), LockResult::heldElsewhere);
    EXPECT_FALSE(second.holdsLock());

    first.reset();
    EXPECT_EQ(second.acquireLock(), LockResult::acquired);
    EXPECT_TRUE(second.holdsLock());
}

TEST_F(SingleInstanceGuardTest, TheLockFileIsPrivateAndALeftoverOneDoesNotBlock)
{
    {
        SingleInstanceGuard ended({lockPath()});
        ASSERT_EQ(ended.acquireLock(), LockResult::acquired);
        EXPECT_EQ(QFileInfo(lockPath()).permissions() & 0x0077, 0)
            << "only the owner may open the lock file";
    }
    ASSERT_TRUE(QFileInfo::exists(lockPath())) << "the file stays for the next copy";

    SingleInstanceGuard next({lockPath()});
    EXPECT_EQ(next.acquireLock(), LockResult::acquired);
}

TEST_F(SingleInstanceGuardTest, AProgramStartedByTheApplicationDoesNotKeepTheLock)
{
    auto guard = std::make_unique<SingleInstanceGuard>(QStringList{lockPath()});
    ASSERT_EQ(guard->acquireLock(), LockResult::acquired);
    QProcess child;
    child.start("sleep", {"30"});
    ASSERT_TRUE(child.waitForStarted());

    guard.reset(); // the application ends while the program it started runs on
    SingleInstanceGuard next({lockPath()});
    EXPECT_EQ(next.acquireLock(), LockResult::acquired);

    child.kill();
    child.waitForFinished();
}

// Unit tests run with the session bus disabled: only a lock keeps this copy out of another's
// way. Where none can be made the copy runs with one warning; where one of two is made, the
// other's failure is only noted, and the one warning is that no other copy can be reopened.
TEST_F(SingleInstanceGuardTest, OnlyWhereNoLockCanBeMadeDoesTheCopyRunUnguardedWithOneWarning)
{
    struct Case
    {
        const char *name;
        QStringList lockPaths;
        bool holdsLock;
        QString expectedWarning;
        QString expectedNote;
    };
    const QString absent = folder.filePath("absent/lumenpause.lock");
    const Case cases[] = {
        {"neither folder exists", {absent, folder.filePath("gone/instance.lock")}, false,
         "instance_lock_unavailable | busName=false reason=\"" + absent + ": No such file or directory; ", ""},
        {"no folder at all", {}, false,
         "instance_lock_unavailable | busName=false reason=\"no folder for a lock\"", ""},
        {"a runtime lock that cannot be made", {absent, dataLockPath()}, true,
         "reopen_unavailable | reason=\"no session bus\"",
         "instance_lock_skipped | reason=\"" + absent + ": No such file or directory\""},
        {"both locks", {lockPath(), dataLockPath()}, true, "reopen_unavailable | reason=\"no session bus\"", ""},
    };
    ASSERT_TRUE(QDir(folder.path()).mkdir("data"));
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        LogCapture log;
        SingleInstanceGuard guard(c.lockPaths);
        EXPECT_EQ(guard.claim(QDBusConnection::sessionBus()), SingleInstanceGuard::Claim::firstCopy);
        EXPECT_EQ(guard.holdsLock(), c.holdsLock);
        EXPECT_EQ(guard.busProblem(), "no session bus");
        const QStringList lines = log.messages("Launch");
        ASSERT_EQ(lines.size(), c.expectedNote.isEmpty() ? 1 : 2) << lines.join('\n').toStdString();
        EXPECT_TRUE(lines.last().startsWith(c.expectedWarning)) << lines.last().toStdString();
        if (!c.expectedNote.isEmpty()) {
            EXPECT_TRUE(lines.first().startsWith(c.expectedNote)) << lines.first().toStdString();
        }
    }
    EXPECT_FALSE(SingleInstanceGuard::requestReopen(QDBusConnection::sessionBus()));
}

// Two copies that share their data folder but not their runtime lock: one started without a
// runtime folder (Qt then picks another), one with a link planted at the runtime lock, one
// whose runtime folder is elsewhere. The data lock keeps each out, and a copy that leaves
// keeps none of its locks.
TEST_F(SingleInstanceGuardTest, EitherLockHeldKeepsASecondCopyOut)
{
    ASSERT_TRUE(QDir(folder.path()).mkpath("data"));
    ASSERT_TRUE(QDir(folder.path()).mkpath("other-runtime"));
    const QString otherRuntimeLock = folder.filePath("other-runtime/lumenpause.lock");
    const QString plantedLink = folder.filePath("other-runtime/planted.lock");
    ASSERT_TRUE(QFile::link(lockPath(), plantedLink));
    SingleInstanceGuard first({lockPath(), dataLockPath()});
    ASSERT_EQ(first.acquireLock(), LockResult::acquired);

    const std::pair<const char *, QStringList> seconds[] = {
        {"no runtime folder", {dataLockPath()}},
        {"a link planted at its runtime lock", {plantedLink, dataLockPath()}},
        {"another runtime folder", {otherRuntimeLock, dataLockPath()}},
        {"the same runtime lock only", {lockPath()}},
    };
    for (const auto &[name, paths] : seconds) {
        SCOPED_TRACE(name);
        SingleInstanceGuard second(paths);
        EXPECT_EQ(second.claim(QDBusConnection::sessionBus()), SingleInstanceGuard::Claim::anotherCopyRuns);
        EXPECT_FALSE(second.holdsLock());
    }
    // The copy that left let go of the other runtime lock it had taken on its way.
    SingleInstanceGuard third({otherRuntimeLock});
    EXPECT_EQ(third.acquireLock(), LockResult::acquired);
}

// Whatever is found at a lock's path other than a private file of the user's own is left as
// it is and makes that lock unavailable: a link is not followed (to a file or to nowhere),
// and a pipe does not hang the start.
TEST_F(SingleInstanceGuardTest, ALockPathThatIsNotAPlainFileIsNeverUsed)
{
    const QString target = folder.filePath("target");
    {
        QFile file(target);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther));
    }
    const QString toFile = folder.filePath("to-file.lock");
    const QString toNowhere = folder.filePath("to-nowhere.lock");
    const QString pipe = folder.filePath("pipe.lock");
    ASSERT_TRUE(QFile::link(target, toFile));
    ASSERT_TRUE(QFile::link(folder.filePath("created-through-link"), toNowhere));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    for (const QString &path : {toFile, toNowhere, pipe}) {
        SCOPED_TRACE(path.toStdString());
        InstanceLockFile lock(path);
        EXPECT_EQ(lock.acquire(), LockResult::unavailable);
        EXPECT_FALSE(lock.problem().isEmpty());
    }
    EXPECT_FALSE(QFileInfo::exists(folder.filePath("created-through-link")));
    EXPECT_TRUE(QFileInfo(target).permissions() & QFile::ReadOther) << "the link's target is untouched";
    // The guard still runs on its other lock.
    SingleInstanceGuard guard({toFile, lockPath()});
    EXPECT_EQ(guard.acquireLock(), LockResult::acquired);
}
