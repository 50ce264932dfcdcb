#include "detection/MeetingSignalMonitor.h"

#include "core/EventQueue.h"
#include "detection/MeetingSignalSource.h"

#include <atomic>

namespace {

// Stands in until the application installs the system's source: nothing runs, plays,
// records or keeps the display awake, so nothing in a test reaches the desktop by accident.
class QuietMeetingSignalSource : public MeetingSignalSource
{
public:
    void startWatching(ChangeHandler) override {}
    void stopWatching() override {}
    void setIncludeMediaSignals(bool) override {}
    void rebuildAudioListeners() override {}
    void prepareReconciliation(std::function<void()> ready) override { ready(); }
    QSet<QString> runningApplications() override { return {}; }
    AudioActivity audioActivity() override { return {}; }
    bool isDefaultInputRunning() override { return false; }
    std::optional<QString> frontmostApplication() override { return std::nullopt; }
    QSet<QString> displaySleepPreventingApplications() override { return {}; }
    bool isAudioAvailable() override { return true; }
};

MeetingSignalSource *&installedSource()
{
    // Never destroyed: the queue's thread may still read it while the process ends.
    static QuietMeetingSignalSource *const quiet = new QuietMeetingSignalSource;
    static MeetingSignalSource *source = quiet;
    return source;
}

std::atomic<MeetingSignalMonitor *> sharedMonitor{nullptr};

} // namespace

MeetingSignalMonitor &MeetingSignalMonitor::shared()
{
    static MeetingSignalMonitor *const monitor = [] {
        auto *made = new MeetingSignalMonitor(sharedQueue(), *installedSource());
        sharedMonitor = made;
        return made;
    }();
    return *monitor;
}

EventQueue &MeetingSignalMonitor::sharedQueue()
{
    // Never destroyed: shutdownShared() ends its thread, and the source still refers to it.
    static EventQueue *const queue =
        new EventQueue(QStringLiteral("local.lumenpause.meeting-signals"));
    return *queue;
}

void MeetingSignalMonitor::installSystemSource(MeetingSignalSource *source)
{
    if (source)
        installedSource() = source;
}

void MeetingSignalMonitor::shutdownShared(std::chrono::milliseconds bound)
{
    MeetingSignalMonitor *monitor = sharedMonitor.load();
    if (!monitor)
        return;
    monitor->stop();
    sharedQueue().shutdown(bound);
}
