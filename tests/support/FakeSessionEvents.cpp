#include "support/FakeSessionEvents.h"

void FakeSessionEvents::emitSystemWillSleep()
{
    emit systemWillSleep();
}

void FakeSessionEvents::emitSystemDidWake()
{
    emit systemDidWake();
}

void FakeSessionEvents::emitSessionDidResignActive()
{
    emit sessionDidResignActive();
}

void FakeSessionEvents::emitSessionDidBecomeActive()
{
    emit sessionDidBecomeActive();
}
