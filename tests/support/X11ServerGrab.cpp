#include "support/X11ServerGrab.h"

#include "platform/linux/XcbConnection.h"

#include <QtGlobal>

X11ServerGrab::X11ServerGrab(std::chrono::milliseconds longest)
    : m_connection(XcbConnection::open(qgetenv("DISPLAY")))
{
    if (!m_connection)
        return;
    xcb_grab_server(m_connection->get());
    // A round trip of our own makes sure the server holds the grab before anyone goes on.
    free(xcb_get_input_focus_reply(m_connection->get(), xcb_get_input_focus(m_connection->get()),
                                   nullptr));
    m_held = !m_connection->hasError();
    m_watchdog = std::thread([this, longest] {
        std::unique_lock lock(m_mutex);
        m_ended.wait_for(lock, longest, [this] { return m_ending; });
        release();
    });
}

X11ServerGrab::~X11ServerGrab()
{
    {
        std::lock_guard lock(m_mutex);
        m_ending = true;
    }
    m_ended.notify_all();
    if (m_watchdog.joinable())
        m_watchdog.join();
}

// xcb connections may be used from any thread.
void X11ServerGrab::release()
{
    xcb_ungrab_server(m_connection->get());
    xcb_flush(m_connection->get());
}
