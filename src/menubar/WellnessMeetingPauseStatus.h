#pragma once

#include "menubar/MeetingPauseStatus.h"

class WellnessScheduler;

// The wellness scheduler as the tray sees it. The scheduler does not detect calls or
// playback yet: no call is ever active, and there is no pause to override.
class WellnessMeetingPauseStatus : public MeetingPauseStatus
{
public:
    explicit WellnessMeetingPauseStatus(WellnessScheduler &wellness);

    bool isMeetingActive() const override { return false; }
    bool breaksOverriddenForCurrentMeeting() const override { return false; }
    bool breaksPausedByMeeting() const override;
    bool breaksPausedByMedia() const override;
    std::optional<DetectorType> activeDetectorType() const override { return std::nullopt; }

    void overrideBreakPauseForCurrentMeeting() override {}
    void overrideBreakPauseForCurrentMedia() override {}

private:
    WellnessScheduler &m_wellness;
};
