#include "platform/linux/X11InputState.h"

#include "core/Logger.h"
#include "platform/linux/XcbConnection.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <xcb/screensaver.h>
#include <xcb/xinput.h>

#include <ctime>
#include <optional>

namespace {

const QString kCategory = QStringLiteral("InputState");

// Announcing 2.2 (2.1 would do) makes the server deliver raw events to the root window even
// while another client holds a grab, as during a drag or with a menu open.
constexpr uint16_t kAnnouncedMajor = 2;
constexpr uint16_t kAnnouncedMinor = 2;

double secondsOn(clockid_t clock)
{
    timespec time{};
    clock_gettime(clock, &time);
    return double(time.tv_sec) + double(time.tv_nsec) / 1e9;
}

InputActivityTracker::Moment currentMoment()
{
    return {secondsOn(CLOCK_MONOTONIC), secondsOn(CLOCK_BOOTTIME)};
}

std::optional<double> idleCounterSeconds(const XcbConnection &x)
{
    const XcbReply<xcb_screensaver_query_info_reply_t> info(xcb_screensaver_query_info_reply(
        x.get(), xcb_screensaver_query_info(x.get(), x.root()), nullptr));
    if (!info)
        return std::nullopt;
    return info->ms_since_user_input / 1000.0;
}

bool announceInputVersion(const XcbConnection &x)
{
    const XcbReply<xcb_input_xi_query_version_reply_t> version(xcb_input_xi_query_version_reply(
        x.get(), xcb_input_xi_query_version(x.get(), kAnnouncedMajor, kAnnouncedMinor), nullptr));
    return version && version->major_version >= 2;
}

// Presses and releases of keys and buttons from every master device; never motion.
bool selectRawEvents(const XcbConnection &x)
{
    struct
    {
        xcb_input_event_mask_t header;
        uint32_t mask;
    } selection{{XCB_INPUT_DEVICE_ALL_MASTER, 1},
                XCB_INPUT_XI_EVENT_MASK_RAW_KEY_PRESS | XCB_INPUT_XI_EVENT_MASK_RAW_KEY_RELEASE
                    | XCB_INPUT_XI_EVENT_MASK_RAW_BUTTON_PRESS
                    | XCB_INPUT_XI_EVENT_MASK_RAW_BUTTON_RELEASE};
    const XcbReply<xcb_generic_error_t> error(xcb_request_check(
        x.get(), xcb_input_xi_select_events_checked(x.get(), x.root(), 1, &selection.header)));
    return !error;
}

QString whyUnusable(const XcbConnection &x)
{
    if (!x.hasExtension(&xcb_input_id))
        return QStringLiteral("the X server has no XInput extension");
    if (!x.hasExtension(&xcb_screensaver_id))
        return QStringLiteral("the X server has no screensaver extension");
    if (!announceInputVersion(x))
        return QStringLiteral("the X server's XInput is older than 2.0");
    if (!selectRawEvents(x))
        return QStringLiteral("the X server refused raw input events");
    return QString();
}

} // namespace

std::unique_ptr<X11InputState> X11InputState::open(const QByteArray &displayName,
                                                   QString *failure, MonotonicNow monotonicNow)
{
    auto fail = [&](const QString &reason) {
        if (failure)
            *failure = reason;
        return nullptr;
    };
    std::unique_ptr<XcbConnection> connection = XcbConnection::open(displayName);
    if (!connection)
        return fail(QStringLiteral("the X display does not open"));
    if (const QString reason = whyUnusable(*connection); !reason.isEmpty())
        return fail(reason);
    // Asked only now that events are selected, so no key press falls between the two.
    const std::optional<double> counter = idleCounterSeconds(*connection);
    if (!counter)
        return fail(QStringLiteral("the X server's idle counter does not answer"));
    const uint8_t opcode = connection->majorOpcode(&xcb_input_id);
    return std::unique_ptr<X11InputState>(
        new X11InputState(std::move(connection), opcode, *counter, std::move(monotonicNow)));
}

X11InputState::X11InputState(std::unique_ptr<XcbConnection> connection, uint8_t inputOpcode,
                             double idleCounterSeconds, MonotonicNow monotonicNow)
    : m_connection(std::move(connection))
    , m_inputOpcode(inputOpcode)
    , m_monotonicNow(std::move(monotonicNow))
{
    m_tracker.start(currentMoment(), idleCounterSeconds);
    takeKeyboardControl(xcb_get_keyboard_control_reply(
        m_connection->get(), xcb_get_keyboard_control(m_connection->get()), nullptr));
    // Without an application there is no event loop to watch the socket; the readings
    // still take in the events, only stamped later.
    if (QCoreApplication *app = QCoreApplication::instance()) {
        m_notifier =
            new QSocketNotifier(m_connection->fileDescriptor(), QSocketNotifier::Read, app);
        QObject::connect(m_notifier, &QSocketNotifier::activated, m_notifier,
                         [this] { drainEvents(); });
    }
    drainEvents();
}

X11InputState::~X11InputState()
{
    delete m_notifier.data();
}

double X11InputState::secondsSinceKeyboardActivity() const
{
    drainEvents();
    if (m_tracker.isRepeatingKeyHeld())
        readIdleCounter();
    return m_tracker.secondsSinceKeyboardActivity(currentMoment().sinceBoot);
}

double X11InputState::secondsSincePointerActivity() const
{
    readIdleCounter();
    return m_tracker.secondsSincePointerActivity(currentMoment().sinceBoot);
}

void X11InputState::drainEvents() const
{
    if (m_lost)
        return;
    while (XcbReply<xcb_generic_event_t> event{xcb_poll_for_event(m_connection->get())})
        handleEvent(event.get());
    if (m_connection->hasError())
        noticeLostConnection();
}

void X11InputState::handleEvent(const xcb_generic_event_t *event) const
{
    if ((event->response_type & 0x7f) != XCB_GE_GENERIC)
        return; // keyboard mapping changes reach every client; nothing to do with input
    const auto *generic = reinterpret_cast<const xcb_ge_generic_event_t *>(event);
    if (generic->extension != m_inputOpcode)
        return;
    const InputActivityTracker::Moment now = currentMoment();
    switch (generic->event_type) {
    case XCB_INPUT_RAW_KEY_PRESS: {
        const auto *key = reinterpret_cast<const xcb_input_raw_key_press_event_t *>(event);
        m_tracker.keyPressed(now, key->detail, autoRepeats(uint8_t(key->detail)));
        break;
    }
    case XCB_INPUT_RAW_KEY_RELEASE: {
        const auto *key = reinterpret_cast<const xcb_input_raw_key_release_event_t *>(event);
        m_tracker.keyReleased(now, key->detail);
        break;
    }
    case XCB_INPUT_RAW_BUTTON_PRESS: m_tracker.buttonPressed(now); break;
    case XCB_INPUT_RAW_BUTTON_RELEASE: m_tracker.buttonReleased(now); break;
    default: break;
    }
}

void X11InputState::readIdleCounter() const
{
    if (m_lost)
        return;
    if (counterReadingIsFresh()) {
        drainEvents();
        return;
    }
    m_counterReadAt = m_monotonicNow();
    // Sent ahead of the counter's question: both answers come in one round trip.
    const xcb_get_keyboard_control_cookie_t keyboard =
        xcb_get_keyboard_control(m_connection->get());
    const std::optional<double> counter = idleCounterSeconds(*m_connection);
    const InputActivityTracker::Moment now = currentMoment();
    takeKeyboardControl(xcb_get_keyboard_control_reply(m_connection->get(), keyboard, nullptr));
    // Events the server sent before its answer must be recorded before the counter is
    // judged, or the reset a key press caused would pass for pointer motion.
    drainEvents();
    if (counter)
        m_tracker.idleCounterRead(now, *counter);
}

bool X11InputState::counterReadingIsFresh() const
{
    if (!m_counterReadAt)
        return false;
    const Moment now = m_monotonicNow();
    return now >= *m_counterReadAt && now - *m_counterReadAt < counterReuseWindow;
}

void X11InputState::takeKeyboardControl(xcb_get_keyboard_control_reply_t *reply) const
{
    const XcbReply<xcb_get_keyboard_control_reply_t> control(reply);
    if (!control)
        return;
    m_autoRepeatOn = control->global_auto_repeat != XCB_AUTO_REPEAT_MODE_OFF;
    std::copy(std::begin(control->auto_repeats), std::end(control->auto_repeats),
              m_autoRepeatingKeys.begin());
}

bool X11InputState::autoRepeats(uint8_t keycode) const
{
    return m_autoRepeatOn && (m_autoRepeatingKeys[keycode / 8] & (1u << (keycode % 8)));
}

void X11InputState::noticeLostConnection() const
{
    m_lost = true;
    // A closed socket stays readable: the notifier would fire without end.
    if (m_notifier)
        m_notifier->setEnabled(false);
    logWarn(kCategory, formatLogEvent(QStringLiteral("input_idle_lost"),
                                      {{QStringLiteral("source"), QStringLiteral("x11")}}));
}
