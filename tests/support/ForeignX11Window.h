#pragma once

#include <QRect>

#include <xcb/xproto.h>

#include <memory>

class XcbConnection;

// A top-level window of another X client that bypasses the window manager, as a
// notification bubble or a panel's popup does: made on a connection of its own, unmapped
// until asked, destroyed with the object.
class ForeignX11Window
{
public:
    explicit ForeignX11Window(const QRect &geometry);
    ~ForeignX11Window();

    bool isOpen() const { return m_window != XCB_WINDOW_NONE; }
    xcb_window_t id() const { return m_window; }
    // Each returns once the server has done it.
    void map();
    void raise();

private:
    void sync() const;

    std::unique_ptr<XcbConnection> m_connection;
    xcb_window_t m_window = XCB_WINDOW_NONE;
};
