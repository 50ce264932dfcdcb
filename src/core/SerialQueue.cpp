#include "core/SerialQueue.h"

#include <pthread.h>

#include <future>
#include <system_error>

SerialQueue::SerialQueue(QString label)
    : m_label(std::move(label))
{
}

SerialQueue::~SerialQueue()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_one();
    if (m_thread.joinable())
        m_thread.join();
}

void SerialQueue::async(std::function<void()> work)
{
    std::unique_lock lock(m_mutex);
    m_pending.push_back(std::move(work));
    if (m_drainingHere || !startLocked()) {
        drainHere(lock);
        return;
    }
    lock.unlock();
    m_wake.notify_one();
}

// Where no thread can be started (the process is at its limit of threads or of address
// space), the caller runs the blocks, in order and one at a time: a caller that finds
// another one at it leaves its block to that one. Nothing is lost, and the process does not
// end over a queue.
void SerialQueue::drainHere(std::unique_lock<std::mutex> &lock)
{
    if (m_drainingHere)
        return;
    m_drainingHere = true;
    while (!m_pending.empty()) {
        auto next = std::move(m_pending.front());
        m_pending.pop_front();
        lock.unlock();
        next();
        lock.lock();
    }
    m_drainingHere = false;
}

void SerialQueue::sync(const std::function<void()> &work)
{
    std::promise<void> done;
    async([&] {
        work();
        done.set_value();
    });
    done.get_future().wait();
}

bool SerialQueue::startLocked()
{
    if (m_thread.joinable())
        return true;
    try {
        m_thread = std::thread([this] { run(); });
    } catch (const std::system_error &) {
        return false;
    }
    // Thread names are limited to 15 bytes: keep the label's last component.
    const QByteArray name = m_label.section(QLatin1Char('.'), -1).left(15).toUtf8();
    pthread_setname_np(m_thread.native_handle(), name.constData());
    return true;
}

void SerialQueue::run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_stopping || !m_pending.empty(); });
        if (m_pending.empty())
            return; // stopping, and everything handed in has run
        auto work = std::move(m_pending.front());
        m_pending.pop_front();
        lock.unlock();
        work();
        lock.lock();
    }
}
