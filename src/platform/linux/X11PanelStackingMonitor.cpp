#include "platform/linux/X11PanelStackingMonitor.h"

#include "core/Logger.h"
#include "platform/linux/XcbConnection.h"

#include <QSocketNotifier>

namespace {

const QString kCategory = QStringLiteral("BreakWindow");

// The top-level window a root event says was mapped or moved in the stack; none for others.
// A window circulated to the bottom goes under the panels, so it needs no look.
xcb_window_t restackedWindow(const xcb_generic_event_t *event, xcb_window_t root)
{
    switch (event->response_type & 0x7f) {
    case XCB_MAP_NOTIFY: {
        const auto *map = reinterpret_cast<const xcb_map_notify_event_t *>(event);
        return map->event == root ? map->window : xcb_window_t(XCB_WINDOW_NONE);
    }
    case XCB_CONFIGURE_NOTIFY: {
        const auto *configure = reinterpret_cast<const xcb_configure_notify_event_t *>(event);
        return configure->event == root ? configure->window : xcb_window_t(XCB_WINDOW_NONE);
    }
    case XCB_CIRCULATE_NOTIFY: {
        const auto *circulate = reinterpret_cast<const xcb_circulate_notify_event_t *>(event);
        return circulate->event == root && circulate->place == XCB_PLACE_ON_TOP
                   ? circulate->window
                   : xcb_window_t(XCB_WINDOW_NONE);
    }
    default: return XCB_WINDOW_NONE;
    }
}

} // namespace

std::unique_ptr<X11PanelStackingMonitor> X11PanelStackingMonitor::open(const QByteArray &displayName,
                                                                       QString *failure)
{
    std::unique_ptr<XcbConnection> connection = XcbConnection::open(displayName);
    if (!connection) {
        if (failure)
            *failure = QStringLiteral("cannot open display");
        return nullptr;
    }
    return std::unique_ptr<X11PanelStackingMonitor>(
        new X11PanelStackingMonitor(std::move(connection)));
}

X11PanelStackingMonitor::X11PanelStackingMonitor(std::unique_ptr<XcbConnection> connection)
    : m_connection(std::move(connection))
    , m_idMask(xcb_get_setup(m_connection->get())->resource_id_mask)
{
    m_notifier = new QSocketNotifier(m_connection->fileDescriptor(), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &X11PanelStackingMonitor::readEvents);
}

X11PanelStackingMonitor::~X11PanelStackingMonitor() = default;

void X11PanelStackingMonitor::watch(const QList<WId> &panels)
{
    m_panels.clear();
    for (const WId panel : panels)
        m_panels.append(xcb_window_t(panel));
    selectRootEvents(!m_panels.isEmpty());
}

void X11PanelStackingMonitor::selectRootEvents(bool select)
{
    if (select == m_selected || m_lost)
        return;
    const uint32_t mask = select ? XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY : XCB_EVENT_MASK_NO_EVENT;
    xcb_change_window_attributes(m_connection->get(), m_connection->root(), XCB_CW_EVENT_MASK,
                                 &mask);
    xcb_flush(m_connection->get());
    m_selected = select;
}

// The looks at the stack are round trips, during which xcb may queue more events without the
// socket becoming readable again: the queue is read until nothing new has moved.
void X11PanelStackingMonitor::readEvents()
{
    for (;;) {
        const QSet<xcb_window_t> restacked = takeRestackedWindows();
        if (m_lost || restacked.isEmpty() || m_panels.isEmpty())
            return;
        for (const xcb_window_t window : windowsOverPanels(restacked))
            emit panelsCovered(window);
    }
}

QSet<xcb_window_t> X11PanelStackingMonitor::takeRestackedWindows()
{
    QSet<xcb_window_t> restacked;
    while (XcbReply<xcb_generic_event_t> event{xcb_poll_for_event(m_connection->get())}) {
        const xcb_window_t window = restackedWindow(event.get(), m_connection->root());
        if (window != XCB_WINDOW_NONE && !isOwn(window))
            restacked.insert(window);
    }
    if (!m_lost && m_connection->hasError())
        noticeLostConnection();
    return restacked;
}

// One round trip: the stack and the attributes of every restacked window are asked at once.
QList<xcb_window_t> X11PanelStackingMonitor::windowsOverPanels(
    const QSet<xcb_window_t> &restacked) const
{
    xcb_connection_t *connection = m_connection->get();
    const xcb_query_tree_cookie_t treeCookie = xcb_query_tree(connection, m_connection->root());
    QList<std::pair<xcb_window_t, xcb_get_window_attributes_cookie_t>> attributeCookies;
    for (const xcb_window_t window : restacked)
        attributeCookies.append({window, xcb_get_window_attributes(connection, window)});
    const XcbReply<xcb_query_tree_reply_t> tree(
        xcb_query_tree_reply(connection, treeCookie, nullptr));
    QSet<xcb_window_t> above; // restacked windows above the lowest panel
    if (tree) {
        const xcb_window_t *children = xcb_query_tree_children(tree.get());
        bool overPanel = false;
        for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i) {
            if (m_panels.contains(children[i]))
                overPanel = true;
            else if (overPanel && restacked.contains(children[i]))
                above.insert(children[i]);
        }
    }
    QList<xcb_window_t> covering;
    for (const auto &[window, cookie] : attributeCookies) {
        // Replies are collected even when unused, and errors (a window already gone) dropped.
        const XcbReply<xcb_get_window_attributes_reply_t> attributes(
            xcb_get_window_attributes_reply(connection, cookie, nullptr));
        if (attributes && above.contains(window)
            && attributes->map_state == XCB_MAP_STATE_VIEWABLE
            && attributes->_class == XCB_WINDOW_CLASS_INPUT_OUTPUT)
            covering.append(window);
    }
    return covering;
}

bool X11PanelStackingMonitor::isOwn(xcb_window_t window) const
{
    if (m_panels.isEmpty())
        return false;
    return (window & ~m_idMask) == (m_panels.first() & ~m_idMask);
}

void X11PanelStackingMonitor::noticeLostConnection()
{
    m_lost = true;
    // A closed socket stays readable: the notifier would fire without end.
    m_notifier->setEnabled(false);
    logWarn(kCategory, formatLogEvent(QStringLiteral("stacking_monitor_lost"),
                                      {{QStringLiteral("source"), QStringLiteral("x11")}}));
}
