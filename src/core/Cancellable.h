#pragma once

#include <memory>

// A handle on scheduled work. cancel() stops it; cancelling twice is harmless, and
// destroying the handle cancels as well, so work never outlives the object that holds it.
class Cancellable
{
public:
    virtual ~Cancellable() = default;
    virtual void cancel() = 0;
};

using CancellableHandle = std::unique_ptr<Cancellable>;
