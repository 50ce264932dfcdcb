#include "support/FakeMeetingSignalSource.h"

void FakeMeetingSignalSource::emitChange(bool rebuild)
{
    if (m_changed)
        m_changed(rebuild);
}

void FakeMeetingSignalSource::releaseReconciliation()
{
    if (auto ready = std::exchange(m_waitingReconciliation, nullptr))
        ready();
}

void FakeMeetingSignalSource::startWatching(ChangeHandler changed)
{
    ++startWatchingCalls;
    m_changed = std::move(changed);
}

void FakeMeetingSignalSource::stopWatching()
{
    ++stopWatchingCalls;
    // A waiting reconciliation is kept, so a test can show the monitor ignores it.
    m_changed = nullptr;
}

void FakeMeetingSignalSource::prepareReconciliation(std::function<void()> ready)
{
    if (holdReconciliation)
        m_waitingReconciliation = std::move(ready);
    else
        ready();
}

bool FakeMeetingSignalSource::isDefaultInputRunning()
{
    ++defaultInputReads;
    return defaultInputRunning;
}
