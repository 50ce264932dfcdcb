#pragma once

#include "core/DisplayStateProvider.h"

#include <QByteArray>
#include <QString>

#include <xcb/xcb.h>

#include <chrono>
#include <memory>
#include <optional>

class XcbConnection;

// Whether an X server's display is awake: its screensaver is not running and its DPMS power
// level is On. Each part that the server cannot tell (no screensaver or no DPMS extension,
// as on a virtual framebuffer) counts as awake. Over a connection of its own.
//
// The screensaver announces each change of its state, so its part costs nothing: the
// announcements wait in the socket until a reading takes them in. DPMS announces nothing and
// is asked, in a round trip that wakes the process; an awake answer holds for a few seconds,
// as a display only powers down after minutes without input, while an asleep answer is never
// reused, so waking is seen at once.
class X11DisplayState : public DisplayStateProvider
{
public:
    // Null, with the reason in failure, when the display does not open.
    static std::unique_ptr<X11DisplayState> open(const QByteArray &displayName,
                                                 QString *failure = nullptr);
    ~X11DisplayState() override;

    bool isMainDisplayActive() const override;

private:
    using Moment = std::chrono::steady_clock::time_point;

    explicit X11DisplayState(std::unique_ptr<XcbConnection> connection);

    bool followScreensaver();
    void takeScreensaverNews() const;
    bool isPoweredOn() const;
    bool askPowerLevel() const;
    bool noticeLostConnection() const;

    std::unique_ptr<XcbConnection> m_connection;
    bool m_hasDpms;
    bool m_hasScreensaver;
    uint8_t m_screensaverFirstEvent = 0;
    mutable bool m_screensaverRunning = false;
    mutable bool m_lost = false;
    mutable std::optional<Moment> m_poweredOnSeenAt;
};
