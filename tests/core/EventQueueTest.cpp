#include "core/EventQueue.h"

#include "support/LogCapture.h"
#include "support/ScopedThreadStartFailure.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <condition_variable>
#include <future>
#include <mutex>

namespace {

// What ran on the queue, in order, for the test's thread to wait on.
class Journal
{
public:
    void add(const std::string &entry)
    {
        std::lock_guard lock(m_mutex);
        m_entries.push_back(entry);
        m_changed.notify_all();
    }
    // The entries once there are `count` of them; what there is after five seconds otherwise.
    std::vector<std::string> waitFor(size_t count)
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait_for(lock, std::chrono::seconds(5), [&] { return m_entries.size() >= count; });
        return m_entries;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<std::string> m_entries;
};

} // namespace

TEST(EventQueueTest, RunsPostedWorkTimersAndReadyDescriptorsOnItsThread)
{
    EventQueue queue(QStringLiteral("local.lumenpause.test-queue"));
    Journal journal;
    int pipeEnds[2];
    ASSERT_EQ(::pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK), 0);
    std::unique_ptr<EventQueue::Watch> watch;
    CancellableHandle once, repeating, cancelled;
    int repeats = 0;
    queue.post([&] {
        journal.add(queue.isCurrentThread() ? "first" : "first, elsewhere");
        watch = queue.watch(pipeEnds[0], POLLIN, [&](short) {
            char byte = 0;
            while (::read(pipeEnds[0], &byte, 1) > 0)
                journal.add(std::string("read ") + byte);
        });
        cancelled = queue.schedule(0.01, 0.0, false, [&] { journal.add("cancelled"); });
        cancelled.reset();
        once = queue.schedule(0.05, 0.0, false, [&] { journal.add("once"); });
        repeating = queue.schedule(0.02, 0.0, true, [&] {
            if (++repeats == 2) {
                repeating.reset();
                journal.add("repeated twice");
            }
        });
    });
    queue.post([&] { journal.add("second"); });
    EXPECT_EQ(journal.waitFor(2), (std::vector<std::string>{"first", "second"}));
    EXPECT_FALSE(queue.isCurrentThread());

    ASSERT_EQ(::write(pipeEnds[1], "x", 1), 1);
    std::vector<std::string> entries = journal.waitFor(5);
    // However late the thread wakes, timers run in the order of their moments.
    std::erase(entries, "read x");
    EXPECT_EQ(entries, (std::vector<std::string>{"first", "second", "repeated twice", "once"}));
    EXPECT_EQ(journal.waitFor(5).size(), 5u) << "the pipe was never read";
    queue.post([&] { watch.reset(); });
    EXPECT_TRUE(queue.shutdown(std::chrono::milliseconds(5000)));
    EXPECT_EQ(repeats, 2);
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
}

TEST(EventQueueTest, ShutdownRunsWhatWasPostedAndGivesUpOnAStuckBlockAtItsBound)
{
    {
        EventQueue queue(QStringLiteral("local.lumenpause.test-queue"));
        int ran = 0;
        for (int i = 0; i < 3; ++i)
            queue.post([&] { ++ran; });
        EXPECT_TRUE(queue.shutdown(std::chrono::milliseconds(5000)));
        EXPECT_EQ(ran, 3);
    }
    auto release = std::make_shared<std::promise<void>>();
    EventQueue stuck(QStringLiteral("local.lumenpause.test-queue"));
    stuck.post([gate = release->get_future().share()] { gate.wait(); });
    const auto before = std::chrono::steady_clock::now();
    EXPECT_FALSE(stuck.shutdown(std::chrono::milliseconds(100)));
    EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::seconds(2));
    // The thread left behind ends by itself once its block returns.
    release->set_value();
}

// Near the account's limit of processes the queue's thread cannot start: posting neither
// throws nor runs the work on the poster; one warning says what is missing, and the work
// runs, in order, once a later post can start the thread.
TEST(EventQueueTest, PostedWorkWaitsWhileNoThreadStartsAndRunsInOrderOnceOneDoes)
{
    LogCapture log;
    EventQueue queue(QStringLiteral("local.lumenpause.test-queue"));
    Journal journal;
    {
        ScopedThreadStartFailure noThreads;
        ASSERT_TRUE(noThreads.isActive());
        queue.post([&] { journal.add("first"); });
        queue.post([&] { journal.add("second"); });
    }
    EXPECT_EQ(log.messages(QStringLiteral("Threads")),
              QStringList{QStringLiteral("No thread could be started for the test-queue queue; "
                                         "its work waits until one can")});
    queue.post([&] { journal.add(queue.isCurrentThread() ? "third" : "third, elsewhere"); });
    EXPECT_EQ(journal.waitFor(3), (std::vector<std::string>{"first", "second", "third"}));
    EXPECT_TRUE(queue.shutdown(std::chrono::milliseconds(5000)));
}
