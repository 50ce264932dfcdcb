#pragma once

// Seconds of counted active use since the last reminder of its kind, or since the counter was
// reset.
struct ActiveDurationCounter
{
    double elapsed = 0.0;

    bool operator==(const ActiveDurationCounter &other) const = default;
};
