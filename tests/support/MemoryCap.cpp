#include "support/MemoryCap.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <thread>

#include <sys/resource.h>
#include <unistd.h>

namespace {

const char *const childVariable = "LUMENPAUSE_MEMORY_CAPPED_TEST";
// A capped test that has not ended by then is stopped.
constexpr int childTimeoutMs = 180000;

#if defined(__SANITIZE_ADDRESS__)
constexpr bool addressSanitizer = true;
#else
constexpr bool addressSanitizer = false;
#endif

// A field of /proc/self/status, in bytes; 0 when it cannot be read.
qint64 statusBytes(const QByteArray &field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field + ':'))
            return line.mid(field.size() + 1).trimmed().split(' ').value(0).toLongLong() * 1024;
    }
    return 0;
}

QByteArray currentTestName()
{
    const testing::TestInfo *test = testing::UnitTest::GetInstance()->current_test_info();
    return QByteArray(test->test_suite_name()) + '.' + test->name();
}

} // namespace

bool MemoryCap::runsHere(qint64 megabytes)
{
    const QByteArray name = currentTestName();
    if (qgetenv(childVariable) == name) {
        applyCap(megabytes << 20);
        return true;
    }
    runInChild(name.constData());
    return false;
}

void MemoryCap::applyCap(qint64 bytes)
{
    if (!addressSanitizer) {
        const rlim_t limit = rlim_t(statusBytes("VmSize") + bytes);
        const rlimit cap{limit, limit};
        if (::setrlimit(RLIMIT_AS, &cap) != 0)
            ADD_FAILURE() << "the memory cap could not be set";
        return;
    }
    // The sanitizer reserves terabytes of address space at start, so the cap watches what
    // the process really holds instead.
    const qint64 ceiling = statusBytes("VmRSS") + bytes;
    std::thread([ceiling] {
        for (;;) {
            const qint64 resident = statusBytes("VmRSS");
            if (resident > ceiling) {
                std::fprintf(stderr, "memory cap exceeded: %lld MiB resident\n",
                             static_cast<long long>(resident >> 20));
                ::_exit(3);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }).detach();
}

void MemoryCap::runInChild(const char *testName)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::MergedChannels);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(childVariable), QString::fromLatin1(testName));
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=") + QString::fromLatin1(testName)});
    ASSERT_TRUE(child.waitForStarted()) << child.errorString().toStdString();
    if (!child.waitForFinished(childTimeoutMs)) {
        child.kill();
        child.waitForFinished();
        ADD_FAILURE() << testName << " did not end under its memory cap\n"
                      << child.readAll().toStdString();
        return;
    }
    EXPECT_TRUE(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0)
        << testName << " failed under its memory cap (exit "
        << (child.exitStatus() == QProcess::NormalExit ? "code " : "by signal ")
        << child.exitCode() << ")\n"
        << child.readAll().toStdString();
}
