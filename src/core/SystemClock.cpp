#include "core/SystemClock.h"

#include <QPointer>
#include <QTimerEvent>

#include <chrono>
#include <cmath>
#include <ctime>

namespace {

class TimerCancellable : public Cancellable
{
public:
    TimerCancellable(SystemClock *clock, quint64 token)
        : m_clock(clock)
        , m_token(token)
    {
    }
    ~TimerCancellable() override { cancel(); }

    void cancel() override
    {
        if (m_clock)
            m_clock->cancelScheduled(m_token);
        m_clock = nullptr;
    }

private:
    QPointer<SystemClock> m_clock;
    quint64 m_token;
};

// Whole-second timers fire within half a second of their due time. That is fine for a
// periodic tick, but a one-shot could come that much early, so one-shots stay coarse.
Qt::TimerType timerTypeFor(int intervalMs, bool repeats)
{
    const bool wholeSeconds = intervalMs >= 1000 && intervalMs % 1000 == 0;
    return repeats && wholeSeconds ? Qt::VeryCoarseTimer : Qt::CoarseTimer;
}

} // namespace

SystemClock::SystemClock(QObject *parent)
    : QObject(parent)
{
}

QDateTime SystemClock::now() const
{
    return QDateTime::currentDateTime();
}

// A countdown must count the time the machine slept, as the time of day does, yet not move
// when the time of day is set: only the clock since boot does both.
qint64 SystemClock::monotonicMs() const
{
    timespec sinceBoot{};
    if (clock_gettime(CLOCK_BOOTTIME, &sinceBoot) == 0)
        return qint64(sinceBoot.tv_sec) * 1000 + sinceBoot.tv_nsec / 1'000'000;
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

CancellableHandle SystemClock::schedule(double intervalSeconds, bool repeats,
                                        std::function<void()> block)
{
    const int intervalMs = int(std::lround(std::clamp(intervalSeconds, 0.0, 2e6) * 1000.0));
    const int timerId = startTimer(intervalMs, timerTypeFor(intervalMs, repeats));
    if (timerId == 0)
        return std::make_unique<TimerCancellable>(nullptr, 0);
    const quint64 token = m_nextToken++;
    m_entries.emplace(token, Entry{timerId, repeats,
                                   std::make_shared<const std::function<void()>>(std::move(block))});
    m_tokenByTimerId.emplace(timerId, token);
    return std::make_unique<TimerCancellable>(this, token);
}

void SystemClock::cancelScheduled(quint64 token)
{
    const auto it = m_entries.find(token);
    if (it == m_entries.end())
        return;
    killTimer(it->second.timerId);
    m_tokenByTimerId.erase(it->second.timerId);
    m_entries.erase(it);
}

void SystemClock::timerEvent(QTimerEvent *event)
{
    const auto tokenIt = m_tokenByTimerId.find(event->timerId());
    if (tokenIt == m_tokenByTimerId.end())
        return;
    const quint64 token = tokenIt->second;
    const Entry &entry = m_entries.at(token);
    // Keep the block alive while it runs: it may cancel its own work or destroy its handle.
    const auto block = entry.block;
    if (!entry.repeats)
        cancelScheduled(token);
    (*block)();
}
