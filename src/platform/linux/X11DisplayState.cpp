#include "platform/linux/X11DisplayState.h"

#include "core/Logger.h"
#include "platform/linux/XcbConnection.h"

#include <xcb/dpms.h>
#include <xcb/screensaver.h>

namespace {

const QString kCategory = QStringLiteral("DisplayState");
constexpr std::chrono::seconds kAwakeAnswerLifetime{5};

} // namespace

std::unique_ptr<X11DisplayState> X11DisplayState::open(const QByteArray &displayName,
                                                       QString *failure)
{
    std::unique_ptr<XcbConnection> connection = XcbConnection::open(displayName);
    if (!connection) {
        if (failure)
            *failure = QStringLiteral("the X display does not open");
        return nullptr;
    }
    return std::unique_ptr<X11DisplayState>(new X11DisplayState(std::move(connection)));
}

X11DisplayState::X11DisplayState(std::unique_ptr<XcbConnection> connection)
    : m_connection(std::move(connection))
    , m_hasDpms(m_connection->hasExtension(&xcb_dpms_id))
    , m_hasScreensaver(m_connection->hasExtension(&xcb_screensaver_id))
{
}

X11DisplayState::~X11DisplayState() = default;

bool X11DisplayState::isMainDisplayActive() const
{
    const Moment now = std::chrono::steady_clock::now();
    if (m_awakeSeenAt && now - *m_awakeSeenAt < kAwakeAnswerLifetime)
        return true;
    const bool awake = askServer();
    m_awakeSeenAt = awake ? std::optional<Moment>(now) : std::nullopt;
    return awake;
}

bool X11DisplayState::askServer() const
{
    if (m_lost)
        return true;
    xcb_connection_t *x = m_connection->get();
    // Both questions go out before either answer is awaited.
    xcb_dpms_info_cookie_t power{};
    xcb_screensaver_query_info_cookie_t saver{};
    if (m_hasDpms)
        power = xcb_dpms_info(x);
    if (m_hasScreensaver)
        saver = xcb_screensaver_query_info(x, m_connection->root());

    bool poweredOn = true;
    if (m_hasDpms) {
        const XcbReply<xcb_dpms_info_reply_t> info(xcb_dpms_info_reply(x, power, nullptr));
        poweredOn = !info || info->power_level == XCB_DPMS_DPMS_MODE_ON;
    }
    bool saverRunning = false;
    if (m_hasScreensaver) {
        const XcbReply<xcb_screensaver_query_info_reply_t> info(
            xcb_screensaver_query_info_reply(x, saver, nullptr));
        saverRunning = info
                       && (info->state == XCB_SCREENSAVER_STATE_ON
                           || info->state == XCB_SCREENSAVER_STATE_CYCLE);
    }
    m_connection->discardEvents();
    if (m_connection->hasError()) {
        m_lost = true;
        logWarn(kCategory, formatLogEvent(QStringLiteral("display_state_lost"),
                                          {{QStringLiteral("source"), QStringLiteral("x11")}}));
        return true;
    }
    return poweredOn && !saverRunning;
}
