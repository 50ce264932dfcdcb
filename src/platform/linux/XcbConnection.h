#pragma once

#include <QByteArray>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

// Replies and events from xcb are malloc'ed and freed by the receiver.
struct XcbFree
{
    void operator()(void *pointer) const { std::free(pointer); }
};
template <typename T>
using XcbReply = std::unique_ptr<T, XcbFree>;

// A private connection to an X server of the readings' own, apart from the toolkit's: it
// works whatever window system the toolkit draws on, and a reading's round trip never
// consumes events meant for the toolkit.
class XcbConnection
{
public:
    // Null when the display does not open. An empty name means $DISPLAY.
    static std::unique_ptr<XcbConnection> open(const QByteArray &displayName);
    ~XcbConnection();
    XcbConnection(const XcbConnection &) = delete;
    XcbConnection &operator=(const XcbConnection &) = delete;

    xcb_connection_t *get() const { return m_connection; }
    // The root window of the display's default screen.
    xcb_window_t root() const { return m_root; }
    int fileDescriptor() const { return xcb_get_file_descriptor(m_connection); }
    bool hasError() const { return xcb_connection_has_error(m_connection) != 0; }

    // A request of an extension the server lacks closes the connection, so every request
    // of an optional extension is guarded by this.
    bool hasExtension(xcb_extension_t *extension) const;
    // The major opcode that events of the extension carry; 0 when it is absent.
    uint8_t majorOpcode(xcb_extension_t *extension) const;
    // Events every client receives unasked (keyboard mapping changes) would otherwise
    // pile up in the queue of a connection that never reads events.
    void discardEvents() const;

private:
    XcbConnection(xcb_connection_t *connection, xcb_window_t root);

    xcb_connection_t *m_connection;
    xcb_window_t m_root;
};
