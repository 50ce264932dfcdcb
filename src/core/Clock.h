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

    virtual QDateTime now() const = 0;
    // The first run comes one interval after the call; repeating work then runs every
    // interval until the handle is cancelled or destroyed.
    virtual CancellableHandle schedule(double intervalSeconds, bool repeats,
                                       std::function<void()> block) = 0;
};
