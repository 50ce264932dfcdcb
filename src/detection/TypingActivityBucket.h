#pragma once

// Ten seconds of keyboard samples: how many of them saw a key go down (at most 10). Ids run
// on from 0 since the detector was last reset.
struct TypingActivityBucket
{
    int id = 0;
    int activeSamples = 0;

    bool operator==(const TypingActivityBucket &other) const = default;
};
