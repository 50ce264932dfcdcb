#include "app/WorkerThreadReserve.h"

#include "core/Logger.h"

#include <QThread>
#include <QThreadPool>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>

namespace {

// Each starting job waits here until all have arrived, so that each holds a thread of its own
// and the pool has to start them all.
struct Gathering
{
    explicit Gathering(int expected)
        : expected(expected)
    {
    }

    void arriveAndWait()
    {
        std::unique_lock lock(mutex);
        ++arrived;
        allHere.notify_all();
        const bool complete = allHere.wait_for(lock, std::chrono::milliseconds(WorkerThreadReserve::gatherTimeoutMs),
                                               [this] { return arrived == expected; });
        if (!complete && !warned) {
            warned = true;
            logWarn(QStringLiteral("Launch"),
                    formatLogEvent(QStringLiteral("worker_threads_missing"),
                                   {{QStringLiteral("started"), QString::number(arrived)},
                                    {QStringLiteral("wanted"), QString::number(expected)}}));
        }
    }

    const int expected;
    int arrived = 0;
    bool warned = false;
    std::mutex mutex;
    std::condition_variable allHere;
};

} // namespace

int WorkerThreadReserve::threadCount()
{
    return std::clamp(QThread::idealThreadCount(), 1, maxThreads);
}

void WorkerThreadReserve::keep(QThreadPool &pool)
{
    const int count = threadCount();
    // Threads that never expire need never be started again; a pool held at the number it
    // has never starts one more.
    pool.setExpiryTimeout(-1);
    pool.setMaxThreadCount(count);
    auto gathering = std::make_shared<Gathering>(count);
    for (int i = 0; i < count; ++i)
        pool.start([gathering] { gathering->arriveAndWait(); });
}
