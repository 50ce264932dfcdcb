#pragma once

#include <pulse/mainloop-api.h>

#include <memory>

class EventQueue;

// The sound client library's main-loop interface served by an EventQueue, so that its
// socket and timers wake the queue's thread like everything else there. Made, used and
// destroyed on the queue.
class PulseMainloop
{
public:
    explicit PulseMainloop(EventQueue &queue);
    // Frees whatever the library left behind; its context must be gone by then.
    ~PulseMainloop();
    PulseMainloop(const PulseMainloop &) = delete;
    PulseMainloop &operator=(const PulseMainloop &) = delete;

    pa_mainloop_api *api() { return &m_api; }

    struct State;

private:
    pa_mainloop_api m_api{};
    std::unique_ptr<State> m_state;
};
