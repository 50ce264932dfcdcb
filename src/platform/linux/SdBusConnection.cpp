#include "platform/linux/SdBusConnection.h"

#include <poll.h>

#include <cstring>

std::unique_ptr<SdBusConnection> SdBusConnection::open(EventQueue &queue, Bus bus,
                                                       QString *failure)
{
    sd_bus *connection = nullptr;
    const int result = bus == Bus::system ? sd_bus_open_system(&connection)
                                          : sd_bus_open_user(&connection);
    if (result < 0) {
        if (failure)
            *failure = QString::fromUtf8(std::strerror(-result));
        return nullptr;
    }
    return std::unique_ptr<SdBusConnection>(new SdBusConnection(queue, connection));
}

SdBusConnection::SdBusConnection(EventQueue &queue, sd_bus *bus)
    : m_queue(queue)
    , m_bus(bus)
{
    m_watch = m_queue.watch(sd_bus_get_fd(m_bus), POLLIN, [this](short) { process(); });
    rearm();
}

SdBusConnection::~SdBusConnection()
{
    m_watch.reset();
    m_deadline.reset();
    sd_bus_flush_close_unref(m_bus);
}

void SdBusConnection::process()
{
    int result = 0;
    while ((result = sd_bus_process(m_bus, nullptr)) > 0) {
    }
    // A connection the bus dropped stays quiet: its calls have failed, and no new ones are
    // answered; whoever uses it reads as having no answers.
    if (result < 0) {
        m_broken = true;
        m_watch.reset();
        m_deadline.reset();
        return;
    }
    rearm();
}

void SdBusConnection::rearm()
{
    if (m_broken)
        return;
    const int events = sd_bus_get_events(m_bus);
    if (events >= 0)
        m_watch->setEvents(short(events));
    uint64_t deadline = UINT64_MAX;
    if (sd_bus_get_timeout(m_bus, &deadline) < 0)
        deadline = UINT64_MAX;
    if (deadline == m_deadlineUsec && m_deadline)
        return;
    m_deadlineUsec = deadline;
    m_deadline.reset();
    if (deadline == UINT64_MAX)
        return;
    // The deadline is on the monotonic clock, as the queue's timers are.
    const double delay = double(deadline) / 1e6 - EventQueue::monotonicSeconds();
    m_deadline = m_queue.schedule(std::max(0.0, delay), 0.0, false, [this] {
        m_deadline.reset();
        process();
    });
}
