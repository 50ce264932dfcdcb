#include "core/SerialQueue.h"

#include <pthread.h>

#include <future>

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
    {
        std::lock_guard lock(m_mutex);
        startLocked();
        m_pending.push_back(std::move(work));
    }
    m_wake.notify_one();
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

void SerialQueue::startLocked()
{
    if (m_thread.joinable())
        return;
    m_thread = std::thread([this] { run(); });
    // Thread names are limited to 15 bytes: keep the label's last component.
    const QByteArray name = m_label.section(QLatin1Char('.'), -1).left(15).toUtf8();
    pthread_setname_np(m_thread.native_handle(), name.constData());
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
