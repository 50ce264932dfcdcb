#include "platform/linux/X11FloatingWindowSupport.h"

#include "platform/linux/XcbConnection.h"

#include <QWidget>

#include <xcb/shape.h>

namespace {

// The desktop number that stands for "every desktop".
constexpr uint32_t kAllDesktops = 0xFFFFFFFF;

// The index of the connection's screen among the server's screens: the compositor
// selection is named after it.
int screenIndex(const XcbConnection &connection)
{
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection.get()));
    for (int index = 0; screens.rem > 0; ++index, xcb_screen_next(&screens)) {
        if (screens.data->root == connection.root())
            return index;
    }
    return 0;
}

} // namespace

std::unique_ptr<X11FloatingWindowSupport> X11FloatingWindowSupport::open(const QByteArray &displayName,
                                                                         QString *failure)
{
    std::unique_ptr<XcbConnection> connection = XcbConnection::open(displayName);
    if (!connection) {
        if (failure)
            *failure = QStringLiteral("cannot open display");
        return nullptr;
    }
    return std::unique_ptr<X11FloatingWindowSupport>(
        new X11FloatingWindowSupport(std::move(connection)));
}

X11FloatingWindowSupport::X11FloatingWindowSupport(std::unique_ptr<XcbConnection> connection)
    : m_connection(std::move(connection))
{
    m_compositorSelection =
        internAtom("_NET_WM_CM_S" + QByteArray::number(screenIndex(*m_connection)));
    m_desktopProperty = internAtom("_NET_WM_DESKTOP");
    // A request of an extension the server lacks would close the connection.
    m_hasShape = m_connection->hasExtension(&xcb_shape_id);
}

X11FloatingWindowSupport::~X11FloatingWindowSupport() = default;

xcb_atom_t X11FloatingWindowSupport::internAtom(const QByteArray &name) const
{
    xcb_connection_t *connection = m_connection->get();
    const XcbReply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, uint16_t(name.size()), name.constData()),
        nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

bool X11FloatingWindowSupport::isCompositing() const
{
    if (m_compositorSelection == XCB_ATOM_NONE || m_connection->hasError())
        return false;
    xcb_connection_t *connection = m_connection->get();
    const XcbReply<xcb_get_selection_owner_reply_t> reply(xcb_get_selection_owner_reply(
        connection, xcb_get_selection_owner(connection, m_compositorSelection), nullptr));
    m_connection->discardEvents();
    return reply && reply->owner != XCB_WINDOW_NONE;
}

void X11FloatingWindowSupport::showOnAllWorkspaces(QWidget *window) const
{
    if (m_desktopProperty == XCB_ATOM_NONE || m_connection->hasError())
        return;
    // The window manager reads the hint when the window is first mapped. The toolkit maps
    // it over its own connection, so the hint must have reached the server before this
    // returns: the checked request waits for its answer.
    const auto id = xcb_window_t(window->winId());
    const XcbReply<xcb_generic_error_t> error(xcb_request_check(
        m_connection->get(),
        xcb_change_property_checked(m_connection->get(), XCB_PROP_MODE_REPLACE, id,
                                    m_desktopProperty, XCB_ATOM_CARDINAL, 32, 1, &kAllDesktops)));
}

xcb_window_t X11FloatingWindowSupport::frameOf(xcb_window_t window) const
{
    xcb_connection_t *connection = m_connection->get();
    const XcbReply<xcb_query_tree_reply_t> tree(
        xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr));
    if (!tree || tree->parent == tree->root)
        return XCB_WINDOW_NONE;
    return tree->parent;
}

void X11FloatingWindowSupport::letClicksThroughFrame(QWidget *window) const
{
    if (!m_hasShape || m_connection->hasError())
        return;
    xcb_connection_t *connection = m_connection->get();
    for (xcb_window_t frame = frameOf(xcb_window_t(window->winId())); frame != XCB_WINDOW_NONE;
         frame = frameOf(frame)) {
        // No rectangles: an empty input region.
        xcb_shape_rectangles(connection, XCB_SHAPE_SO_SET, XCB_SHAPE_SK_INPUT,
                             XCB_CLIP_ORDERING_UNSORTED, frame, 0, 0, 0, nullptr);
    }
    xcb_flush(connection);
}
