#include "menubar/WellnessMeetingPauseStatus.h"

#include "detection/WellnessScheduler.h"

WellnessMeetingPauseStatus::WellnessMeetingPauseStatus(WellnessScheduler &wellness)
    : m_wellness(wellness)
{
}

bool WellnessMeetingPauseStatus::breaksPausedByMeeting() const
{
    return m_wellness.breaksPausedByMeeting();
}

bool WellnessMeetingPauseStatus::breaksPausedByMedia() const
{
    return m_wellness.breaksPausedByMedia();
}
