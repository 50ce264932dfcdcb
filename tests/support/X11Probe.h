#pragma once

#include <QByteArray>
#include <QList>
#include <QRect>
#include <QString>

#include <xcb/xproto.h>

#include <memory>

class XcbConnection;

// Looks at the test X server as the user's eye would, over a connection of its own: which
// window has the keyboard, which window is on top at a point, where windows are, and whether
// the keyboard is free to be grabbed by another client.
class X11Probe
{
public:
    X11Probe();
    ~X11Probe();

    bool isOpen() const { return m_connection != nullptr; }

    xcb_window_t focusedWindow() const;
    // The top-level (a child of the root) that is highest in the stacking order among the
    // viewable ones containing the point; none when the root shows there.
    xcb_window_t topmostWindowAt(const QPoint &point) const;
    // In root coordinates; empty when the window is gone.
    QRect geometry(xcb_window_t window) const;
    bool isViewable(xcb_window_t window) const;
    // Viewable top-levels whose title (WM_NAME) is exactly `title`.
    QList<xcb_window_t> viewableWindowsTitled(const QString &title) const;
    // Grabs the whole keyboard and lets go at once; false when another client holds it.
    bool keyboardIsFree() const;
    // The window manager's frame around a client (or the window itself when unmanaged).
    xcb_window_t frameOf(xcb_window_t client) const;
    // Viewable windows anywhere in the tree whose instance name (WM_CLASS) is `name`.
    QList<xcb_window_t> viewableClients(const QString &name) const;
    // The virtual desktop the window manager shows; -1 when it does not say.
    int currentDesktop() const;
    // Sets _NET_WM_WINDOW_TYPE before the window is first mapped; false when refused.
    bool setWindowType(xcb_window_t window, const QByteArray &type) const;

private:
    QList<xcb_window_t> children(xcb_window_t window) const;
    QList<xcb_window_t> topLevels() const;
    QByteArray property(xcb_window_t window, xcb_atom_t property) const;
    QString title(xcb_window_t window) const;
    xcb_atom_t atom(const QByteArray &name) const;

    std::unique_ptr<XcbConnection> m_connection;
};

// Two monitors side by side on the test X server's one screen, each 1280 x 800, the left
// one the primary; removed again when the object goes, however the test ends. The toolkit
// sees them as two screens once isReady() answers true.
class TwoMonitors
{
public:
    static constexpr QRect left{0, 0, 1280, 800};
    static constexpr QRect right{1280, 0, 1280, 800};

    TwoMonitors();
    ~TwoMonitors();

    // The failure while setting them up; empty when they are up.
    QString error() const { return m_error; }
    // Waits until the toolkit lists both.
    bool waitUntilSeen(int timeoutMs = 5000) const;
    // Unplugs and plugs back the right-hand monitor.
    QString removeRight();
    QString addRight();

private:
    QString m_error;
};
