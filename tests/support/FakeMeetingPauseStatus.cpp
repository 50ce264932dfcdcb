#include "support/FakeMeetingPauseStatus.h"

void FakeMeetingPauseStatus::overrideBreakPauseForCurrentMeeting()
{
    overriddenForMeeting = true;
    pausedByMeeting = false;
    if (onOverride)
        onOverride();
}

void FakeMeetingPauseStatus::overrideBreakPauseForCurrentMedia()
{
    overriddenForMedia = true;
    pausedByMedia = false;
    if (onOverride)
        onOverride();
}
