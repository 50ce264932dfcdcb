#include "support/FakeRuntimeServices.h"

void FakeRuntimeServices::startPlannedBreaks()
{
    plannedStarted = true;
    calls.append("startPlannedBreaks");
}

void FakeRuntimeServices::stopPlannedBreaks()
{
    plannedStarted = false;
    calls.append("stopPlannedBreaks");
}

void FakeRuntimeServices::setHotKeysRuntimeStarted(bool started)
{
    calls.append(started ? "setHotKeysRuntimeStarted(true)" : "setHotKeysRuntimeStarted(false)");
}
