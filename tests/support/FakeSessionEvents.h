#pragma once

#include "core/SessionEvents.h"

// Sleep, wake and session changes that the test makes happen, emitted at once on the calling
// thread as the system source emits on the main thread. Nothing is filtered: a test can
// repeat a sleep or a lock to see that the consumer copes, which the system source itself
// never does.
class FakeSessionEvents : public SessionEvents
{
    Q_OBJECT

public:
    using SessionEvents::SessionEvents;

    void emitSystemWillSleep();
    void emitSystemDidWake();
    void emitSessionDidResignActive();
    void emitSessionDidBecomeActive();
};
