#pragma once

#include "detection/MediaPlaybackContext.h"

// The outcome of one media evaluation: the context after it and the state before it.
struct MediaPlaybackEvaluation
{
    MediaPlaybackContext context;
    MediaPlaybackState previousState = MediaPlaybackState::inactive;

    // Playback that comes back from its grace period does not start again.
    bool started() const
    {
        return context.state == MediaPlaybackState::active
            && previousState != MediaPlaybackState::active
            && previousState != MediaPlaybackState::ending;
    }
    // A confirmation that falls back to inactive ends nothing.
    bool ended() const
    {
        return context.state == MediaPlaybackState::inactive
            && (previousState == MediaPlaybackState::active
                || previousState == MediaPlaybackState::ending);
    }
};
