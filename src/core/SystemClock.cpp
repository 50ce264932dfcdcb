#include "core/SystemClock.h"

#include <QPointer>
#include <QTimerEvent>

#include <cmath>

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
