#pragma once

#include "core/Executor.h"

#include <QList>

#include <vector>

class FakeClock;

// An executor on a FakeClock: posted work runs at the clock's current time, timed work when
// the clock passes its moment. Nothing runs until the test advances the clock (advance(0)
// runs what is posted).
class FakeExecutor : public Executor
{
public:
    struct Scheduled
    {
        double delaySeconds;
        double leewaySeconds;
        bool repeats;
    };

    explicit FakeExecutor(FakeClock &clock);

    void post(std::function<void()> work) override;
    CancellableHandle schedule(double delaySeconds, double leewaySeconds, bool repeats,
                               std::function<void()> work) override;

    // Every schedule() call so far, in order.
    const QList<Scheduled> &scheduled() const { return m_scheduled; }
    // How many repeating timers of this interval are pending on the clock.
    int pendingRepeatingTimers(double intervalSeconds) const;

private:
    FakeClock &m_clock;
    std::vector<CancellableHandle> m_posted;
    QList<Scheduled> m_scheduled;
};
