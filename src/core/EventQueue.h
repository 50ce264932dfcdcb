#pragma once

#include "core/Executor.h"

#include <QString>

#include <atomic>
#include <chrono>
#include <memory>

// A labelled serial queue whose one thread sleeps until something is due: posted work, a
// timer, or a watched file descriptor becoming ready. Nothing runs periodically unless a
// timer asks for it, so an idle queue costs no wake-ups. The thread starts with the first
// block posted to it; while none can be started, posted work waits for a later post's start.
class EventQueue : public Executor
{
public:
    // Watches one file descriptor until it is destroyed (on the queue).
    class Watch
    {
    public:
        virtual ~Watch() = default;
        // poll() events (POLLIN, POLLOUT); 0 pauses the watch.
        virtual void setEvents(short events) = 0;
    };

    explicit EventQueue(QString label);
    // Waits for the thread to end, however long the work still posted takes.
    ~EventQueue() override;
    EventQueue(const EventQueue &) = delete;
    EventQueue &operator=(const EventQueue &) = delete;

    const QString &label() const { return m_label; }

    void post(std::function<void()> work) override;
    CancellableHandle schedule(double delaySeconds, double leewaySeconds, bool repeats,
                               std::function<void()> work) override;
    // On the queue. The handler runs on the queue with the events that occurred (POLLHUP and
    // POLLERR included, which are reported whatever was asked).
    std::unique_ptr<Watch> watch(int fileDescriptor, short events,
                                 std::function<void(short events)> handler);

    bool isCurrentThread() const;
    // Runs the work posted before the call, then ends the thread. Waits at most `bound`;
    // false when the thread had not ended by then, and it is left to end with the process.
    bool shutdown(std::chrono::milliseconds bound);

    // The time the queue's timers run on, in seconds: monotonic, with an arbitrary origin.
    static double monotonicSeconds();

    struct State;

private:
    // False when no thread could be started.
    bool startLocked();

    QString m_label;
    std::shared_ptr<State> m_state;
    std::atomic<bool> m_reportedNoThread{false};
};
