#pragma once

#include "core/InputStateProvider.h"

#include <QDBusConnection>

#include <chrono>
#include <functional>
#include <optional>

// Input idle time from the GNOME compositor's idle monitor on the session bus, for sessions
// where no X server sees the input (Wayland). The monitor does not tell keys from the
// pointer, so both readings are its one idle time. Each reading is a short synchronous call;
// when it fails, the reading is no idle time and one warning marks the start of the failure.
//
// Callers read both values together, every second, and each call is a round trip to the
// compositor: an answer younger than a tenth of a second serves the next reading, aged by
// the time since, so the pair costs one call. While the calls fail there is no reading.
class MutterInputState : public InputStateProvider
{
public:
    using Moment = std::chrono::steady_clock::time_point;
    using MonotonicNow = std::function<Moment()>;

    static constexpr std::chrono::milliseconds answerReuseWindow{100};

    // Whether the idle monitor's name is owned on the bus.
    static bool isAvailable(const QDBusConnection &bus);

    explicit MutterInputState(const QDBusConnection &bus,
                              MonotonicNow monotonicNow = &std::chrono::steady_clock::now);

    double secondsSinceKeyboardActivity() const override { return monitorIdleSeconds(); }
    double secondsSincePointerActivity() const override { return monitorIdleSeconds(); }
    bool hasReading() const override;
    bool separatesKeyboardFromPointer() const override { return false; }

private:
    double monitorIdleSeconds() const;
    double askMonitor() const;

    QDBusConnection m_bus;
    MonotonicNow m_monotonicNow;
    mutable bool m_failing = false;
    mutable std::optional<Moment> m_answeredAt;
    mutable double m_answerSeconds = 0.0;
};
