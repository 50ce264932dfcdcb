#pragma once

#include "core/Clock.h"

#include <QUuid>

#include <optional>

// A clock whose time moves only when the test says so. advance() runs the work that falls
// due on the way, in time order, so a simulated day passes in milliseconds.
class FakeClock : public Clock
{
public:
    struct ScheduledBlock
    {
        QUuid id;
        QDateTime fireDate;
        std::optional<double> interval; // present only for repeating work
        std::function<void()> block;
    };

    explicit FakeClock(QDateTime start = QDateTime(QDate(2025, 3, 4), QTime(9, 0)));

    QDateTime now() const override;
    CancellableHandle schedule(double intervalSeconds, bool repeats,
                               std::function<void()> block) override;

    // Moves time forward, running each block when its fire date is reached. Blocks due at
    // the same moment run in the order they were scheduled; repeating blocks run again
    // every interval; blocks may schedule or cancel work while they run.
    void advance(double seconds);
    // Sets the time without running anything, as a machine does across sleep.
    void setNow(const QDateTime &now);

    const QList<ScheduledBlock> &scheduledBlocks() const;

private:
    struct State
    {
        QDateTime now;
        QList<ScheduledBlock> blocks;
    };
    std::shared_ptr<State> m_state;
};
