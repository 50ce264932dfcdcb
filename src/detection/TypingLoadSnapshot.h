#pragma once

// What the typing-load detector publishes: the closed buckets of the last minute and how
// many of them were active, the samples counted in them and the open bucket, the load
// gathered toward the threshold, the keyboard quiet time at the last sample, and the two
// flags. The empty snapshot is all zeros and false.
struct TypingLoadSnapshot
{
    int completedBuckets = 0;
    int activeBuckets = 0;
    int activeSamples = 0;
    double accumulatedLoad = 0.0;
    double quietSeconds = 0.0;
    bool isSustained = false;
    bool isWaitingForFreshSession = false;

    bool operator==(const TypingLoadSnapshot &other) const = default;
};
