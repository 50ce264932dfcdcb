#include "menubar/WellnessMeetingPauseStatus.h"

#include "detection/WellnessScheduler.h"

WellnessMeetingPauseStatus::WellnessMeetingPauseStatus(WellnessScheduler &wellness)
    : m_wellness(wellness)
{
}

bool WellnessMeetingPauseStatus::isMeetingActive() const
{
    return m_wellness.isMeetingActive();
}

bool WellnessMeetingPauseStatus::breaksOverriddenForCurrentMeeting() const
{
    return m_wellness.breaksOverriddenForCurrentMeeting();
}

bool WellnessMeetingPauseStatus::breaksPausedByMeeting() const
{
    return m_wellness.breaksPausedByMeeting();
}

bool WellnessMeetingPauseStatus::breaksPausedByMedia() const
{
    return m_wellness.breaksPausedByMedia();
}

std::optional<DetectorType> WellnessMeetingPauseStatus::activeDetectorType() const
{
    return m_wellness.activeDetectorTypeSnapshot();
}

void WellnessMeetingPauseStatus::overrideBreakPauseForCurrentMeeting()
{
    m_wellness.overrideBreakPauseForCurrentMeeting();
}

void WellnessMeetingPauseStatus::overrideBreakPauseForCurrentMedia()
{
    m_wellness.overrideBreakPauseForCurrentMedia();
}
