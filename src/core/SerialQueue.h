#pragma once

#include <QString>

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

// A labelled serial work queue: blocks run one after another, in the order they were
// handed in, on one background thread that starts with the first block. Callers of
// async() never wait for the work itself, except while no thread can be started: the
// caller then runs it.
class SerialQueue
{
public:
    explicit SerialQueue(QString label);
    ~SerialQueue();

    SerialQueue(const SerialQueue &) = delete;
    SerialQueue &operator=(const SerialQueue &) = delete;

    const QString &label() const { return m_label; }

    void async(std::function<void()> work);
    // Runs the block on the queue after everything handed in before it, and waits for it.
    void sync(const std::function<void()> &work);

private:
    // False when no thread could be started.
    bool startLocked();
    void drainHere(std::unique_lock<std::mutex> &lock);
    void run();

    QString m_label;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<std::function<void()>> m_pending;
    std::thread m_thread;
    bool m_stopping = false;
    bool m_drainingHere = false;
};
