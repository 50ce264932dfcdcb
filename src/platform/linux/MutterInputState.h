#pragma once

#include "core/InputStateProvider.h"

#include <QDBusConnection>

// Input idle time from the GNOME compositor's idle monitor on the session bus, for sessions
// where no X server sees the input (Wayland). The monitor does not tell keys from the
// pointer, so both readings are its one idle time. Each reading is a short synchronous call;
// when it fails, the reading is no idle time and one warning marks the start of the failure.
class MutterInputState : public InputStateProvider
{
public:
    // Whether the idle monitor's name is owned on the bus.
    static bool isAvailable(const QDBusConnection &bus);

    explicit MutterInputState(const QDBusConnection &bus);

    double secondsSinceKeyboardActivity() const override { return idleSeconds(); }
    double secondsSincePointerActivity() const override { return idleSeconds(); }

private:
    double idleSeconds() const;

    QDBusConnection m_bus;
    mutable bool m_failing = false;
};
