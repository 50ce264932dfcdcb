#include "platform/linux/PulseMainloop.h"

#include "core/EventQueue.h"

#include <poll.h>
#include <sys/time.h>

#include <algorithm>
#include <list>

// The library's opaque event types are ours to define.
struct pa_io_event
{
    PulseMainloop::State *loop;
    int fd;
    pa_io_event_cb_t callback;
    void *userdata;
    pa_io_event_destroy_cb_t destroy = nullptr;
    std::unique_ptr<EventQueue::Watch> watch;
};

struct pa_time_event
{
    PulseMainloop::State *loop;
    pa_time_event_cb_t callback;
    void *userdata;
    pa_time_event_destroy_cb_t destroy = nullptr;
    CancellableHandle timer;
};

struct pa_defer_event
{
    PulseMainloop::State *loop;
    pa_defer_event_cb_t callback;
    void *userdata;
    pa_defer_event_destroy_cb_t destroy = nullptr;
    bool enabled = false;
    bool freed = false;
};

struct PulseMainloop::State
{
    EventQueue &queue;
    pa_mainloop_api *api = nullptr;
    std::list<pa_io_event *> ios;
    std::list<pa_time_event *> times;
    std::list<pa_defer_event *> defers;
    bool deferRunPosted = false;
    std::shared_ptr<bool> alive = std::make_shared<bool>(true);

    explicit State(EventQueue &q)
        : queue(q)
    {
    }

    void postDeferRun();
    void runDefers();
};

namespace {

// A time event's moment carries this bit in its microseconds when it is on the monotonic
// clock rather than the wall clock; the library sets it only for its own main loops.
constexpr long kMonotonicFlag = 1L << 30;

short pollEvents(pa_io_event_flags_t flags)
{
    return short(((flags & PA_IO_EVENT_INPUT) ? POLLIN : 0)
                 | ((flags & PA_IO_EVENT_OUTPUT) ? POLLOUT : 0));
}

pa_io_event_flags_t ioFlags(short events)
{
    return pa_io_event_flags_t(((events & POLLIN) ? PA_IO_EVENT_INPUT : 0)
                               | ((events & POLLOUT) ? PA_IO_EVENT_OUTPUT : 0)
                               | ((events & POLLHUP) ? PA_IO_EVENT_HANGUP : 0)
                               | ((events & (POLLERR | POLLNVAL)) ? PA_IO_EVENT_ERROR : 0));
}

double secondsUntil(const timeval *moment)
{
    timeval target = *moment;
    double now = EventQueue::monotonicSeconds();
    if (target.tv_usec & kMonotonicFlag) {
        target.tv_usec &= ~kMonotonicFlag;
    } else {
        timeval wall{};
        gettimeofday(&wall, nullptr);
        now = double(wall.tv_sec) + double(wall.tv_usec) / 1e6;
    }
    return std::max(0.0, double(target.tv_sec) + double(target.tv_usec) / 1e6 - now);
}

PulseMainloop::State *stateOf(pa_mainloop_api *api)
{
    return static_cast<PulseMainloop::State *>(api->userdata);
}

pa_io_event *ioNew(pa_mainloop_api *api, int fd, pa_io_event_flags_t events,
                   pa_io_event_cb_t callback, void *userdata)
{
    PulseMainloop::State *loop = stateOf(api);
    auto *event = new pa_io_event{loop, fd, callback, userdata, nullptr, nullptr};
    event->watch = loop->queue.watch(fd, pollEvents(events), [event](short ready) {
        // The callback may free the event; nothing of it is touched afterwards.
        event->callback(event->loop->api, event, event->fd, ioFlags(ready), event->userdata);
    });
    loop->ios.push_back(event);
    return event;
}

void ioEnable(pa_io_event *event, pa_io_event_flags_t events)
{
    event->watch->setEvents(pollEvents(events));
}

void ioFree(pa_io_event *event)
{
    event->loop->ios.remove(event);
    if (event->destroy)
        event->destroy(event->loop->api, event, event->userdata);
    delete event;
}

void ioSetDestroy(pa_io_event *event, pa_io_event_destroy_cb_t destroy)
{
    event->destroy = destroy;
}

void timeRestart(pa_time_event *event, const timeval *moment)
{
    event->timer.reset();
    if (!moment)
        return;
    event->timer = event->loop->queue.schedule(secondsUntil(moment), 0.0, false, [event] {
        timeval now{};
        gettimeofday(&now, nullptr);
        event->callback(event->loop->api, event, &now, event->userdata);
    });
}

pa_time_event *timeNew(pa_mainloop_api *api, const timeval *moment, pa_time_event_cb_t callback,
                       void *userdata)
{
    PulseMainloop::State *loop = stateOf(api);
    auto *event = new pa_time_event{loop, callback, userdata, nullptr, nullptr};
    loop->times.push_back(event);
    timeRestart(event, moment);
    return event;
}

void timeFree(pa_time_event *event)
{
    event->loop->times.remove(event);
    if (event->destroy)
        event->destroy(event->loop->api, event, event->userdata);
    delete event;
}

void timeSetDestroy(pa_time_event *event, pa_time_event_destroy_cb_t destroy)
{
    event->destroy = destroy;
}

void deferEnable(pa_defer_event *event, int enable)
{
    event->enabled = enable != 0;
    if (event->enabled)
        event->loop->postDeferRun();
}

pa_defer_event *deferNew(pa_mainloop_api *api, pa_defer_event_cb_t callback, void *userdata)
{
    PulseMainloop::State *loop = stateOf(api);
    auto *event = new pa_defer_event{loop, callback, userdata, nullptr, false, false};
    loop->defers.push_back(event);
    deferEnable(event, 1);
    return event;
}

// Freed only between runs, as a deferred event may free itself, or another, while they run.
void deferFree(pa_defer_event *event)
{
    event->enabled = false;
    event->freed = true;
    if (event->destroy)
        event->destroy(event->loop->api, event, event->userdata);
    event->loop->postDeferRun();
}

void deferSetDestroy(pa_defer_event *event, pa_defer_event_destroy_cb_t destroy)
{
    event->destroy = destroy;
}

void quit(pa_mainloop_api *, int)
{
    // The queue runs for other work too; the library never needs it to stop.
}

} // namespace

// Enabled deferred events run on every turn of the loop, so the queue does not sleep while
// one is enabled: each run posts the next.
void PulseMainloop::State::postDeferRun()
{
    if (deferRunPosted)
        return;
    deferRunPosted = true;
    queue.post([this, weak = std::weak_ptr<bool>(alive)] {
        if (weak.lock())
            runDefers();
    });
}

void PulseMainloop::State::runDefers()
{
    deferRunPosted = false;
    const std::list<pa_defer_event *> snapshot = defers;
    for (pa_defer_event *event : snapshot) {
        if (event->enabled && !event->freed)
            event->callback(api, event, event->userdata);
    }
    bool anyEnabled = false;
    for (auto it = defers.begin(); it != defers.end();) {
        if ((*it)->freed) {
            delete *it;
            it = defers.erase(it);
        } else {
            anyEnabled = anyEnabled || (*it)->enabled;
            ++it;
        }
    }
    if (anyEnabled)
        postDeferRun();
}

PulseMainloop::PulseMainloop(EventQueue &queue)
    : m_state(std::make_unique<State>(queue))
{
    m_state->api = &m_api;
    m_api.userdata = m_state.get();
    m_api.io_new = ioNew;
    m_api.io_enable = ioEnable;
    m_api.io_free = ioFree;
    m_api.io_set_destroy = ioSetDestroy;
    m_api.time_new = timeNew;
    m_api.time_restart = timeRestart;
    m_api.time_free = timeFree;
    m_api.time_set_destroy = timeSetDestroy;
    m_api.defer_new = deferNew;
    m_api.defer_enable = deferEnable;
    m_api.defer_free = deferFree;
    m_api.defer_set_destroy = deferSetDestroy;
    m_api.quit = quit;
}

PulseMainloop::~PulseMainloop()
{
    while (!m_state->ios.empty())
        ioFree(m_state->ios.front());
    while (!m_state->times.empty())
        timeFree(m_state->times.front());
    for (pa_defer_event *event : m_state->defers) {
        if (!event->freed && event->destroy)
            event->destroy(&m_api, event, event->userdata);
        delete event;
    }
}
