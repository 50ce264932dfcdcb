#include "platform/linux/SingleInstanceGuard.h"
#include "support/LogCapture.h"

#include <QDBusConnection>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

// The lock is per open file, so two guards in one process contend just as two processes do.

namespace {

using LockResult = SingleInstanceGuard::LockResult;

class SingleInstanceGuardTest : public ::testing::Test
{
protected:
    QString lockPath() const { return folder.filePath("lumenpause.lock"); }

    QTemporaryDir folder;
};

} // namespace

TEST_F(SingleInstanceGuardTest, ASecondCopyIsRefusedUntilTheFirstLetsGo)
{
    auto first = std::make_unique<SingleInstanceGuard>(lockPath());
    SingleInstanceGuard second(lockPath());

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
        SingleInstanceGuard ended(lockPath());
        ASSERT_EQ(ended.acquireLock(), LockResult::acquired);
        EXPECT_EQ(QFileInfo(lockPath()).permissions() & 0x0077, 0)
            << "only the owner may open the lock file";
    }
    ASSERT_TRUE(QFileInfo::exists(lockPath())) << "the file stays for the next copy";

    SingleInstanceGuard next(lockPath());
    EXPECT_EQ(next.acquireLock(), LockResult::acquired);
}

TEST_F(SingleInstanceGuardTest, AProgramStartedByTheApplicationDoesNotKeepTheLock)
{
    auto guard = std::make_unique<SingleInstanceGuard>(lockPath());
    ASSERT_EQ(guard->acquireLock(), LockResult::acquired);
    QProcess child;
    child.start("sleep", {"30"});
    ASSERT_TRUE(child.waitForStarted());

    guard.reset(); // the application ends while the program it started runs on
    SingleInstanceGuard next(lockPath());
    EXPECT_EQ(next.acquireLock(), LockResult::acquired);

    child.kill();
    child.waitForFinished();
}

// Unit tests run with the session bus disabled: neither guard keeps this copy out, and each
// says so once.
TEST_F(SingleInstanceGuardTest, WithoutALockOrABusTheCopyRunsWithOneWarning)
{
    struct Case
    {
        QString lockPath;
        QString expectedWarning;
    };
    const Case cases[] = {
        {folder.filePath("absent/lumenpause.lock"), "instance_lock_unavailable | busName=false"},
        {QString(), "instance_lock_unavailable | busName=false path= reason=\"no runtime folder\""},
        {folder.filePath("lumenpause.lock"), "reopen_unavailable | reason=\"no session bus\""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.lockPath.toStdString());
        LogCapture log;
        SingleInstanceGuard guard(c.lockPath);
        EXPECT_EQ(guard.claim(QDBusConnection::sessionBus()),
                  SingleInstanceGuard::Claim::firstCopy);
        const QStringList warnings = log.messages("Launch");
        ASSERT_EQ(warnings.size(), 1);
        EXPECT_TRUE(warnings[0].startsWith(c.expectedWarning)) << warnings[0].toStdString();
        EXPECT_EQ(guard.holdsLock(), guard.lockProblem().isEmpty());
        EXPECT_EQ(guard.busProblem(), "no session bus");
    }
    EXPECT_FALSE(SingleInstanceGuard::requestReopen(QDBusConnection::sessionBus()));
}
