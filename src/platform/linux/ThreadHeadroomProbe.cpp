#include "platform/linux/ThreadHeadroomProbe.h"

#include <dirent.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace {

// The threads of this process the kernel still knows: -1 without /proc.
int taskCount()
{
    DIR *tasks = ::opendir("/proc/self/task");
    if (!tasks)
        return -1;
    int count = 0;
    while (const dirent *entry = ::readdir(tasks)) {
        if (entry->d_name[0] != '.')
            ++count;
    }
    ::closedir(tasks);
    return count;
}

// Keeps every started thread alive until the last has been started, so that all of them
// are counted at once.
class Gate
{
public:
    void wait()
    {
        std::unique_lock lock(m_mutex);
        m_opened.wait(lock, [this] { return m_open; });
    }
    void open()
    {
        {
            std::lock_guard lock(m_mutex);
            m_open = true;
        }
        m_opened.notify_all();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_opened;
    bool m_open = false;
};

} // namespace

bool ThreadHeadroomProbe::canHold(int threads)
{
    const int before = taskCount();
    Gate gate;
    std::vector<std::thread> held;
    held.reserve(size_t(threads));
    try {
        while (int(held.size()) < threads)
            held.emplace_back([&gate] { gate.wait(); });
    } catch (const std::system_error &) {
        // At the limit: the threads started so far show how far short it falls.
    }
    const bool all = int(held.size()) == threads;
    gate.open();
    for (std::thread &thread : held)
        thread.join();
    if (all)
        waitUntilReleased(before);
    return all;
}

// A joined thread still counts against the account's limit of processes until the kernel
// has finished with it, a moment after join() returns; a thread started in that moment would
// fail for want of the very slot just given up.
void ThreadHeadroomProbe::waitUntilReleased(int countBefore)
{
    if (countBefore < 0)
        return;
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(releaseTimeoutMs);
    while (taskCount() > countBefore && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::microseconds(200));
}

QString ThreadHeadroomProbe::missingThreadsMessage(int threads)
{
    return QStringLiteral("Lumenpause cannot start the %1 threads it needs: the account is at its "
                          "limit of processes (ulimit -u) or of memory (ulimit -v)")
        .arg(threads);
}
