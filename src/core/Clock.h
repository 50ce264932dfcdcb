#pragma once

#include "core/Cancellable.h"

#include <QDateTime>

#include <functional>

// The time source of the schedulers: the current time, and work run after an interval,
// once or repeating. SystemClock runs on the main event loop; tests drive a FakeClock.
class Clock
{
public:
    virtual ~Clock() = default;

    // The time of day, for what belongs to the calendar: office hours, days, the clock line.
    // It jumps when the user or the network sets the clock.
    virtual QDateTime now() const = 0;
    // Milliseconds from an arbitrary origin that only ever move forward, time asleep
    // included, whatever anyone does to the time of day. An on-screen countdown fixes its
    // end on it, so that setting the clock neither stretches nor cuts it.
    virtual qint64 monotonicMs() const = 0;
    // The first run comes one interval after the call; repeating work then runs every
    // interval until the handle is cancelled or destroyed.
    virtual CancellableHandle schedule(double intervalSeconds, bool repeats,
                                       std::function<void()> block) = 0;
};
