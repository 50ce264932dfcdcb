#pragma once

#include "core/Cancellable.h"

class Clock;

// Tells a double Escape press from two lone ones. The first counted press opens a window of
// one second on the clock; a press while it is open completes a double press. A double
// press does not close the window, so a third press inside it completes one again; only the
// window's end starts the count afresh.
class EscapePressWindow
{
public:
    static constexpr double windowSeconds = 1.0;

    explicit EscapePressWindow(Clock &clock);

    // Counts a press; true when it is the second or a later one inside the open window.
    bool press();
    // Forgets the presses and the open window.
    void reset();

private:
    Clock &m_clock;
    int m_pressCount = 0;
    CancellableHandle m_closeTimer;
};
