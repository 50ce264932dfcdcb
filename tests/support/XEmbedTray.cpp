#include "support/XEmbedTray.h"

#include "platform/linux/XcbConnection.h"

#include <QTest>

#include <cstring>

XEmbedTray::XEmbedTray(int iconSize)
    : m_x(XcbConnection::open({}))
{
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(QStringLiteral("wmdocker"), {QStringLiteral("-iconsize"), QString::number(iconSize)});
}

XEmbedTray::~XEmbedTray()
{
    m_process.terminate();
    if (!m_process.waitForFinished(5000))
        m_process.kill();
    m_process.waitForFinished(5000);
}

QString XEmbedTray::waitUntilReady(int timeoutMs)
{
    if (!m_x)
        return QStringLiteral("the X server did not answer");
    if (!m_process.waitForStarted(timeoutMs))
        return QStringLiteral("wmdocker did not start: ") + m_process.errorString();
    const bool ready = QTest::qWaitFor(
        [&] {
            m_dock = findTitled(m_x->root(), "Docker");
            return m_dock != XCB_NONE && selectionOwned();
        },
        timeoutMs);
    if (!ready)
        return QStringLiteral("the tray's window or its selection did not appear");
    // Without a window manager the tray's window would stay unmapped.
    xcb_map_window(m_x->get(), m_dock);
    xcb_flush(m_x->get());
    return {};
}

QList<xcb_window_t> XEmbedTray::dockedIcons() const
{
    return m_dock == XCB_NONE ? QList<xcb_window_t>() : children(m_dock);
}

QSize XEmbedTray::size(xcb_window_t window) const
{
    XcbReply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(m_x->get(), xcb_get_geometry(m_x->get(), window), nullptr));
    return geometry ? QSize(geometry->width, geometry->height) : QSize();
}

QImage XEmbedTray::grab(xcb_window_t window) const
{
    const QSize extent = size(window);
    if (extent.isEmpty())
        return {};
    XcbReply<xcb_get_image_reply_t> image(xcb_get_image_reply(
        m_x->get(),
        xcb_get_image(m_x->get(), XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0, uint16_t(extent.width()),
                      uint16_t(extent.height()), ~0u),
        nullptr));
    const qsizetype bytes = qsizetype(extent.width()) * extent.height() * 4;
    if (!image || image->depth != 24 || xcb_get_image_data_length(image.get()) < bytes)
        return {};
    QImage result(extent, QImage::Format_RGB32);
    std::memcpy(result.bits(), xcb_get_image_data(image.get()), size_t(bytes));
    return result;
}

bool XEmbedTray::selectionOwned() const
{
    const QByteArray name = "_NET_SYSTEM_TRAY_S0";
    XcbReply<xcb_intern_atom_reply_t> atom(xcb_intern_atom_reply(
        m_x->get(), xcb_intern_atom(m_x->get(), 0, uint16_t(name.size()), name.constData()), nullptr));
    if (!atom)
        return false;
    XcbReply<xcb_get_selection_owner_reply_t> owner(xcb_get_selection_owner_reply(
        m_x->get(), xcb_get_selection_owner(m_x->get(), atom->atom), nullptr));
    return owner && owner->owner != XCB_NONE;
}

xcb_window_t XEmbedTray::findTitled(xcb_window_t window, const QByteArray &title) const
{
    XcbReply<xcb_get_property_reply_t> name(xcb_get_property_reply(
        m_x->get(),
        xcb_get_property(m_x->get(), 0, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 0, 64), nullptr));
    if (name && QByteArray(static_cast<const char *>(xcb_get_property_value(name.get())),
                           xcb_get_property_value_length(name.get()))
            == title)
        return window;
    for (xcb_window_t child : children(window)) {
        if (const xcb_window_t found = findTitled(child, title))
            return found;
    }
    return XCB_NONE;
}

QList<xcb_window_t> XEmbedTray::children(xcb_window_t window) const
{
    XcbReply<xcb_query_tree_reply_t> tree(
        xcb_query_tree_reply(m_x->get(), xcb_query_tree(m_x->get(), window), nullptr));
    if (!tree)
        return {};
    const xcb_window_t *first = xcb_query_tree_children(tree.get());
    return QList<xcb_window_t>(first, first + xcb_query_tree_children_length(tree.get()));
}
