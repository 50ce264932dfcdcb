#pragma once

#include "detection/MeetingSignalSnapshot.h"
#include "detection/RunningApplicationsInterest.h"

#include <functional>

// The source of activity-signal snapshots as the wellness scheduler drives it: started with a
// session number and whether media signals are wanted, stopped, and told when no detector
// waits on time (so a periodic snapshot equal to the last one delivered need not be sent).
// Snapshots arrive on the source's own thread, tagged with the session number of the start
// in force; the receiver drops those of any other session. The application's is
// MeetingSignalMonitor.
class ActivitySignals
{
public:
    using SnapshotHandler = std::function<void(const MeetingSignalSnapshot &snapshot, int sessionID)>;
    using AudioAvailabilityHandler = std::function<void(bool available)>;

    virtual ~ActivitySignals() = default;

    // Set once, before the first start.
    virtual void setOnSnapshot(SnapshotHandler handler) = 0;
    // Set once, before the first start: told on the source's own thread, in order with the
    // snapshots, each time the audio readings become impossible (no sound server answers) or
    // possible again. They count as available until told otherwise; while the source is
    // stopped nothing is told, and what was told last still holds.
    virtual void setOnAudioAvailabilityChanged(AudioAvailabilityHandler handler) = 0;
    // Set once, before the first start: snapshots then carry only the running applications
    // the receiver looks at, and only while it looks at any. Without it they carry them all.
    virtual void setRunningApplicationsInterest(RunningApplicationsInterest interest) = 0;
    // From any thread; returns at once. A start while started changes the session number and
    // the media flag in place and delivers a snapshot.
    virtual void start(int sessionID, bool includeMediaSignals) = 0;
    // From any thread; returns at once.
    virtual void stop() = 0;
    // From any thread.
    virtual void setNothingWaitsOnTime(bool nothingWaits) = 0;
};
