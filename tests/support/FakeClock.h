#pragma once

#include "core/Clock.h"

#include <QUuid>

#include <optional>

// A clock whose time moves only when the test says so. advance() runs the work that falls
// due on the way, in time order, so a simulated day passes in milliseconds. Work falls due
// on the monotonic reading, as the system's timers do, so setting the time of day moves no
// timer.
class FakeClock : public Clock
{
public:
    struct ScheduledBlock
    {
        QUuid id;
        qint64 fireAtMs; // on the monotonic reading
        std::optional<double> interval; // present only for repeating work
        std::function<void()> block;
    };

    explicit FakeClock(QDateTime start = QDateTime(QDate(2025, 3, 4), QTime(9, 0)));

    QDateTime now() const override;
    qint64 monotonicMs() const override;
    CancellableHandle schedule(double intervalSeconds, bool repeats,
                               std::function<void()> block) override;

    // Moves both readings forward, running each block when its fire time is reached. Blocks
    // due at the same moment run in the order they were scheduled; repeating blocks run again
    // every interval; blocks may schedule or cancel work while they run.
    void advance(double seconds);
    // Moves both readings forward without running anything, as across system sleep or while
    // the main thread is too busy for its timers: what fell due runs at the next advance(),
    // repeating work once.
    void skipAhead(double seconds);
    // Sets the time of day alone, as the user or the network does: the monotonic reading
    // and every timer stay where they are.
    void setNow(const QDateTime &now);

    const QList<ScheduledBlock> &scheduledBlocks() const;

private:
    struct State
    {
        QDateTime now;
        qint64 monotonicMs = 0;
        QList<ScheduledBlock> blocks;
    };
    void moveBothTo(qint64 monotonicMs);

    std::shared_ptr<State> m_state;
};
