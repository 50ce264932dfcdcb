#pragma once

#include "core/Clock.h"

#include <QObject>

#include <unordered_map>

// The real clock: wall time, the kernel's clock since boot (which counts suspended time,
// unlike the monotonic clock Qt's timers run on) and Qt timers on the thread that owns it
// (the main thread).
// Repeating work with an interval of whole seconds runs on the whole seconds of the system's
// monotonic clock, so the one-second ticks of several components wake the process once
// between them rather than each on its own phase. Other timers are coarse (within 5 %). A
// firing that falls while the thread is busy is not made up afterwards.
class SystemClock : public QObject, public Clock
{
public:
    explicit SystemClock(QObject *parent = nullptr);

    QDateTime now() const override;
    qint64 monotonicMs() const override;
    CancellableHandle schedule(double intervalSeconds, bool repeats,
                               std::function<void()> block) override;

    // Stops the work scheduled under that token; unknown or spent tokens are ignored.
    void cancelScheduled(quint64 token);

protected:
    void timerEvent(QTimerEvent *event) override;

private:
    struct Entry
    {
        int timerId;
        bool repeats;
        std::shared_ptr<const std::function<void()>> block;
    };
    // Tokens are never reused, unlike Qt's timer ids, so a stale handle cannot cancel
    // work scheduled after its own has ended.
    quint64 m_nextToken = 1;
    std::unordered_map<quint64, Entry> m_entries;
    std::unordered_map<int, quint64> m_tokenByTimerId;
};
