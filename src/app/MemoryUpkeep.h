#pragma once

#include "core/Cancellable.h"

#include <QObject>

#include <functional>

class AppNotifier;
class Clock;

// Gives back what a break needed once its panels are gone. A break takes tens of megabytes
// for a moment (screen grabs, full-screen backdrops, the views' caches), and all of it is
// freed with the panels; the allocator would still keep the freed pages. A moment after
// "breakDidHide", when what the fade-out left for deferred deletion is gone too, the free
// pages go back to the system. Main thread only.
class MemoryUpkeep : public QObject
{
    Q_OBJECT

public:
    static constexpr double releaseDelaySeconds = 1.0;

    MemoryUpkeep(Clock &clock, AppNotifier &notifier, std::function<void()> releaseFreePages,
                 QObject *parent = nullptr);

    // The application's: the system clock and notifier, and the C library's heap.
    static void startShared();

private:
    void scheduleRelease();

    Clock &m_clock;
    std::function<void()> m_releaseFreePages;
    CancellableHandle m_pendingRelease;
};
