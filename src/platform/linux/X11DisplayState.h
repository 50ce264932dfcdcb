#pragma once

#include "core/DisplayStateProvider.h"

#include <QByteArray>
#include <QString>

#include <memory>

class XcbConnection;

// Whether an X server's display is awake: its DPMS power level is On and its screensaver is
// not running. Each part that the server cannot tell (no DPMS or no screensaver extension,
// as on a virtual framebuffer) counts as awake. Asked afresh on every reading, in one round
// trip over a connection of its own.
class X11DisplayState : public DisplayStateProvider
{
public:
    // Null, with the reason in failure, when the display does not open.
    static std::unique_ptr<X11DisplayState> open(const QByteArray &displayName,
                                                 QString *failure = nullptr);
    ~X11DisplayState() override;

    bool isMainDisplayActive() const override;

private:
    explicit X11DisplayState(std::unique_ptr<XcbConnection> connection);

    std::unique_ptr<XcbConnection> m_connection;
    bool m_hasDpms;
    bool m_hasScreensaver;
    mutable bool m_lost = false;
};
