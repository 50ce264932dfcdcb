#pragma once

#include "core/DisplayStateProvider.h"

#include <QByteArray>
#include <QString>

#include <chrono>
#include <memory>
#include <optional>

class XcbConnection;

// Whether an X server's display is awake: its DPMS power level is On and its screensaver is
// not running. Each part that the server cannot tell (no DPMS or no screensaver extension,
// as on a virtual framebuffer) counts as awake. Asked in one round trip over a connection of
// its own. An awake answer holds for a few seconds: the question comes every second while the
// user is idle, and each round trip wakes the process, whereas a display only goes to sleep
// after minutes without input. An asleep answer is never reused, so waking is seen at once.
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

    bool askServer() const;

    explicit X11DisplayState(std::unique_ptr<XcbConnection> connection);

    std::unique_ptr<XcbConnection> m_connection;
    bool m_hasDpms;
    bool m_hasScreensaver;
    mutable bool m_lost = false;
    mutable std::optional<Moment> m_awakeSeenAt;
};
