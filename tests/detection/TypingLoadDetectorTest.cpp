#include "detection/TypingLoadDetector.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr double noThreshold = 1e9;

// Ten one-second samples, the first `activeSamples` of them with a key press; true when one
// of them made a reminder due.
bool typeBucket(TypingLoadDetector &detector, int activeSamples, double quiet = 1.0,
                double threshold = noThreshold)
{
    bool fired = false;
    for (int second = 0; second < 10; ++second)
        fired = detector.recordSample(1.0, second < activeSamples, quiet, threshold) || fired;
    return fired;
}

} // namespace

TEST(TypingLoadDetectorTest, TheLastMinuteDecidesWhetherTypingIsSteady)
{
    struct Row
    {
        const char *name;
        QList<int> bucketSamples;
        double quiet;
        bool sustained;
        double load;
    };
    const Row rows[] = {
        {"six buckets of 3 credit a minute at once", {3, 3, 3, 3, 3, 3}, 1.0, true, 60.0},
        {"a seventh adds one bucket", {3, 3, 3, 3, 3, 3, 3}, 1.0, true, 70.0},
        {"four active and two empty: 12 samples", {3, 3, 0, 3, 0, 3}, 1.0, false, 0.0},
        {"four active of 4 and two empty: 16 samples", {4, 4, 0, 4, 0, 4}, 1.0, true, 40.0},
        {"three active buckets are not enough", {10, 10, 10, 2, 2, 2}, 1.0, false, 0.0},
        {"five buckets are not a minute", {10, 10, 10, 10, 10}, 1.0, false, 0.0},
        {"20 s of quiet is not steady typing", {3, 3, 3, 3, 3, 3}, 20.0, false, 0.0},
        {"just under 20 s still is", {3, 3, 3, 3, 3, 3}, 19.9, true, 60.0},
        {"30 s of quiet starts afresh", {3, 3, 3, 3, 3, 3}, 30.0, false, 0.0},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        TypingLoadDetector detector;
        for (int samples : row.bucketSamples)
            typeBucket(detector, samples, row.quiet);
        EXPECT_EQ(detector.isSustained(), row.sustained);
        EXPECT_EQ(detector.accumulatedLoad(), row.load);
    }
}

TEST(TypingLoadDetectorTest, ABucketCountsAtMostTenSamplesAndASampleCountsWhereItsTimeBegins)
{
    TypingLoadDetector detector;
    typeBucket(detector, 10);
    ASSERT_EQ(detector.buckets().size(), 1);
    EXPECT_EQ(detector.buckets().first().activeSamples, 10);

    // Twenty half-second samples, all active, fill one bucket: it keeps 10.
    for (int sample = 0; sample < 20; ++sample)
        detector.recordSample(0.5, true, 0.0, noThreshold);
    ASSERT_EQ(detector.buckets().size(), 2);
    EXPECT_EQ(detector.buckets().last(), (TypingActivityBucket{1, 10}));
    EXPECT_EQ(detector.snapshot().activeSamples, 20);

    // 9.5 s into a bucket, a 1-s sample closes it with its press and leaves 0.5 s open.
    for (int sample = 0; sample < 19; ++sample)
        detector.recordSample(0.5, false, 0.0, noThreshold);
    ASSERT_EQ(detector.currentBucketElapsed(), 9.5);
    detector.recordSample(1.0, true, 0.0, noThreshold);
    EXPECT_EQ(detector.buckets().last(), (TypingActivityBucket{2, 1}));
    EXPECT_EQ(detector.currentBucketElapsed(), 0.5);
    EXPECT_EQ(detector.currentBucketActiveSamples(), 0);

    // A sample of no real length counts where it falls and moves no time.
    detector.recordSample(std::numeric_limits<double>::quiet_NaN(), true, 0.0, noThreshold);
    detector.recordSample(std::numeric_limits<double>::infinity(), true, 0.0, noThreshold);
    EXPECT_EQ(detector.buckets().size(), 3);
    EXPECT_EQ(detector.currentBucketElapsed(), 0.5);
    EXPECT_EQ(detector.currentBucketActiveSamples(), 2);
}

TEST(TypingLoadDetectorTest, AReminderAtTheThresholdThenNothingUntilAFreshSession)
{
    constexpr double threshold = 300.0;
    TypingLoadDetector detector;
    QList<int> firedAtBucket;
    for (int bucket = 1; bucket <= 40; ++bucket) {
        if (typeBucket(detector, 3, 1.0, threshold))
            firedAtBucket.append(bucket);
    }
    // Six buckets credited when steady typing is first seen, then one per bucket: the 30th
    // credit comes with the 30th bucket.
    EXPECT_EQ(firedAtBucket, QList<int>({30}));
    EXPECT_EQ(detector.accumulatedLoad(), 0.0);
    EXPECT_TRUE(detector.isWaitingForFreshSession());
    EXPECT_FALSE(detector.isSustained());

    // 29 s of quiet does not make a fresh session; 30 s does, and load gathers again.
    typeBucket(detector, 3, 29.0, threshold);
    EXPECT_TRUE(detector.isWaitingForFreshSession());
    detector.recordSample(1.0, false, 30.0, threshold);
    EXPECT_EQ(detector.snapshot(), (TypingLoadSnapshot{0, 0, 0, 0.0, 30.0, false, false}));
    for (int bucket = 0; bucket < 6; ++bucket)
        typeBucket(detector, 3, 1.0, threshold);
    EXPECT_EQ(detector.accumulatedLoad(), 60.0);
    EXPECT_EQ(detector.snapshot(), (TypingLoadSnapshot{6, 6, 18, 60.0, 1.0, true, false}));
}
