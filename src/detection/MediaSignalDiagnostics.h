#pragma once

#include "detection/MediaPlaybackSource.h"

#include <optional>

// What the last activity snapshot held, as the media settings show it: how many applications
// play and record audio, how many keep the display awake, and the kind of the frontmost one.
struct MediaSignalDiagnostics
{
    int activeOutputCount = 0;
    int activeInputCount = 0;
    int displaySleepAssertionCount = 0;
    std::optional<MediaPlaybackSource> frontmostSource;

    bool operator==(const MediaSignalDiagnostics &other) const = default;
};
