#include "core/EventQueue.h"

#include "core/Logger.h"

#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>
#include <vector>

namespace {

using Work = std::shared_ptr<std::function<void()>>;

struct Timer
{
    quint64 id;
    double deadline;
    double interval;
    double leeway;
    bool repeats;
    Work work;
};

struct FileWatch
{
    quint64 id;
    int fileDescriptor;
    short events;
    std::shared_ptr<std::function<void(short)>> handler;
};

timespec timeoutFor(double seconds)
{
    seconds = std::max(0.0, seconds);
    timespec timeout{};
    timeout.tv_sec = time_t(seconds);
    timeout.tv_nsec = long((seconds - double(timeout.tv_sec)) * 1e9);
    return timeout;
}

} // namespace

// Shared by the queue, its thread and the handles it gives out, so that a handle outliving
// the queue, or a thread left running at exit, never reaches freed memory.
struct EventQueue::State
{
    std::mutex mutex;
    std::condition_variable ended;
    std::deque<std::function<void()>> posted;
    std::vector<Timer> timers;
    std::vector<FileWatch> watches;
    quint64 nextId = 1;
    int wakeRead = -1;
    int wakeWrite = -1;
    bool wakePending = false;
    bool stopping = false;
    bool threadEnded = false;
    std::thread thread;
    std::thread::id threadId;

    ~State()
    {
        ::close(wakeRead);
        ::close(wakeWrite);
    }

    // Under the lock. Writing from the queue's own thread is never needed: it looks at
    // the posted work before it sleeps again.
    void wakeLocked()
    {
        if (wakePending || std::this_thread::get_id() == threadId)
            return;
        wakePending = true;
        const char byte = 1;
        [[maybe_unused]] const ssize_t written = ::write(wakeWrite, &byte, 1);
    }

    void drainWake()
    {
        char buffer[64];
        while (::read(wakeRead, buffer, sizeof buffer) > 0) {
        }
        std::lock_guard lock(mutex);
        wakePending = false;
    }

    // Runs everything posted so far; true when something ran.
    bool runPosted()
    {
        std::deque<std::function<void()>> batch;
        {
            std::lock_guard lock(mutex);
            batch.swap(posted);
        }
        for (auto &work : batch)
            work();
        return !batch.empty();
    }

    // A timer is due at its deadline, or up to its leeway earlier when the thread is awake
    // anyway, which spares a wake-up of its own.
    void runDueTimers()
    {
        for (;;) {
            Work work;
            {
                std::lock_guard lock(mutex);
                // The earliest first, so that a late wake-up keeps the timers' order.
                const double now = monotonicSeconds();
                auto due = timers.end();
                for (auto t = timers.begin(); t != timers.end(); ++t) {
                    if (t->deadline - t->leeway <= now
                        && (due == timers.end() || t->deadline < due->deadline))
                        due = t;
                }
                if (due == timers.end())
                    return;
                work = due->work;
                if (due->repeats) {
                    due->deadline += due->interval;
                    if (due->deadline <= now)
                        due->deadline = now + due->interval;
                } else {
                    timers.erase(due);
                }
            }
            (*work)();
        }
    }

    void dispatch(const std::vector<pollfd> &ready, const std::vector<quint64> &ids)
    {
        for (size_t i = 1; i < ready.size(); ++i) {
            if (ready[i].revents == 0)
                continue;
            std::shared_ptr<std::function<void(short)>> handler;
            {
                std::lock_guard lock(mutex);
                const auto found = std::find_if(watches.begin(), watches.end(),
                                                [&](const FileWatch &w) { return w.id == ids[i]; });
                if (found != watches.end())
                    handler = found->handler;
            }
            if (handler)
                (*handler)(ready[i].revents);
        }
    }

    // Sleeps until a watched descriptor is ready, the earliest timer is due or work is
    // posted; false once the queue stops with nothing left to run.
    bool sleep(std::vector<pollfd> &fds, std::vector<quint64> &ids)
    {
        fds.assign(1, pollfd{wakeRead, POLLIN, 0});
        ids.assign(1, 0);
        std::optional<double> earliest;
        {
            std::lock_guard lock(mutex);
            if (!posted.empty())
                return true;
            if (stopping)
                return false;
            for (const FileWatch &w : watches) {
                if (w.events != 0) {
                    fds.push_back(pollfd{w.fileDescriptor, w.events, 0});
                    ids.push_back(w.id);
                }
            }
            for (const Timer &t : timers)
                earliest = std::min(earliest.value_or(t.deadline), t.deadline);
        }
        timespec timeout{};
        if (earliest)
            timeout = timeoutFor(*earliest - monotonicSeconds());
        if (::ppoll(fds.data(), fds.size(), earliest ? &timeout : nullptr, nullptr) < 0) {
            for (pollfd &fd : fds)
                fd.revents = 0;
        }
        if (fds[0].revents != 0)
            drainWake();
        return true;
    }

    void run()
    {
        std::vector<pollfd> fds;
        std::vector<quint64> ids;
        for (;;) {
            runPosted();
            runDueTimers();
            if (!sleep(fds, ids))
                break;
            dispatch(fds, ids);
        }
        std::lock_guard lock(mutex);
        threadEnded = true;
        ended.notify_all();
    }
};

namespace {

class TimerHandle : public Cancellable
{
public:
    TimerHandle(std::weak_ptr<EventQueue::State> state, quint64 id)
        : m_state(std::move(state))
        , m_id(id)
    {
    }
    ~TimerHandle() override { cancel(); }

    void cancel() override
    {
        if (auto state = std::exchange(m_state, {}).lock()) {
            std::lock_guard lock(state->mutex);
            std::erase_if(state->timers, [&](const Timer &t) { return t.id == m_id; });
        }
    }

private:
    std::weak_ptr<EventQueue::State> m_state;
    quint64 m_id;
};

class WatchHandle : public EventQueue::Watch
{
public:
    WatchHandle(std::weak_ptr<EventQueue::State> state, quint64 id)
        : m_state(std::move(state))
        , m_id(id)
    {
    }
    ~WatchHandle() override
    {
        if (auto state = m_state.lock()) {
            std::lock_guard lock(state->mutex);
            std::erase_if(state->watches, [&](const FileWatch &w) { return w.id == m_id; });
        }
    }

    void setEvents(short events) override
    {
        if (auto state = m_state.lock()) {
            std::lock_guard lock(state->mutex);
            for (FileWatch &w : state->watches) {
                if (w.id == m_id)
                    w.events = events;
            }
        }
    }

private:
    std::weak_ptr<EventQueue::State> m_state;
    quint64 m_id;
};

} // namespace

EventQueue::EventQueue(QString label)
    : m_label(std::move(label))
    , m_state(std::make_shared<State>())
{
    int pipe[2] = {-1, -1};
    if (::pipe2(pipe, O_CLOEXEC | O_NONBLOCK) == 0) {
        m_state->wakeRead = pipe[0];
        m_state->wakeWrite = pipe[1];
    }
}

EventQueue::~EventQueue()
{
    shutdown(std::chrono::milliseconds::max());
}

void EventQueue::post(std::function<void()> work)
{
    bool started = true;
    {
        std::lock_guard lock(m_state->mutex);
        if (!m_state->thread.joinable() && !m_state->stopping)
            started = startLocked();
        m_state->posted.push_back(std::move(work));
        m_state->wakeLocked();
    }
    if (!started && !m_reportedNoThread.exchange(true)) {
        logWarn(QStringLiteral("Threads"),
                QStringLiteral("No thread could be started for the %1 queue; its work waits "
                               "until one can")
                    .arg(m_label.section(QLatin1Char('.'), -1)));
    }
}

// Where no thread can be started (the process is at its limit of threads or of address
// space), the work stays posted, and the next post tries again: the facility the queue serves
// is missing meanwhile, the process carries on.
bool EventQueue::startLocked()
{
    try {
        m_state->thread = std::thread([state = m_state] { state->run(); });
    } catch (const std::system_error &) {
        return false;
    }
    m_state->threadId = m_state->thread.get_id();
    // Thread names are limited to 15 bytes: keep the label's last component.
    const QByteArray name = m_label.section(QLatin1Char('.'), -1).left(15).toUtf8();
    pthread_setname_np(m_state->thread.native_handle(), name.constData());
    return true;
}

CancellableHandle EventQueue::schedule(double delaySeconds, double leewaySeconds, bool repeats,
                                       std::function<void()> work)
{
    std::lock_guard lock(m_state->mutex);
    const quint64 id = m_state->nextId++;
    m_state->timers.push_back(Timer{id, monotonicSeconds() + delaySeconds, delaySeconds,
                                    leewaySeconds, repeats && delaySeconds > 0,
                                    std::make_shared<std::function<void()>>(std::move(work))});
    m_state->wakeLocked();
    return std::make_unique<TimerHandle>(m_state, id);
}

std::unique_ptr<EventQueue::Watch> EventQueue::watch(int fileDescriptor, short events,
                                                     std::function<void(short)> handler)
{
    std::lock_guard lock(m_state->mutex);
    const quint64 id = m_state->nextId++;
    m_state->watches.push_back(
        FileWatch{id, fileDescriptor, events,
                  std::make_shared<std::function<void(short)>>(std::move(handler))});
    m_state->wakeLocked();
    return std::make_unique<WatchHandle>(m_state, id);
}

bool EventQueue::isCurrentThread() const
{
    std::lock_guard lock(m_state->mutex);
    return m_state->thread.joinable() && std::this_thread::get_id() == m_state->threadId;
}

bool EventQueue::shutdown(std::chrono::milliseconds bound)
{
    std::unique_lock lock(m_state->mutex);
    m_state->stopping = true;
    if (!m_state->thread.joinable())
        return true;
    // The thread cannot wait for itself; it ends once the current work returns.
    if (std::this_thread::get_id() == m_state->threadId)
        return false;
    m_state->wakeLocked();
    const auto hasEnded = [&] { return m_state->threadEnded; };
    bool ended = true;
    if (bound == std::chrono::milliseconds::max())
        m_state->ended.wait(lock, hasEnded);
    else
        ended = m_state->ended.wait_for(lock, bound, hasEnded);
    std::thread thread = std::move(m_state->thread);
    lock.unlock();
    if (ended)
        thread.join();
    else
        thread.detach();
    return ended;
}

double EventQueue::monotonicSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}
