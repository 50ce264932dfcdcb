#include "detection/TypingLoadDetector.h"

#include <algorithm>
#include <cmath>

bool TypingLoadDetector::recordSample(double deltaSeconds, bool isActive, double keyIdleSeconds,
                                      double thresholdSeconds)
{
    const double quiet = std::max(keyIdleSeconds, 0.0);
    m_quietSeconds = quiet;
    if (quiet >= resetQuietSeconds) {
        reset(quiet);
        return false;
    }
    if (quiet >= unsustainedQuietSeconds)
        m_isSustained = false;

    bool fire = false;
    bool pending = isActive;
    double elapsed = m_currentBucketElapsed;
    // A sample of no real length counts without moving time: an endless one would close
    // buckets for ever, a negative one would run time back.
    double delta = std::isfinite(deltaSeconds) ? std::max(deltaSeconds, 0.0) : 0.0;
    // A sample longer than what the open bucket has left closes it and runs on into the next.
    for (;;) {
        const double step = std::min(bucketSeconds - elapsed, delta);
        elapsed += step;
        delta -= step;
        if (pending) {
            ++m_currentBucketActiveSamples;
            pending = false;
        }
        if (elapsed < bucketSeconds) {
            if (delta <= 0) {
                m_currentBucketElapsed = elapsed;
                return fire;
            }
            continue;
        }
        fire = closeBucket(thresholdSeconds) || fire;
        m_currentBucketElapsed = 0.0;
        m_currentBucketActiveSamples = 0;
        elapsed = 0.0;
        if (delta <= 0)
            return fire;
    }
}

bool TypingLoadDetector::closeBucket(double thresholdSeconds)
{
    m_buckets.append({m_nextBucketID, std::min(m_currentBucketActiveSamples, maxSamplesPerBucket)});
    ++m_nextBucketID;
    while (m_buckets.size() > keptBuckets)
        m_buckets.removeFirst();

    int activeBuckets = 0;
    int totalSamples = 0;
    for (const TypingActivityBucket &bucket : std::as_const(m_buckets)) {
        activeBuckets += bucket.activeSamples >= activeBucketSamples ? 1 : 0;
        totalSamples += bucket.activeSamples;
    }
    if (!lastMinuteIsSustained(activeBuckets, totalSamples)) {
        m_isSustained = false;
        return false;
    }
    m_isSustained = !m_isWaitingForFreshSession;
    if (m_isWaitingForFreshSession)
        return false;
    creditNewActiveBuckets();
    if (m_accumulatedLoad < thresholdSeconds)
        return false;
    m_accumulatedLoad = 0.0;
    m_isSustained = false;
    m_isWaitingForFreshSession = true;
    return true;
}

bool TypingLoadDetector::lastMinuteIsSustained(int activeBuckets, int totalSamples) const
{
    return m_buckets.size() == keptBuckets && activeBuckets >= sustainedActiveBuckets
        && totalSamples >= sustainedSamples && m_quietSeconds < unsustainedQuietSeconds;
}

// When steady typing is first recognised, every active bucket of the last minute counts at
// once; afterwards only the bucket just closed is new.
void TypingLoadDetector::creditNewActiveBuckets()
{
    for (const TypingActivityBucket &bucket : std::as_const(m_buckets)) {
        if (bucket.activeSamples < activeBucketSamples || bucket.id <= m_lastCreditedBucketID)
            continue;
        m_accumulatedLoad += loadPerBucketSeconds;
        m_lastCreditedBucketID = bucket.id;
    }
}

void TypingLoadDetector::reset(double quietSeconds)
{
    *this = TypingLoadDetector();
    m_quietSeconds = quietSeconds;
}

TypingLoadSnapshot TypingLoadDetector::snapshot() const
{
    TypingLoadSnapshot snapshot;
    snapshot.completedBuckets = int(m_buckets.size());
    snapshot.activeSamples = m_currentBucketActiveSamples;
    for (const TypingActivityBucket &bucket : m_buckets) {
        snapshot.activeBuckets += bucket.activeSamples >= activeBucketSamples ? 1 : 0;
        snapshot.activeSamples += bucket.activeSamples;
    }
    snapshot.accumulatedLoad = m_accumulatedLoad;
    snapshot.quietSeconds = m_quietSeconds;
    snapshot.isSustained = m_isSustained;
    snapshot.isWaitingForFreshSession = m_isWaitingForFreshSession;
    return snapshot;
}
