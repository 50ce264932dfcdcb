#include "platform/linux/X11InputState.h"

#include "core/Logger.h"
#include "platform/linux/XcbConnection.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>

#include <xcb/xcbext.h>
#include <xcb/xinput.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <ctime>

namespace {

const QString kCategory = QStringLiteral("InputState");

// Announcing 2.2 (2.1 would do) makes the server deliver raw events to the root window even
// while another client holds a grab, as during a drag or with a menu open.
constexpr uint16_t kAnnouncedMajor = 2;
constexpr uint16_t kAnnouncedMinor = 2;
constexpr int64_t kQuietMs = int64_t(InputActivityTracker::quietSeconds * 1000);
// A server on another machine keeps its own time; ours and its drift apart slowly.
constexpr std::chrono::minutes kServerClockLifetime{10};
// Auto-repeat settings change seldom (a settings dialog, xset r): asked again while the
// user types, at most this often.
constexpr std::chrono::minutes kKeyboardControlLifetime{1};

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

QString whyNoRawInput(const XcbConnection &x)
{
    if (!x.hasExtension(&xcb_input_id))
        return QStringLiteral("the X server has no XInput extension");
    if (!announceInputVersion(x))
        return QStringLiteral("the X server's XInput is older than 2.0");
    if (!selectRawEvents(x))
        return QStringLiteral("the X server refused raw input events");
    return QString();
}

} // namespace

std::unique_ptr<X11InputState> X11InputState::open(const QByteArray &displayName,
                                                   QString *failure)
{
    auto fail = [&](const QString &reason) {
        if (failure)
            *failure = reason;
        return nullptr;
    };
    std::unique_ptr<XcbConnection> connection = XcbConnection::open(displayName);
    if (!connection)
        return fail(QStringLiteral("the X display does not open"));
    if (const QString reason = whyNoRawInput(*connection); !reason.isEmpty())
        return fail(reason);
    QString reason;
    std::optional<XSyncIdleAlarms> alarms = XSyncIdleAlarms::create(*connection, kQuietMs, &reason);
    if (!alarms)
        return fail(reason);
    // Asked only now that events are selected and the alarms set, so no input falls between.
    const std::optional<XSyncIdleAlarms::Reading> start = alarms->read(*connection);
    if (!start)
        return fail(QStringLiteral("the X server's idle counter does not answer"));
    const uint8_t opcode = connection->majorOpcode(&xcb_input_id);
    return std::unique_ptr<X11InputState>(
        new X11InputState(std::move(connection), opcode, *alarms, *start));
}

X11InputState::X11InputState(std::unique_ptr<XcbConnection> connection, uint8_t inputOpcode,
                             XSyncIdleAlarms alarms, const XSyncIdleAlarms::Reading &start)
    : m_connection(std::move(connection))
    , m_inputOpcode(inputOpcode)
    , m_alarms(alarms)
{
    const InputActivityTracker::Moment now = currentMoment();
    m_tracker.start(now, double(start.idleCounterMs) / 1000.0);
    setServerClock(start.serverTimeMs, now);
    m_keyboardControlAskedAt = Steady::now();
    takeKeyboardControl(xcb_get_keyboard_control_reply(
        m_connection->get(), xcb_get_keyboard_control(m_connection->get()), nullptr));
    // Whenever the process wakes for something else, the events go along, so they never
    // pile up at the server while no one asks for a reading.
    if (QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance()) {
        m_drainBeforeSleep = QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock,
                                              dispatcher, [this] { drainEvents(); });
    }
    drainEvents();
}

X11InputState::~X11InputState()
{
    QObject::disconnect(m_drainBeforeSleep);
}

double X11InputState::secondsSinceKeyboardActivity() const
{
    drainEvents();
    resyncServerClockWhenDue();
    return m_tracker.secondsSinceKeyboardActivity(currentMoment());
}

double X11InputState::secondsSincePointerActivity() const
{
    drainEvents();
    resyncServerClockWhenDue();
    return m_tracker.secondsSincePointerActivity(currentMoment());
}

void X11InputState::drainEvents() const
{
    if (m_lost)
        return;
    const InputActivityTracker::Moment now = currentMoment();
    while (XcbReply<xcb_generic_event_t> event{xcb_poll_for_event(m_connection->get())})
        handleEvent(event.get(), now);
    takeKeyboardControlAnswer();
    if (m_connection->hasError())
        noticeLostConnection();
}

void X11InputState::handleEvent(const xcb_generic_event_t *event,
                                const InputActivityTracker::Moment &drainedAt) const
{
    if (const std::optional<XSyncIdleAlarms::Alarm> alarm = m_alarms.alarmOf(event)) {
        const InputActivityTracker::Moment at = momentOf(alarm->serverTimeMs, drainedAt);
        const double counterSeconds = double(alarm->idleCounterMs) / 1000.0;
        if (alarm->kind == XSyncIdleAlarms::Kind::quiet)
            m_tracker.quietReached(at, counterSeconds);
        else
            m_tracker.inputResumed(at, counterSeconds);
        return;
    }
    // Keyboard mapping changes reach every client; nothing to do with input.
    if ((event->response_type & 0x7f) != XCB_GE_GENERIC)
        return;
    const auto *generic = reinterpret_cast<const xcb_ge_generic_event_t *>(event);
    if (generic->extension == m_inputOpcode)
        handleRawEvent(generic, drainedAt);
}

void X11InputState::handleRawEvent(const xcb_ge_generic_event_t *event,
                                   const InputActivityTracker::Moment &drainedAt) const
{
    // Every raw event starts alike, up to its detail and time.
    const auto *raw = reinterpret_cast<const xcb_input_raw_key_press_event_t *>(event);
    const InputActivityTracker::Moment at = momentOf(raw->time, drainedAt);
    switch (event->event_type) {
    case XCB_INPUT_RAW_KEY_PRESS:
        m_tracker.keyPressed(at, raw->detail, autoRepeats(uint8_t(raw->detail)));
        askKeyboardControlWhenDue();
        break;
    case XCB_INPUT_RAW_KEY_RELEASE: m_tracker.keyReleased(at, raw->detail); break;
    case XCB_INPUT_RAW_BUTTON_PRESS: m_tracker.buttonPressed(at); break;
    case XCB_INPUT_RAW_BUTTON_RELEASE: m_tracker.buttonReleased(at); break;
    default: break;
    }
}

// The server's times are milliseconds on 32 bits, which wrap every 49 days: only the
// difference to the server's present counts. Nothing happened after the present.
InputActivityTracker::Moment X11InputState::momentOf(xcb_timestamp_t serverTimeMs,
                                                     const InputActivityTracker::Moment &drainedAt) const
{
    const auto serverNowMs =
        uint32_t(int64_t(std::llround(drainedAt.monotonic * 1000.0)) + m_serverClockOffsetMs);
    const double ageSeconds = std::max(0, int32_t(serverNowMs - serverTimeMs)) / 1000.0;
    return {drainedAt.monotonic - ageSeconds, drainedAt.sinceBoot - ageSeconds};
}

void X11InputState::setServerClock(int64_t serverTimeMs, const InputActivityTracker::Moment &at) const
{
    m_serverClockOffsetMs = serverTimeMs - int64_t(std::llround(at.monotonic * 1000.0));
    m_serverClockSetAt = Steady::now();
}

void X11InputState::resyncServerClockWhenDue() const
{
    if (m_lost || Steady::now() - m_serverClockSetAt < kServerClockLifetime)
        return;
    // Events read while waiting for the answer stay queued for the next drain.
    if (const std::optional<XSyncIdleAlarms::Reading> reading = m_alarms.read(*m_connection))
        setServerClock(reading->serverTimeMs, currentMoment());
    else
        m_serverClockSetAt = Steady::now();
}

// Sent without waiting for the answer, which a later drain takes in.
void X11InputState::askKeyboardControlWhenDue() const
{
    if (m_keyboardControlQuestion || Steady::now() - m_keyboardControlAskedAt < kKeyboardControlLifetime)
        return;
    m_keyboardControlQuestion = xcb_get_keyboard_control(m_connection->get());
    m_keyboardControlAskedAt = Steady::now();
    xcb_flush(m_connection->get());
}

void X11InputState::takeKeyboardControlAnswer() const
{
    if (!m_keyboardControlQuestion)
        return;
    void *reply = nullptr;
    xcb_generic_error_t *error = nullptr;
    if (!xcb_poll_for_reply(m_connection->get(), m_keyboardControlQuestion->sequence, &reply,
                            &error))
        return;
    m_keyboardControlQuestion.reset();
    std::free(error);
    takeKeyboardControl(static_cast<xcb_get_keyboard_control_reply_t *>(reply));
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
    QObject::disconnect(m_drainBeforeSleep);
    logWarn(kCategory, formatLogEvent(QStringLiteral("input_idle_lost"),
                                      {{QStringLiteral("source"), QStringLiteral("x11")}}));
}
