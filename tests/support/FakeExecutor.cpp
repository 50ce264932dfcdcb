#include "support/FakeExecutor.h"

#include "support/FakeClock.h"

FakeExecutor::FakeExecutor(FakeClock &clock)
    : m_clock(clock)
{
}

void FakeExecutor::post(std::function<void()> work)
{
    m_posted.push_back(m_clock.schedule(0.0, false, std::move(work)));
}

CancellableHandle FakeExecutor::schedule(double delaySeconds, double leewaySeconds, bool repeats,
                                         std::function<void()> work)
{
    m_scheduled.append({delaySeconds, leewaySeconds, repeats});
    return m_clock.schedule(delaySeconds, repeats, std::move(work));
}

int FakeExecutor::pendingRepeatingTimers(double intervalSeconds) const
{
    int count = 0;
    for (const FakeClock::ScheduledBlock &block : m_clock.scheduledBlocks())
        count += block.interval && *block.interval == intervalSeconds ? 1 : 0;
    return count;
}
