#pragma once

#include "detection/MediaPlaybackSource.h"
#include "detection/MediaPlaybackState.h"

#include <QDateTime>

#include <optional>

// The published media status: the state, the kind of application and the confidence of the
// evidence that drives it, when the playback began (the moment its confirmation started) and
// what the evidence was made of.
struct MediaPlaybackContext
{
    MediaPlaybackState state = MediaPlaybackState::inactive;
    std::optional<MediaPlaybackSource> source;
    double confidence = 0.0;
    std::optional<QDateTime> since;
    bool hasActiveOutput = false;
    bool hasDisplaySleepAssertion = false;
    bool isFrontmost = false;

    // No playback, no source, confidence 0, no start, no evidence.
    static MediaPlaybackContext inactive() { return {}; }

    bool operator==(const MediaPlaybackContext &other) const = default;
};
