#include "core/SerialQueue.h"

#include "support/ScopedThreadStartFailure.h"

#include <gtest/gtest.h>

#include <mutex>
#include <string>
#include <thread>
#include <vector>

// Near the account's limit of processes no queue thread can start: the work handed in runs
// on the caller, in order, and none is lost; once a thread can start again the queue moves
// onto it, still in order.
TEST(SerialQueueTest, RunsItsWorkOnTheCallerInOrderWhileNoThreadStartsThenOnItsOwnThread)
{
    std::mutex mutex;
    std::vector<std::string> ran;
    const std::thread::id caller = std::this_thread::get_id();
    auto record = [&](const std::string &what) {
        return [&, what] {
            std::lock_guard lock(mutex);
            const bool onCaller = std::this_thread::get_id() == caller;
            ran.push_back(what + (onCaller ? " on the caller" : " on the queue"));
        };
    };
    SerialQueue queue(QStringLiteral("local.lumenpause.test-queue"));
    {
        ScopedThreadStartFailure noThreads;
        ASSERT_TRUE(noThreads.isActive());
        queue.async(record("first"));
        // A block handed in by a block still running comes after it, not inside it.
        queue.async([&] {
            queue.async(record("third"));
            record("second")();
        });
        int answer = 0;
        queue.sync([&] { answer = 42; });
        EXPECT_EQ(answer, 42);
        std::lock_guard lock(mutex);
        EXPECT_EQ(ran, (std::vector<std::string>{"first on the caller", "second on the caller",
                                                 "third on the caller"}));
    }
    queue.async(record("fourth"));
    queue.sync(record("fifth"));
    std::lock_guard lock(mutex);
    EXPECT_EQ(ran, (std::vector<std::string>{"first on the caller", "second on the caller",
                                             "third on the caller", "fourth on the queue",
                                             "fifth on the queue"}));
}
