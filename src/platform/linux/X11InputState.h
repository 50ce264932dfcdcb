#pragma once

#include "core/InputStateProvider.h"
#include "platform/linux/InputActivityTracker.h"

#include <QByteArray>
#include <QPointer>
#include <QString>

#include <xcb/xcb.h>

#include <array>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

class QSocketNotifier;
class XcbConnection;

// Input idle times from an X server, over a connection of our own.
//
// The keyboard reading comes from raw key presses on the root window. Pointer motion is
// never selected: a moving mouse makes hundreds of raw events a second, and waking for each
// would cost more than everything else the application does. Instead, each pointer reading
// asks the server's screensaver idle counter, which every input resets; input it shows that
// no key or button event explains was the pointer (see InputActivityTracker). Button
// presses, scroll wheels among them (buttons 4 to 7), count as pointer activity at once;
// releases only explain a counter reset. A held key's repeats reset the counter without any
// raw event; the keyboard's auto-repeat settings tell which held keys repeat.
//
// What the counter makes pointer activity: motion, smooth scrolling that comes as motion
// with scroll valuators only, absolute warps by other programs (they make no raw motion),
// and also a screensaver reset requested by a client, such as a video player keeping the
// screen awake; the server does not tell those apart from motion.
//
// Events are read on a socket notifier, so the process wakes only for key and button
// events, and again before every reading, because xcb may have queued events while it
// waited for a reply. There is no timer and no thread.
//
// The break timer and the wellness clock tick on the same whole second and both may read
// the pointer: a counter reading younger than a tenth of a second serves the next pointer
// reading, so the pair costs one round trip.
class X11InputState : public InputStateProvider
{
public:
    using Moment = std::chrono::steady_clock::time_point;
    using MonotonicNow = std::function<Moment()>;

    static constexpr std::chrono::milliseconds counterReuseWindow{100};

    // Null, with the reason in failure, when the display does not open or lacks XInput 2
    // or the screensaver extension.
    static std::unique_ptr<X11InputState> open(const QByteArray &displayName,
                                               QString *failure = nullptr,
                                               MonotonicNow monotonicNow =
                                                   &std::chrono::steady_clock::now);
    ~X11InputState() override;

    double secondsSinceKeyboardActivity() const override;
    double secondsSincePointerActivity() const override;

private:
    X11InputState(std::unique_ptr<XcbConnection> connection, uint8_t inputOpcode,
                  double idleCounterSeconds, MonotonicNow monotonicNow);

    void drainEvents() const;
    void handleEvent(const xcb_generic_event_t *event) const;
    void readIdleCounter() const;
    bool counterReadingIsFresh() const;
    void takeKeyboardControl(xcb_get_keyboard_control_reply_t *reply) const;
    bool autoRepeats(uint8_t keycode) const;
    void noticeLostConnection() const;

    std::unique_ptr<XcbConnection> m_connection;
    uint8_t m_inputOpcode;
    // Parented to the application, which may be gone before this object is.
    QPointer<QSocketNotifier> m_notifier;
    // The readings are const to their callers, but each one first takes in what the
    // server has said since the last.
    mutable InputActivityTracker m_tracker;
    mutable bool m_lost = false;
    // One bit per keycode; refreshed with every counter reading, as the user may change it.
    mutable std::array<uint8_t, 32> m_autoRepeatingKeys{};
    mutable bool m_autoRepeatOn = false;
    MonotonicNow m_monotonicNow;
    mutable std::optional<Moment> m_counterReadAt;
};
