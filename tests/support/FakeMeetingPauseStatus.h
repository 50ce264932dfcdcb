#pragma once

#include "menubar/MeetingPauseStatus.h"

#include <functional>

// Call and playback detection as the test scripts it. An override clears the pause it
// overrides, as the wellness scheduler releases breaks for the rest of the call.
class FakeMeetingPauseStatus : public MeetingPauseStatus
{
public:
    bool isMeetingActive() const override { return meetingActive; }
    bool breaksOverriddenForCurrentMeeting() const override { return overriddenForMeeting; }
    bool breaksPausedByMeeting() const override { return pausedByMeeting; }
    bool breaksPausedByMedia() const override { return pausedByMedia; }
    std::optional<DetectorType> activeDetectorType() const override { return detector; }

    void overrideBreakPauseForCurrentMeeting() override;
    void overrideBreakPauseForCurrentMedia() override;

    bool meetingActive = false;
    bool overriddenForMeeting = false;
    bool overriddenForMedia = false;
    bool pausedByMeeting = false;
    bool pausedByMedia = false;
    std::optional<DetectorType> detector;
    // Runs on an override, where the real scheduler resumes the break timer.
    std::function<void()> onOverride;
};
