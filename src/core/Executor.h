#pragma once

#include "core/Cancellable.h"

#include <functional>

// A serial executor: work handed to it runs one block at a time on its own thread, in the
// order it was posted, and timed work runs there too. EventQueue is the real one; tests
// drive a fake on simulated time.
class Executor
{
public:
    virtual ~Executor() = default;

    // From any thread; never waits for the work.
    virtual void post(std::function<void()> work) = 0;
    // On the executor only. The first run comes `delaySeconds` after the call; repeating
    // work then runs every `delaySeconds` until the handle is cancelled or destroyed. A run
    // may move by up to `leewaySeconds` so that it shares a wake-up with other work.
    virtual CancellableHandle schedule(double delaySeconds, double leewaySeconds, bool repeats,
                                       std::function<void()> work) = 0;
};
