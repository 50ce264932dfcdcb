#include "platform/linux/XcbConnection.h"

std::unique_ptr<XcbConnection> XcbConnection::open(const QByteArray &displayName)
{
    int screenNumber = 0;
    xcb_connection_t *connection =
        xcb_connect(displayName.isEmpty() ? nullptr : displayName.constData(), &screenNumber);
    // xcb_connect never returns null; a failed connection still has to be freed.
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        return nullptr;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int index = 0; index < screenNumber && screens.rem > 0; ++index)
        xcb_screen_next(&screens);
    if (screens.rem == 0) {
        xcb_disconnect(connection);
        return nullptr;
    }
    return std::unique_ptr<XcbConnection>(new XcbConnection(connection, screens.data->root));
}

XcbConnection::XcbConnection(xcb_connection_t *connection, xcb_window_t root)
    : m_connection(connection)
    , m_root(root)
{
}

XcbConnection::~XcbConnection()
{
    xcb_disconnect(m_connection);
}

bool XcbConnection::hasExtension(xcb_extension_t *extension) const
{
    const xcb_query_extension_reply_t *data = xcb_get_extension_data(m_connection, extension);
    return data && data->present;
}

uint8_t XcbConnection::majorOpcode(xcb_extension_t *extension) const
{
    const xcb_query_extension_reply_t *data = xcb_get_extension_data(m_connection, extension);
    return data && data->present ? data->major_opcode : 0;
}

void XcbConnection::discardEvents() const
{
    while (XcbReply<xcb_generic_event_t>(xcb_poll_for_event(m_connection))) {
    }
}
