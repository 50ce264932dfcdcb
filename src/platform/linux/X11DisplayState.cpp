#include "platform/linux/X11DisplayState.h"

#include "core/Logger.h"
#include "platform/linux/XcbConnection.h"

#include <xcb/dpms.h>
#include <xcb/screensaver.h>

namespace {

const QString kCategory = QStringLiteral("DisplayState");
constexpr std::chrono::seconds kPoweredOnAnswerLifetime{5};

bool isRunningState(uint8_t state)
{
    return state == XCB_SCREENSAVER_STATE_ON || state == XCB_SCREENSAVER_STATE_CYCLE;
}

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
    if (m_hasScreensaver)
        m_hasScreensaver = followScreensaver();
}

X11DisplayState::~X11DisplayState() = default;

// The announcements are asked for before the state is read, so no change falls between.
bool X11DisplayState::followScreensaver()
{
    xcb_connection_t *x = m_connection->get();
    m_screensaverFirstEvent = xcb_get_extension_data(x, &xcb_screensaver_id)->first_event;
    const XcbReply<xcb_generic_error_t> refused(xcb_request_check(
        x, xcb_screensaver_select_input_checked(x, m_connection->root(),
                                                XCB_SCREENSAVER_EVENT_NOTIFY_MASK)));
    const XcbReply<xcb_screensaver_query_info_reply_t> info(xcb_screensaver_query_info_reply(
        x, xcb_screensaver_query_info(x, m_connection->root()), nullptr));
    if (refused || !info)
        return false;
    m_screensaverRunning = isRunningState(info->state);
    return true;
}

bool X11DisplayState::isMainDisplayActive() const
{
    if (m_lost)
        return true;
    takeScreensaverNews();
    if (m_lost)
        return true;
    // A running screensaver settles it without asking the server anything.
    return !m_screensaverRunning && isPoweredOn();
}

void X11DisplayState::takeScreensaverNews() const
{
    while (XcbReply<xcb_generic_event_t> event{xcb_poll_for_event(m_connection->get())}) {
        if (!m_hasScreensaver
            || (event->response_type & 0x7f) != m_screensaverFirstEvent + XCB_SCREENSAVER_NOTIFY)
            continue; // keyboard mapping changes reach every client
        const auto *notify = reinterpret_cast<const xcb_screensaver_notify_event_t *>(event.get());
        m_screensaverRunning = isRunningState(notify->state);
    }
    if (m_connection->hasError())
        noticeLostConnection();
}

bool X11DisplayState::isPoweredOn() const
{
    if (!m_hasDpms)
        return true;
    const Moment now = std::chrono::steady_clock::now();
    if (m_poweredOnSeenAt && now - *m_poweredOnSeenAt < kPoweredOnAnswerLifetime)
        return true;
    const bool poweredOn = askPowerLevel();
    m_poweredOnSeenAt = poweredOn ? std::optional<Moment>(now) : std::nullopt;
    return poweredOn;
}

bool X11DisplayState::askPowerLevel() const
{
    xcb_connection_t *x = m_connection->get();
    const XcbReply<xcb_dpms_info_reply_t> info(xcb_dpms_info_reply(x, xcb_dpms_info(x), nullptr));
    if (m_connection->hasError())
        return noticeLostConnection();
    return !info || info->power_level == XCB_DPMS_DPMS_MODE_ON;
}

// Every reading after this says awake: an unknown display never holds the user as away.
bool X11DisplayState::noticeLostConnection() const
{
    if (!m_lost) {
        m_lost = true;
        logWarn(kCategory, formatLogEvent(QStringLiteral("display_state_lost"),
                                          {{QStringLiteral("source"), QStringLiteral("x11")}}));
    }
    return true;
}
