#include "support/ForeignX11Window.h"

#include "platform/linux/XcbConnection.h"

ForeignX11Window::ForeignX11Window(const QRect &geometry)
    : m_connection(XcbConnection::open(qgetenv("DISPLAY")))
{
    if (!m_connection)
        return;
    xcb_connection_t *c = m_connection->get();
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    m_window = xcb_generate_id(c);
    const uint32_t values[] = {screen->white_pixel, 1};
    xcb_create_window(c, XCB_COPY_FROM_PARENT, m_window, m_connection->root(),
                      int16_t(geometry.x()), int16_t(geometry.y()), uint16_t(geometry.width()),
                      uint16_t(geometry.height()), 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
                      XCB_COPY_FROM_PARENT, XCB_CW_BACK_PIXEL | XCB_CW_OVERRIDE_REDIRECT, values);
    sync();
}

ForeignX11Window::~ForeignX11Window()
{
    if (!isOpen())
        return;
    xcb_destroy_window(m_connection->get(), m_window);
    sync();
}

void ForeignX11Window::map()
{
    xcb_map_window(m_connection->get(), m_window);
    sync();
}

void ForeignX11Window::raise()
{
    const uint32_t above = XCB_STACK_MODE_ABOVE;
    xcb_configure_window(m_connection->get(), m_window, XCB_CONFIG_WINDOW_STACK_MODE, &above);
    sync();
}

// A round trip: every request before it has been carried out.
void ForeignX11Window::sync() const
{
    xcb_connection_t *c = m_connection->get();
    const XcbReply<xcb_get_input_focus_reply_t> reply(
        xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
}
