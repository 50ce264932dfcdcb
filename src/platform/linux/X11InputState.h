#pragma once

#include "core/InputStateProvider.h"
#include "platform/linux/InputActivityTracker.h"
#include "platform/linux/XSyncIdleAlarms.h"

#include <QByteArray>
#include <QMetaObject>
#include <QString>

#include <xcb/xcb.h>

#include <array>
#include <chrono>
#include <memory>

class XcbConnection;

// Input idle times from an X server, over a connection of our own, without asking it each
// second and without waking for it.
//
// The keyboard reading comes from raw key presses on the root window. Pointer motion is
// never selected: a moving mouse makes hundreds of raw events a second. Instead two alarms
// on the server's idle counter, which every input resets, say when input stops for a second
// and when it comes again (see XSyncIdleAlarms); input they show that no key or button event
// explains was the pointer (see InputActivityTracker). Button presses, scroll wheels among
// them (buttons 4 to 7), count as pointer activity at once; releases only explain a counter
// reset. A held key's repeats reset the counter without any raw event; the keyboard's
// auto-repeat settings tell which held keys repeat.
//
// What the counter makes pointer activity: motion, smooth scrolling that comes as motion
// with scroll valuators only, absolute warps by other programs (they make no raw motion),
// and also a screensaver reset requested by a client, such as a video player keeping the
// screen awake; the server does not tell those apart from motion.
//
// Nothing watches the socket: events wait there until a reading takes them in, or until the
// event loop is about to sleep after waking for something else, so input never wakes the
// process. Each event carries the server's time, which places it however late it is read.
class X11InputState : public InputStateProvider
{
public:
    // Null, with the reason in failure, when the display does not open or lacks XInput 2
    // or the SYNC extension's idle counter.
    static std::unique_ptr<X11InputState> open(const QByteArray &displayName,
                                               QString *failure = nullptr);
    ~X11InputState() override;

    double secondsSinceKeyboardActivity() const override;
    double secondsSincePointerActivity() const override;

private:
    using Steady = std::chrono::steady_clock;

    X11InputState(std::unique_ptr<XcbConnection> connection, uint8_t inputOpcode,
                  XSyncIdleAlarms alarms, const XSyncIdleAlarms::Reading &start);

    void drainEvents() const;
    void handleEvent(const xcb_generic_event_t *event,
                     const InputActivityTracker::Moment &drainedAt) const;
    void handleRawEvent(const xcb_ge_generic_event_t *event,
                        const InputActivityTracker::Moment &drainedAt) const;
    InputActivityTracker::Moment momentOf(xcb_timestamp_t serverTimeMs,
                                          const InputActivityTracker::Moment &drainedAt) const;
    void setServerClock(int64_t serverTimeMs, const InputActivityTracker::Moment &at) const;
    void resyncServerClockWhenDue() const;
    void askKeyboardControlWhenDue() const;
    void takeKeyboardControlAnswer() const;
    void takeKeyboardControl(xcb_get_keyboard_control_reply_t *reply) const;
    bool autoRepeats(uint8_t keycode) const;
    void noticeLostConnection() const;

    std::unique_ptr<XcbConnection> m_connection;
    uint8_t m_inputOpcode;
    XSyncIdleAlarms m_alarms;
    QMetaObject::Connection m_drainBeforeSleep;
    // The readings are const to their callers, but each one first takes in what the
    // server has said since the last.
    mutable InputActivityTracker m_tracker;
    mutable bool m_lost = false;
    // The server's clock minus our monotonic one, in ms; set again now and then, as a server
    // on another machine runs on a clock of its own.
    mutable int64_t m_serverClockOffsetMs = 0;
    mutable Steady::time_point m_serverClockSetAt;
    // One bit per keycode; asked for again, without waiting, while the user types.
    mutable std::array<uint8_t, 32> m_autoRepeatingKeys{};
    mutable bool m_autoRepeatOn = false;
    mutable Steady::time_point m_keyboardControlAskedAt;
    mutable std::optional<xcb_get_keyboard_control_cookie_t> m_keyboardControlQuestion;
};
