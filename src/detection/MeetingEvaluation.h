#pragma once

#include "detection/MeetingContext.h"

// The outcome of one meeting evaluation: the context after it and the state before it.
struct MeetingEvaluation
{
    MeetingContext context;
    MeetingState previousState = MeetingState::inactive;

    // A meeting that comes back from its grace period does not start again.
    bool started() const
    {
        return context.state == MeetingState::active && previousState != MeetingState::active
            && previousState != MeetingState::ending;
    }
    // A confirmation that falls back to inactive ends nothing.
    bool ended() const
    {
        return context.state == MeetingState::inactive
            && (previousState == MeetingState::active || previousState == MeetingState::ending);
    }
};
