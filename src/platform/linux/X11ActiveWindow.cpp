#include "platform/linux/X11ActiveWindow.h"

#include "platform/linux/XcbConnection.h"

#include <xcb/res.h>

#include <poll.h>

#include <cstring>

namespace {

// QueryClientIds came with version 1.2 of the X-Resource extension.
constexpr uint32_t kClientIdsMajor = 1;
constexpr uint32_t kClientIdsMinor = 2;

std::optional<uint32_t> cardinalProperty(xcb_connection_t *connection, xcb_window_t window,
                                         xcb_atom_t property, xcb_atom_t type)
{
    const XcbReply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, property, type, 0, 1), nullptr));
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) < 4)
        return std::nullopt;
    uint32_t value = 0;
    std::memcpy(&value, xcb_get_property_value(reply.get()), sizeof value);
    return value;
}

} // namespace

std::unique_ptr<X11ActiveWindow> X11ActiveWindow::open(EventQueue &queue,
                                                       const QByteArray &displayName,
                                                       std::function<void()> changed,
                                                       QString *failure)
{
    std::unique_ptr<XcbConnection> connection = XcbConnection::open(displayName);
    if (!connection) {
        if (failure)
            *failure = QStringLiteral("the X display does not open");
        return nullptr;
    }
    std::unique_ptr<X11ActiveWindow> active(
        new X11ActiveWindow(std::move(connection), std::move(changed)));
    xcb_connection_t *c = active->m_connection->get();
    // Property changes on the root window, which is where the window manager says which
    // window is active.
    const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_change_window_attributes(c, active->m_connection->root(), XCB_CW_EVENT_MASK, &mask);
    active->m_activeWindowAtom = active->atom("_NET_ACTIVE_WINDOW");
    active->m_processIdAtom = active->atom("_NET_WM_PID");
    active->m_clientIds = active->hasClientIds();
    active->m_watch = queue.watch(active->m_connection->fileDescriptor(), POLLIN,
                                  [raw = active.get()](short) { raw->takeEvents(); });
    active->readActiveWindow();
    active->takeQueuedEvents(false);
    return active;
}

X11ActiveWindow::X11ActiveWindow(std::unique_ptr<XcbConnection> connection,
                                 std::function<void()> changed)
    : m_connection(std::move(connection))
    , m_changed(std::move(changed))
{
}

X11ActiveWindow::~X11ActiveWindow() = default;

std::optional<int> X11ActiveWindow::processOfWindow(xcb_window_t window) const
{
    if (!m_connection || window == XCB_WINDOW_NONE)
        return std::nullopt;
    if (std::optional<int> pid = clientProcess(window))
        return pid;
    return statedProcess(window);
}

xcb_atom_t X11ActiveWindow::atom(const char *name) const
{
    xcb_connection_t *c = m_connection->get();
    const XcbReply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

bool X11ActiveWindow::hasClientIds() const
{
    xcb_connection_t *c = m_connection->get();
    if (!m_connection->hasExtension(&xcb_res_id))
        return false;
    const XcbReply<xcb_res_query_version_reply_t> version(xcb_res_query_version_reply(
        c, xcb_res_query_version(c, kClientIdsMajor, kClientIdsMinor), nullptr));
    return version
           && (version->server_major > kClientIdsMajor
               || (version->server_major == kClientIdsMajor
                   && version->server_minor >= kClientIdsMinor));
}

void X11ActiveWindow::takeEvents()
{
    takeQueuedEvents(true);
}

// True when the connection was lost on the way. Each reading is a round trip, and xcb may
// queue events that arrive meanwhile, so the queue is looked at again after it.
bool X11ActiveWindow::takeQueuedEvents(bool fromSocket)
{
    for (bool first = true;; first = false) {
        bool activeChanged = false;
        xcb_connection_t *c = m_connection->get();
        for (;;) {
            const XcbReply<xcb_generic_event_t> event(
                fromSocket && first ? xcb_poll_for_event(c) : xcb_poll_for_queued_event(c));
            if (!event)
                break;
            if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY)
                continue;
            const auto *notify = reinterpret_cast<const xcb_property_notify_event_t *>(event.get());
            activeChanged = activeChanged || notify->atom == m_activeWindowAtom;
        }
        if (m_connection->hasError()) {
            loseConnection();
            return true;
        }
        if (!activeChanged)
            return false;
        const std::optional<int> before = m_activeProcessId;
        readActiveWindow();
        if (m_activeProcessId != before)
            m_changed();
    }
}

void X11ActiveWindow::readActiveWindow()
{
    const xcb_window_t window = cardinalProperty(m_connection->get(), m_connection->root(),
                                                 m_activeWindowAtom, XCB_ATOM_WINDOW)
                                    .value_or(XCB_WINDOW_NONE);
    if (window == m_activeWindow && m_activeProcessId)
        return;
    m_activeWindow = window;
    m_activeProcessId = processOfWindow(window);
}

namespace {

// Which kinds of id an answer carries: the mask of the request it answers, which leads the
// answer.
uint32_t answeredMask(const xcb_res_client_id_value_t &value)
{
    xcb_res_client_id_spec_t request;
    std::memcpy(&request, &value, sizeof request);
    return request.mask;
}

} // namespace

std::optional<int> X11ActiveWindow::clientProcess(xcb_window_t window) const
{
    if (!m_clientIds)
        return std::nullopt;
    xcb_connection_t *c = m_connection->get();
    const xcb_res_client_id_spec_t wanted{window, XCB_RES_CLIENT_ID_MASK_LOCAL_CLIENT_PID};
    const XcbReply<xcb_res_query_client_ids_reply_t> reply(
        xcb_res_query_client_ids_reply(c, xcb_res_query_client_ids(c, 1, &wanted), nullptr));
    if (!reply)
        return std::nullopt;
    for (xcb_res_client_id_value_iterator_t it = xcb_res_query_client_ids_ids_iterator(reply.get());
         it.rem > 0; xcb_res_client_id_value_next(&it)) {
        if ((answeredMask(*it.data) & XCB_RES_CLIENT_ID_MASK_LOCAL_CLIENT_PID)
            && xcb_res_client_id_value_value_length(it.data) >= 1) {
            const uint32_t pid = *xcb_res_client_id_value_value(it.data);
            if (pid > 0)
                return int(pid);
        }
    }
    return std::nullopt;
}

// A client on another machine, or one the server cannot trace, only states its pid.
std::optional<int> X11ActiveWindow::statedProcess(xcb_window_t window) const
{
    const std::optional<uint32_t> pid =
        cardinalProperty(m_connection->get(), window, m_processIdAtom, XCB_ATOM_CARDINAL);
    return pid && *pid > 0 ? std::optional<int>(int(*pid)) : std::nullopt;
}

void X11ActiveWindow::loseConnection()
{
    m_watch.reset();
    m_connection.reset();
    m_activeWindow = XCB_WINDOW_NONE;
    m_activeProcessId.reset();
    m_changed();
}
