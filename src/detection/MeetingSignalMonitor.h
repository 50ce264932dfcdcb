#pragma once

#include "detection/ActivitySignals.h"

#include <chrono>
#include <memory>

class EventQueue;
class Executor;
class MeetingSignalSource;

// Gathers the activity signals on its executor and hands each snapshot to its owner: once
// at every start, 0.15 s after the last of a burst of change events, and every 2 s to make
// up for an event that never came. It holds no detection logic. All of its state lives on
// the executor; start, stop and the flag only post there, so no caller ever waits for it.
class MeetingSignalMonitor : public ActivitySignals
{
public:
    static constexpr double kDebounceSeconds = 0.15;
    static constexpr double kReconciliationSeconds = 2.0;
    static constexpr double kReconciliationLeewaySeconds = 0.15;

    // The source is called on the executor only; both must outlive the monitor's last work
    // there. `reconciliationSeconds` spaces the periodic readings; made long, every snapshot
    // after a start is an event's.
    MeetingSignalMonitor(Executor &executor, MeetingSignalSource &source,
                         double reconciliationSeconds = kReconciliationSeconds);
    // Stops on the executor; work still pending there finds the monitor gone and does nothing.
    ~MeetingSignalMonitor() override;
    MeetingSignalMonitor(const MeetingSignalMonitor &) = delete;
    MeetingSignalMonitor &operator=(const MeetingSignalMonitor &) = delete;

    // The application's monitor, made on first use over the installed source (a quiet one
    // when none was installed) on the shared queue; never destroyed.
    static MeetingSignalMonitor &shared();
    // The queue "local.lumenpause.meeting-signals" the shared monitor and its source run on.
    static EventQueue &sharedQueue();
    // Before the first shared(). The source must live as long as the process.
    static void installSystemSource(MeetingSignalSource *source);
    // Once at exit, after the event loop: stops the shared monitor and ends its queue's
    // thread, waiting at most `bound`. Nothing to do when the monitor was never made.
    static void shutdownShared(std::chrono::milliseconds bound);

    void setOnSnapshot(SnapshotHandler handler) override;
    void setOnAudioAvailabilityChanged(AudioAvailabilityHandler handler) override;
    void setRunningApplicationsInterest(RunningApplicationsInterest interest) override;
    void start(int sessionID, bool includeMediaSignals) override;
    void stop() override;
    void setNothingWaitsOnTime(bool nothingWaits) override;

private:
    class Core;

    Executor &m_executor;
    std::shared_ptr<Core> m_core;
};
