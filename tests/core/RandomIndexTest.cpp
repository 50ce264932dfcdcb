#include "core/RandomIndex.h"
#include "support/LogCapture.h"

#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>
#include <vector>

namespace {

// Hands out scripted 64-bit draws in order and counts how many were taken.
class ScriptedBits
{
public:
    explicit ScriptedBits(std::vector<std::uint64_t> draws) : m_draws(std::move(draws)) {}

    std::function<std::uint64_t()> source()
    {
        // Throwing ends the test instead of letting a wrong rule reject forever.
        return [this] {
            if (m_taken >= m_draws.size())
                throw std::logic_error("drew more often than scripted");
            return m_draws[m_taken++];
        };
    }
    size_t taken() const { return m_taken; }

private:
    std::vector<std::uint64_t> m_draws;
    size_t m_taken = 0;
};

constexpr std::uint64_t kAllOnes = std::numeric_limits<std::uint64_t>::max();

} // namespace

TEST(RandomIndexTest, ScriptedDrawsFollowTheMultiplyAndRejectRule)
{
    // n = 3: (2^64 - 3) mod 3 is 1, so only a draw whose product has a zero low half is
    // rejected. Zero is such a draw; all ones gives 3 * 2^64 - 3, whose high half is 2.
    ScriptedBits rejectThenAccept({0, kAllOnes});
    EXPECT_EQ(randomIndexFrom(3, rejectThenAccept.source()), 2);
    EXPECT_EQ(rejectThenAccept.taken(), 2u);

    // The inverse of 3 modulo 2^64 makes a product with low half exactly at the threshold,
    // which must be accepted (high half 2).
    ScriptedBits atThreshold({0xAAAAAAAAAAAAAAABull});
    EXPECT_EQ(randomIndexFrom(3, atThreshold.source()), 2);
    EXPECT_EQ(atThreshold.taken(), 1u);

    // The result is the high half of the product (5 * 2^64 + 10), not the draw modulo n (9).
    ScriptedBits highHalf({0x8000000000000001ull});
    EXPECT_EQ(randomIndexFrom(10, highHalf.source()), 5);

    // A power of two divides 2^64 evenly: nothing is ever rejected, zero included.
    ScriptedBits powerOfTwo({0});
    EXPECT_EQ(randomIndexFrom(4, powerOfTwo.source()), 0);
    EXPECT_EQ(powerOfTwo.taken(), 1u);

    // The largest bound still maps the top draw just below itself.
    const qsizetype largest = std::numeric_limits<qsizetype>::max();
    ScriptedBits top({kAllOnes});
    EXPECT_EQ(randomIndexFrom(largest, top.source()), largest - 1);
}

TEST(RandomIndexTest, BoundOfZeroOrLessGivesZeroWithoutDrawingAndLogs)
{
    LogCapture log;
    ScriptedBits none({});
    EXPECT_EQ(randomIndexFrom(0, none.source()), 0);
    EXPECT_EQ(randomIndexFrom(-5, none.source()), 0);
    EXPECT_EQ(none.taken(), 0u);
    EXPECT_TRUE(log.contains("General", "random_index_invalid_bound | n=0"));
    EXPECT_TRUE(log.contains("General", "random_index_invalid_bound | n=-5"));
}

TEST(RandomIndexTest, SmallAndLargeBoundsStayInRange)
{
    for (int i = 0; i < 1000; ++i)
        ASSERT_EQ(randomIndex(1), 0);

    int seen[3] = {0, 0, 0};
    for (int i = 0; i < 3000; ++i) {
        const qsizetype index = randomIndex(3);
        ASSERT_GE(index, 0);
        ASSERT_LT(index, 3);
        ++seen[index];
    }
    // About 1000 each; missing one entirely would mean a biased mapping.
    for (int count : seen)
        EXPECT_GT(count, 0);

    const qsizetype largest = std::numeric_limits<qsizetype>::max();
    for (int i = 0; i < 1000; ++i) {
        const qsizetype index = randomIndex(largest);
        ASSERT_GE(index, 0);
        ASSERT_LT(index, largest);
    }
}

TEST(RandomIndexTest, DrawsAreUniformByChiSquare)
{
    constexpr int kCells = 200;
    constexpr int kDraws = 200000;
    std::vector<int> counts(kCells, 0);
    for (int i = 0; i < kDraws; ++i) {
        const qsizetype index = randomIndex(kCells);
        ASSERT_GE(index, 0);
        ASSERT_LT(index, kCells);
        ++counts[size_t(index)];
    }

    const double expected = double(kDraws) / kCells;
    double chiSquare = 0;
    for (int count : counts)
        chiSquare += (count - expected) * (count - expected) / expected;

    // 199 degrees of freedom. Both tails at p = 1e-6, so a sound generator fails about once
    // in a million runs: too large means bias, too small means draws that are not random
    // (a counter walking round the cells, say).
    EXPECT_LT(chiSquare, 308.6);
    EXPECT_GT(chiSquare, 118.1);
}
