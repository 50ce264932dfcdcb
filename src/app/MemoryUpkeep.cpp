#include "app/MemoryUpkeep.h"

#include "core/AppNotifier.h"
#include "core/Clock.h"
#include "core/SystemClock.h"
#include "platform/linux/GlibcHeap.h"

MemoryUpkeep::MemoryUpkeep(Clock &clock, AppNotifier &notifier,
                           std::function<void()> releaseFreePages, QObject *parent)
    : QObject(parent)
    , m_clock(clock)
    , m_releaseFreePages(std::move(releaseFreePages))
{
    connect(&notifier, &AppNotifier::breakDidHide, this, &MemoryUpkeep::scheduleRelease);
}

void MemoryUpkeep::startShared()
{
    GlibcHeap::mapLargeBlocksApart();
    // Kept for the whole process, like the notifier it listens to.
    static SystemClock *const clock = new SystemClock;
    static MemoryUpkeep *const upkeep =
        new MemoryUpkeep(*clock, AppNotifier::instance(), &GlibcHeap::releaseFreePages);
    Q_UNUSED(upkeep);
}

// A later break's end replaces a release still pending: one release serves both.
void MemoryUpkeep::scheduleRelease()
{
    m_pendingRelease =
        m_clock.schedule(releaseDelaySeconds, false, [this] { m_releaseFreePages(); });
}
