#include "support/FakeClock.h"

#include <algorithm>
#include <cmath>

namespace {

class FakeCancellable : public Cancellable
{
public:
    explicit FakeCancellable(std::function<void()> onCancel)
        : m_onCancel(std::move(onCancel))
    {
    }
    ~FakeCancellable() override { cancel(); }

    void cancel() override
    {
        if (auto onCancel = std::exchange(m_onCancel, nullptr))
            onCancel();
    }

private:
    std::function<void()> m_onCancel;
};

qint64 toMs(double seconds)
{
    return qint64(std::llround(seconds * 1000.0));
}

// An origin of its own, so that nothing can take the monotonic reading for a time of day.
constexpr qint64 kMonotonicOriginMs = 7'000'000;

} // namespace

FakeClock::FakeClock(QDateTime start)
    : m_state(std::make_shared<State>(State{std::move(start), kMonotonicOriginMs, {}}))
{
}

QDateTime FakeClock::now() const
{
    return m_state->now;
}

qint64 FakeClock::monotonicMs() const
{
    return m_state->monotonicMs;
}

CancellableHandle FakeClock::schedule(double intervalSeconds, bool repeats,
                                      std::function<void()> block)
{
    const QUuid id = QUuid::createUuid();
    m_state->blocks.append({id, m_state->monotonicMs + toMs(intervalSeconds),
                            repeats ? std::optional<double>(intervalSeconds) : std::nullopt,
                            std::move(block)});
    std::weak_ptr<State> weakState = m_state;
    return std::make_unique<FakeCancellable>([weakState, id] {
        if (auto state = weakState.lock())
            state->blocks.removeIf([&](const ScheduledBlock &b) { return b.id == id; });
    });
}

void FakeClock::advance(double seconds)
{
    const qint64 target = m_state->monotonicMs + toMs(seconds);
    for (;;) {
        // The earliest due block; among equal fire times the one scheduled first.
        qsizetype next = -1;
        for (qsizetype i = 0; i < m_state->blocks.size(); ++i) {
            const qint64 fire = m_state->blocks[i].fireAtMs;
            if (fire <= target && (next < 0 || fire < m_state->blocks[next].fireAtMs))
                next = i;
        }
        if (next < 0)
            break;

        ScheduledBlock due = m_state->blocks[next];
        if (due.fireAtMs > m_state->monotonicMs)
            moveBothTo(due.fireAtMs);
        if (due.interval && *due.interval > 0) {
            // Like a real timer, work missed across skipAhead() runs once, not once per
            // missed interval.
            const qint64 intervalMs = toMs(*due.interval);
            qint64 nextFire = due.fireAtMs + intervalMs;
            if (nextFire <= m_state->monotonicMs)
                nextFire = m_state->monotonicMs + intervalMs;
            m_state->blocks[next].fireAtMs = nextFire;
        } else
            m_state->blocks.removeAt(next);
        due.block();
    }
    moveBothTo(target);
}

void FakeClock::skipAhead(double seconds)
{
    moveBothTo(m_state->monotonicMs + std::max<qint64>(toMs(seconds), 0));
}

void FakeClock::setNow(const QDateTime &now)
{
    m_state->now = now;
}

void FakeClock::moveBothTo(qint64 monotonicMs)
{
    m_state->now = m_state->now.addMSecs(monotonicMs - m_state->monotonicMs);
    m_state->monotonicMs = monotonicMs;
}

const QList<FakeClock::ScheduledBlock> &FakeClock::scheduledBlocks() const
{
    return m_state->blocks;
}
