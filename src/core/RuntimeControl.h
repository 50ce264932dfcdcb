#pragma once

// Starting and stopping the runtime services as a whole, for the parts of the core that must
// quiet the application before they work (the factory reset). The launch coordinator is the
// application's. Main thread only.
class RuntimeControl
{
public:
    virtual ~RuntimeControl() = default;

    virtual bool runtimeServicesStarted() const = 0;
    virtual void startRuntimeServices() = 0;
    virtual void stopRuntimeServices() = 0;
};
