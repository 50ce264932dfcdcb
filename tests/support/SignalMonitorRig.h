#pragma once

#include "core/EventQueue.h"
#include "detection/MeetingSignalMonitor.h"
#include "platform/linux/LinuxMeetingSignalSource.h"

#include <QList>

#include <functional>
#include <memory>
#include <mutex>
#include <optional>

// The application's activity signals as they run: the Linux source and the monitor on a
// queue thread of their own, with every snapshot recorded against the moment it came.
class SignalMonitorRig
{
public:
    struct Delivery
    {
        double atSeconds; // on EventQueue::monotonicSeconds()
        int sessionID;
        MeetingSignalSnapshot snapshot;
    };
    using Condition = std::function<bool(const MeetingSignalSnapshot &)>;

    // The desktop of tests/services.sh: its X display, no Wayland.
    static LinuxMeetingSignalSource::Options sessionOptions();
    // A reconciliation period no test lasts: every snapshot after a start came by an event,
    // so a change that shows at all shows that the events carried it.
    static constexpr double kEventsOnly = 3600.0;

    explicit SignalMonitorRig(
        LinuxMeetingSignalSource::Options options = sessionOptions(),
        double reconciliationSeconds = MeetingSignalMonitor::kReconciliationSeconds);
    // Stops the monitor and waits for the queue's thread to end.
    ~SignalMonitorRig();

    MeetingSignalMonitor &monitor() { return *m_monitor; }
    QList<Delivery> deliveries() const;

    // Seconds from `since` to the first snapshot delivered after it that meets the condition;
    // none when the deadline passes first. The event loop turns meanwhile. The deadline is a
    // wait, not a bound: a test bounds the seconds it is given.
    std::optional<double> waitFor(const Condition &condition, double since,
                                  double deadlineSeconds = 15.0) const;
    // The latest snapshot, delivered at or after `since`.
    std::optional<MeetingSignalSnapshot> latestSince(double since) const;

private:
    EventQueue m_queue{QStringLiteral("local.lumenpause.meeting-signals")};
    std::unique_ptr<LinuxMeetingSignalSource> m_source;
    std::unique_ptr<MeetingSignalMonitor> m_monitor;
    mutable std::mutex m_mutex;
    QList<Delivery> m_deliveries;
};
