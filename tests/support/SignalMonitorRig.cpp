#include "support/SignalMonitorRig.h"

#include <QTest>

LinuxMeetingSignalSource::Options SignalMonitorRig::sessionOptions()
{
    LinuxMeetingSignalSource::Options options;
    options.x11Display = qgetenv("DISPLAY");
    return options;
}

SignalMonitorRig::SignalMonitorRig(LinuxMeetingSignalSource::Options options,
                                   double reconciliationSeconds)
    : m_source(std::make_unique<LinuxMeetingSignalSource>(m_queue, std::move(options)))
    , m_monitor(std::make_unique<MeetingSignalMonitor>(m_queue, *m_source, reconciliationSeconds))
{
    m_monitor->setOnSnapshot([this](const MeetingSignalSnapshot &snapshot, int sessionID) {
        std::lock_guard lock(m_mutex);
        m_deliveries.append({EventQueue::monotonicSeconds(), sessionID, snapshot});
    });
}

SignalMonitorRig::~SignalMonitorRig()
{
    m_monitor.reset();
    m_queue.shutdown(std::chrono::milliseconds::max());
}

QList<SignalMonitorRig::Delivery> SignalMonitorRig::deliveries() const
{
    std::lock_guard lock(m_mutex);
    return m_deliveries;
}

std::optional<double> SignalMonitorRig::waitFor(const Condition &condition, double since,
                                                double deadlineSeconds) const
{
    std::optional<double> metAt;
    [[maybe_unused]] const bool met = QTest::qWaitFor(
        [&] {
            for (const Delivery &delivery : deliveries()) {
                if (delivery.atSeconds >= since && condition(delivery.snapshot)) {
                    metAt = delivery.atSeconds;
                    return true;
                }
            }
            return false;
        },
        int(deadlineSeconds * 1000));
    return metAt ? std::optional<double>(*metAt - since) : std::nullopt;
}

std::optional<MeetingSignalSnapshot> SignalMonitorRig::latestSince(double since) const
{
    const QList<Delivery> all = deliveries();
    if (all.isEmpty() || all.last().atSeconds < since)
        return std::nullopt;
    return all.last().snapshot;
}
