#include "support/X11Probe.h"

#include "platform/linux/XcbConnection.h"

#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QTest>

#include <algorithm>
#include <cstring>

X11Probe::X11Probe()
    : m_connection(XcbConnection::open(qgetenv("DISPLAY")))
{
}

X11Probe::~X11Probe() = default;

xcb_window_t X11Probe::focusedWindow() const
{
    xcb_connection_t *c = m_connection->get();
    const XcbReply<xcb_get_input_focus_reply_t> reply(
        xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
    return reply ? reply->focus : xcb_window_t(XCB_WINDOW_NONE);
}

QList<xcb_window_t> X11Probe::children(xcb_window_t window) const
{
    xcb_connection_t *c = m_connection->get();
    const XcbReply<xcb_query_tree_reply_t> tree(
        xcb_query_tree_reply(c, xcb_query_tree(c, window), nullptr));
    if (!tree)
        return {};
    const xcb_window_t *children = xcb_query_tree_children(tree.get());
    // Bottom to top, as the server stacks them.
    return QList<xcb_window_t>(children, children + xcb_query_tree_children_length(tree.get()));
}

QList<xcb_window_t> X11Probe::topLevels() const
{
    return children(m_connection->root());
}

xcb_atom_t X11Probe::atom(const QByteArray &name) const
{
    xcb_connection_t *c = m_connection->get();
    const XcbReply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, uint16_t(name.size()), name.constData()), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

QByteArray X11Probe::property(xcb_window_t window, xcb_atom_t property) const
{
    xcb_connection_t *c = m_connection->get();
    const XcbReply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        c, xcb_get_property(c, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024), nullptr));
    if (!reply)
        return QByteArray();
    return QByteArray(static_cast<const char *>(xcb_get_property_value(reply.get())),
                      xcb_get_property_value_length(reply.get()));
}

QList<xcb_window_t> X11Probe::viewableClients(const QString &name) const
{
    QList<xcb_window_t> found;
    QList<xcb_window_t> pending = topLevels();
    while (!pending.isEmpty()) {
        const xcb_window_t window = pending.takeLast();
        pending.append(children(window));
        // WM_CLASS holds the instance name, then the class name, each ending in a zero.
        const QByteArray instance = property(window, XCB_ATOM_WM_CLASS).split('\0').value(0);
        if (QString::fromUtf8(instance) == name && isViewable(window))
            found.append(window);
    }
    return found;
}

int X11Probe::currentDesktop() const
{
    const QByteArray value = property(m_connection->root(), atom("_NET_CURRENT_DESKTOP"));
    if (value.size() < 4)
        return -1;
    uint32_t desktop = 0;
    memcpy(&desktop, value.constData(), sizeof desktop);
    return int(desktop);
}

bool X11Probe::setWindowType(xcb_window_t window, const QByteArray &type) const
{
    xcb_connection_t *c = m_connection->get();
    const xcb_atom_t value = atom(type);
    const XcbReply<xcb_generic_error_t> error(xcb_request_check(
        c, xcb_change_property_checked(c, XCB_PROP_MODE_REPLACE, window,
                                       atom("_NET_WM_WINDOW_TYPE"), XCB_ATOM_ATOM, 32, 1, &value)));
    return !error && value != XCB_ATOM_NONE;
}

bool X11Probe::isViewable(xcb_window_t window) const
{
    xcb_connection_t *c = m_connection->get();
    const XcbReply<xcb_get_window_attributes_reply_t> attributes(
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window), nullptr));
    return attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
}

QRect X11Probe::geometry(xcb_window_t window) const
{
    xcb_connection_t *c = m_connection->get();
    const XcbReply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr));
    if (!geometry)
        return {};
    const XcbReply<xcb_translate_coordinates_reply_t> origin(xcb_translate_coordinates_reply(
        c, xcb_translate_coordinates(c, window, m_connection->root(), 0, 0), nullptr));
    if (!origin)
        return {};
    return QRect(origin->dst_x, origin->dst_y, geometry->width, geometry->height);
}

xcb_window_t X11Probe::topmostWindowAt(const QPoint &point) const
{
    QList<xcb_window_t> windows = topLevels();
    std::reverse(windows.begin(), windows.end());
    for (const xcb_window_t window : windows) {
        if (isViewable(window) && geometry(window).contains(point))
            return window;
    }
    return XCB_WINDOW_NONE;
}

QString X11Probe::title(xcb_window_t window) const
{
    return QString::fromUtf8(property(window, XCB_ATOM_WM_NAME));
}

QList<xcb_window_t> X11Probe::viewableWindowsTitled(const QString &wanted) const
{
    QList<xcb_window_t> found;
    for (const xcb_window_t window : topLevels()) {
        if (isViewable(window) && title(window) == wanted)
            found.append(window);
    }
    return found;
}

bool X11Probe::keyboardIsFree() const
{
    xcb_connection_t *c = m_connection->get();
    const XcbReply<xcb_grab_keyboard_reply_t> reply(xcb_grab_keyboard_reply(
        c,
        xcb_grab_keyboard(c, 0, m_connection->root(), XCB_CURRENT_TIME, XCB_GRAB_MODE_ASYNC,
                          XCB_GRAB_MODE_ASYNC),
        nullptr));
    const bool free = reply && reply->status == XCB_GRAB_STATUS_SUCCESS;
    if (free)
        xcb_ungrab_keyboard(c, XCB_CURRENT_TIME);
    xcb_flush(c);
    return free;
}

xcb_window_t X11Probe::frameOf(xcb_window_t client) const
{
    xcb_connection_t *c = m_connection->get();
    xcb_window_t window = client;
    for (;;) {
        const XcbReply<xcb_query_tree_reply_t> tree(
            xcb_query_tree_reply(c, xcb_query_tree(c, window), nullptr));
        if (!tree || tree->parent == tree->root || tree->parent == XCB_WINDOW_NONE)
            return window;
        window = tree->parent;
    }
}

namespace {

// xrandr describes the monitors it changed on its standard output; only failures matter.
QString runXrandr(const QStringList &arguments)
{
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QStringLiteral("xrandr"), arguments);
    const QString command = QStringLiteral("xrandr ") + arguments.join(QLatin1Char(' '));
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished();
        return command + QStringLiteral(": did not finish");
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return command + QStringLiteral(": exit code %1").arg(process.exitCode());
    return QString();
}

QString monitorArgument(const QRect &area)
{
    // Width and height in pixels and millimetres, at about 96 dots per inch.
    return QStringLiteral("%1/%2x%3/%4+%5+%6")
        .arg(area.width())
        .arg(area.width() * 254 / 960)
        .arg(area.height())
        .arg(area.height() * 254 / 960)
        .arg(area.x())
        .arg(area.y());
}

} // namespace

TwoMonitors::TwoMonitors()
{
    // The left monitor takes over the screen's one output, which makes it the primary one.
    m_error = runXrandr({QStringLiteral("--setmonitor"), QStringLiteral("L"), monitorArgument(left),
                         QStringLiteral("screen")});
    if (m_error.isEmpty())
        m_error = addRight();
}

TwoMonitors::~TwoMonitors()
{
    if (QGuiApplication::screens().size() > 1)
        removeRight();
    runXrandr({QStringLiteral("--delmonitor"), QStringLiteral("L")});
    // The next test finds one screen, as the server started with.
    (void)QTest::qWaitFor([] { return QGuiApplication::screens().size() == 1; }, 5000);
}

bool TwoMonitors::waitUntilSeen(int timeoutMs) const
{
    return QTest::qWaitFor(
        [] {
            const QList<QScreen *> screens = QGuiApplication::screens();
            return screens.size() == 2 && QGuiApplication::primaryScreen()->geometry() == left;
        },
        timeoutMs);
}

QString TwoMonitors::removeRight()
{
    return runXrandr({QStringLiteral("--delmonitor"), QStringLiteral("R")});
}

QString TwoMonitors::addRight()
{
    return runXrandr({QStringLiteral("--setmonitor"), QStringLiteral("R"), monitorArgument(right),
                      QStringLiteral("none")});
}
