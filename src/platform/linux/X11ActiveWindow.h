#pragma once

#include "core/EventQueue.h"

#include <QByteArray>
#include <QString>

#include <xcb/xcb.h>

#include <functional>
#include <memory>
#include <optional>

class XcbConnection;

// Which process owns the active window, over an X connection of the signal queue's own.
// The connection listens for the root window's property changes, so the queue wakes only
// when windows change, and asks the server again only when the active window is another
// one. The owner is the client the X server knows the window's maker by (the X-Resource
// extension), else the pid the window states about itself. Made, used and destroyed on
// the queue.
class X11ActiveWindow
{
public:
    // Null, with the reason in failure, when the display does not open. `changed` runs when
    // the active window's process changes or the connection is lost.
    static std::unique_ptr<X11ActiveWindow> open(EventQueue &queue, const QByteArray &displayName,
                                                 std::function<void()> changed,
                                                 QString *failure = nullptr);
    ~X11ActiveWindow();
    X11ActiveWindow(const X11ActiveWindow &) = delete;
    X11ActiveWindow &operator=(const X11ActiveWindow &) = delete;

    // As last heard; none without an active window, or when its owner is not known.
    std::optional<int> activeProcessId() const { return m_activeProcessId; }
    // One or two round trips.
    std::optional<int> processOfWindow(xcb_window_t window) const;

private:
    X11ActiveWindow(std::unique_ptr<XcbConnection> connection, std::function<void()> changed);

    xcb_atom_t atom(const char *name) const;
    bool hasClientIds() const;
    void takeEvents();
    bool takeQueuedEvents(bool fromSocket);
    void readActiveWindow();
    std::optional<int> clientProcess(xcb_window_t window) const;
    std::optional<int> statedProcess(xcb_window_t window) const;
    void loseConnection();

    std::unique_ptr<XcbConnection> m_connection;
    std::function<void()> m_changed;
    std::unique_ptr<EventQueue::Watch> m_watch;
    xcb_atom_t m_activeWindowAtom = XCB_ATOM_NONE;
    xcb_atom_t m_processIdAtom = XCB_ATOM_NONE;
    bool m_clientIds = false;
    xcb_window_t m_activeWindow = XCB_WINDOW_NONE;
    std::optional<int> m_activeProcessId;
};
