#include "support/FakeClock.h"

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

} // namespace

FakeClock::FakeClock(QDateTime start)
    : m_state(std::make_shared<State>(State{std::move(start), {}}))
{
}

QDateTime FakeClock::now() const
{
    return m_state->now;
}

CancellableHandle FakeClock::schedule(double intervalSeconds, bool repeats,
                                      std::function<void()> block)
{
    const QUuid id = QUuid::createUuid();
    m_state->blocks.append({id, m_state->now.addMSecs(toMs(intervalSeconds)),
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
    const QDateTime target = m_state->now.addMSecs(toMs(seconds));
    for (;;) {
        // The earliest due block; among equal fire dates the one scheduled first.
        qsizetype next = -1;
        for (qsizetype i = 0; i < m_state->blocks.size(); ++i) {
            const QDateTime &fire = m_state->blocks[i].fireDate;
            if (fire <= target && (next < 0 || fire < m_state->blocks[next].fireDate))
                next = i;
        }
        if (next < 0)
            break;

        ScheduledBlock due = m_state->blocks[next];
        if (due.fireDate > m_state->now)
            m_state->now = due.fireDate;
        if (due.interval && *due.interval > 0) {
            // Like a real timer, work missed across a jump of setNow() runs once, not once
            // per missed interval.
            const qint64 intervalMs = toMs(*due.interval);
            QDateTime nextFire = due.fireDate.addMSecs(intervalMs);
            if (nextFire <= m_state->now)
                nextFire = m_state->now.addMSecs(intervalMs);
            m_state->blocks[next].fireDate = nextFire;
        } else
            m_state->blocks.removeAt(next);
        due.block();
    }
    m_state->now = target;
}

void FakeClock::setNow(const QDateTime &now)
{
    m_state->now = now;
}

const QList<FakeClock::ScheduledBlock> &FakeClock::scheduledBlocks() const
{
    return m_state->blocks;
}
