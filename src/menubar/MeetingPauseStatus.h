#pragma once

#include "detection/DetectorType.h"

#include <optional>

// What the tray reads of call and playback detection, and the one thing it asks of it: to
// let breaks run for the rest of the current call or playback ("Resume Anyway").
class MeetingPauseStatus
{
public:
    virtual ~MeetingPauseStatus() = default;

    virtual bool isMeetingActive() const = 0;
    // The user chose to take breaks through the current call.
    virtual bool breaksOverriddenForCurrentMeeting() const = 0;
    virtual bool breaksPausedByMeeting() const = 0;
    virtual bool breaksPausedByMedia() const = 0;
    virtual std::optional<DetectorType> activeDetectorType() const = 0;

    virtual void overrideBreakPauseForCurrentMeeting() = 0;
    virtual void overrideBreakPauseForCurrentMedia() = 0;
};
