#pragma once

#include "detection/ActivitySignals.h"

#include <QList>

#include <optional>

// Activity signals the test delivers. Starts and stops are recorded; a snapshot is handed
// to the receiver at once, on the calling thread, tagged with the session of the start in
// force (or with any session the test names, to play a late one). Audio availability is told
// as the test sets it, every time, so that the receiver's own filtering shows.
class FakeActivitySignals : public ActivitySignals
{
public:
    struct Start
    {
        int sessionID;
        bool includeMediaSignals;
    };

    void setOnSnapshot(SnapshotHandler handler) override { m_handler = std::move(handler); }
    void setOnAudioAvailabilityChanged(AudioAvailabilityHandler handler) override
    {
        m_availabilityHandler = std::move(handler);
    }
    void setRunningApplicationsInterest(RunningApplicationsInterest interest) override
    {
        m_runningInterest = std::move(interest);
    }
    void start(int sessionID, bool includeMediaSignals) override;
    void stop() override;
    void setNothingWaitsOnTime(bool nothingWaits) override
    {
        m_nothingWaitsOnTime = nothingWaits;
        ++m_nothingWaitsUpdates;
    }

    void deliver(const MeetingSignalSnapshot &snapshot);
    void deliver(const MeetingSignalSnapshot &snapshot, int sessionID);
    // As a sound server going away (false) or coming back (true) is told.
    void setAudioAvailable(bool available);

    bool isStarted() const { return m_started; }
    const QList<Start> &starts() const { return m_starts; }
    int stops() const { return m_stops; }
    // The session of the start in force; none while stopped.
    std::optional<int> sessionID() const;
    bool nothingWaitsOnTime() const { return m_nothingWaitsOnTime; }
    // Each is a wake-up of the real monitor's thread.
    int nothingWaitsUpdates() const { return m_nothingWaitsUpdates; }
    const std::optional<RunningApplicationsInterest> &runningInterest() const
    {
        return m_runningInterest;
    }

private:
    SnapshotHandler m_handler;
    AudioAvailabilityHandler m_availabilityHandler;
    bool m_started = false;
    QList<Start> m_starts;
    int m_stops = 0;
    bool m_nothingWaitsOnTime = false;
    int m_nothingWaitsUpdates = 0;
    std::optional<RunningApplicationsInterest> m_runningInterest;
};
