#pragma once

#include <QString>

#include "core/Cancellable.h"
#include "core/EventQueue.h"

#include <systemd/sd-bus.h>

#include <functional>
#include <memory>

// A D-Bus connection of the signal queue's own, served by the queue: its socket and its
// reply deadlines wake the queue's thread, and every call is asynchronous, so the thread
// never waits on a service. Made, used and destroyed on the queue.
class SdBusConnection
{
public:
    enum class Bus { system, session };

    // Null, with the reason in failure, when the bus cannot be reached.
    static std::unique_ptr<SdBusConnection> open(EventQueue &queue, Bus bus,
                                                 QString *failure = nullptr);
    ~SdBusConnection();
    SdBusConnection(const SdBusConnection &) = delete;
    SdBusConnection &operator=(const SdBusConnection &) = delete;

    sd_bus *get() const { return m_bus; }
    // After queueing a message outside a callback: lets the queue write it out.
    void flush() { rearm(); }

private:
    SdBusConnection(EventQueue &queue, sd_bus *bus);

    void process();
    void rearm();

    EventQueue &m_queue;
    sd_bus *m_bus;
    std::unique_ptr<EventQueue::Watch> m_watch;
    CancellableHandle m_deadline;
    uint64_t m_deadlineUsec = UINT64_MAX;
    bool m_broken = false;
};
