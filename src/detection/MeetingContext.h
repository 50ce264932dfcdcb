#pragma once

#include "detection/DetectorType.h"
#include "detection/MeetingState.h"

#include <QDateTime>

#include <optional>

// The published meeting status: the state, the detector behind it, the confidence of the
// detection that drives it and when the current meeting began (the moment its confirmation
// started).
struct MeetingContext
{
    MeetingState state = MeetingState::inactive;
    std::optional<DetectorType> activeDetector;
    double confidence = 0.0;
    std::optional<QDateTime> since;

    // No meeting, no detector, confidence 0, no start.
    static MeetingContext inactive() { return {}; }

    bool operator==(const MeetingContext &other) const = default;
};
