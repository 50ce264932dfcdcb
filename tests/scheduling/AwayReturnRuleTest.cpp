#include "scheduling/AwayReturnRule.h"

#include <gtest/gtest.h>

TEST(AwayReturnRuleTest, AbsencesFromTheThresholdOnRestartTheIntervalShorterOnesResume)
{
    using enum IdleReturnOutcome;
    EXPECT_EQ(awayReturnRule(1500, 300, 1199.9, 1200), (AwayReturn{resume, 300}));
    EXPECT_EQ(awayReturnRule(1500, 300, 1200, 1200), (AwayReturn{fullReset, 1500}));
    // The departure never counts for more than a full interval, nor for less than nothing.
    EXPECT_EQ(awayReturnRule(600, 900, 10, 1200), (AwayReturn{resume, 600}));
    EXPECT_EQ(awayReturnRule(600, -4, 10, 1200), (AwayReturn{resume, 0}));
    // No time away is a resume, however small the threshold; a threshold below one second
    // counts as one.
    EXPECT_EQ(awayReturnRule(600, 120, 0, 0), (AwayReturn{resume, 120}));
    EXPECT_EQ(awayReturnRule(600, 120, -30, 0), (AwayReturn{resume, 120}));
    EXPECT_EQ(awayReturnRule(600, 120, 0.9, 0.5), (AwayReturn{resume, 120}));
    EXPECT_EQ(awayReturnRule(600, 120, 1, 0.5), (AwayReturn{fullReset, 600}));
    // An interval of a second or less restarts as one second.
    EXPECT_EQ(awayReturnRule(0, 120, 5000, 1200), (AwayReturn{fullReset, 1}));
    EXPECT_EQ(awayReturnRule(0.5, 120, 10, 1200), (AwayReturn{resume, 1}));
}
