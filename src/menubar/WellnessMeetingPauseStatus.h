#pragma once

#include "menubar/MeetingPauseStatus.h"

class WellnessScheduler;

// The wellness scheduler as the tray sees it: the detected call or playback, whether it holds
// breaks, and "Resume Anyway".
class WellnessMeetingPauseStatus : public MeetingPauseStatus
{
public:
    explicit WellnessMeetingPauseStatus(WellnessScheduler &wellness);

    bool isMeetingActive() const override;
    bool breaksOverriddenForCurrentMeeting() const override;
    bool breaksPausedByMeeting() const override;
    bool breaksPausedByMedia() const override;
    std::optional<DetectorType> activeDetectorType() const override;

    void overrideBreakPauseForCurrentMeeting() override;
    void overrideBreakPauseForCurrentMedia() override;

private:
    WellnessScheduler &m_wellness;
};
