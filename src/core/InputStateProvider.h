#pragma once

#include <optional>

// Seconds since the user last pressed a key, and since the last pointer event (motion,
// button press, scroll; releases do not count). The user's idle time is the smaller of the
// two. Readings are taken fresh on every call, on the main thread.
class InputStateProvider
{
public:
    virtual ~InputStateProvider() = default;
    virtual double secondsSinceKeyboardActivity() const = 0;
    virtual double secondsSincePointerActivity() const = 0;
    // False while nothing can be read: no idle source on this desktop, or its calls failing.
    // The two readings mean nothing then. Not knowing is neither busy nor away: a break is
    // not held for a user nobody sees, and an absence nobody sees is not counted.
    virtual bool hasReading() const { return true; }

    // The user's idle time, the smaller of the two readings; none without a reading.
    std::optional<double> idleSeconds() const;
    // The keyboard's reading alone; none without a reading.
    std::optional<double> keyboardIdleSeconds() const;
    // Whether the keyboard reading counts keys alone: some sources have one idle time for
    // every kind of input and give it as both readings.
    virtual bool separatesKeyboardFromPointer() const { return true; }
};
