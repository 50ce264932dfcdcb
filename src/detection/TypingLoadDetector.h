#pragma once

#include "detection/TypingActivityBucket.h"
#include "detection/TypingLoadSnapshot.h"

#include <QList>

// Turns one-second keyboard samples into sustained typing load. Time is cut into 10-second
// buckets; the last six (a minute) decide whether the user types steadily, and every bucket
// of steady typing adds 10 s of load. When the load reaches the threshold a wrist reminder is
// due, and no load gathers again until 30 s of keyboard quiet start a fresh session.
// A plain value: the typing health engine owns one and feeds it.
class TypingLoadDetector
{
public:
    static constexpr double bucketSeconds = 10.0;
    static constexpr int maxSamplesPerBucket = 10;
    static constexpr int keptBuckets = 6;
    static constexpr int activeBucketSamples = 3;
    static constexpr int sustainedActiveBuckets = 4;
    static constexpr int sustainedSamples = 15;
    static constexpr double loadPerBucketSeconds = 10.0;
    // Quiet this long makes typing no longer steady; longer still starts afresh.
    static constexpr double unsustainedQuietSeconds = 20.0;
    static constexpr double resetQuietSeconds = 30.0;

    // Advances by one sample of `deltaSeconds` (the engine clamps it to 0...2 s); true when a
    // reminder is due. An active sample counts once, in the bucket where its time begins.
    bool recordSample(double deltaSeconds, bool isActive, double keyIdleSeconds,
                      double thresholdSeconds);
    // Closes the open bucket and evaluates the last minute; true when a reminder is due.
    bool closeBucket(double thresholdSeconds);
    void reset(double quietSeconds);
    TypingLoadSnapshot snapshot() const;

    const QList<TypingActivityBucket> &buckets() const { return m_buckets; }
    double currentBucketElapsed() const { return m_currentBucketElapsed; }
    int currentBucketActiveSamples() const { return m_currentBucketActiveSamples; }
    double accumulatedLoad() const { return m_accumulatedLoad; }
    bool isSustained() const { return m_isSustained; }
    bool isWaitingForFreshSession() const { return m_isWaitingForFreshSession; }

private:
    bool lastMinuteIsSustained(int activeBuckets, int totalSamples) const;
    void creditNewActiveBuckets();

    QList<TypingActivityBucket> m_buckets;
    double m_currentBucketElapsed = 0.0;
    int m_currentBucketActiveSamples = 0;
    int m_nextBucketID = 0;
    int m_lastCreditedBucketID = -1;
    double m_quietSeconds = 0.0;
    double m_accumulatedLoad = 0.0;
    bool m_isSustained = false;
    bool m_isWaitingForFreshSession = false;
};
