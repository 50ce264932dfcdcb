#include "scheduling/ShortDuration.h"

#include <gtest/gtest.h>

TEST(ShortDurationTest, SecondsBelowAMinuteWholeMinutesAboveBothRoundedUp)
{
    const std::pair<double, const char *> cases[] = {
        {0, "0s"},    {0.4, "1s"}, {59, "59s"},  {59.2, "1m"},
        {60, "1m"},   {61, "2m"},  {1500, "25m"}, {-12, "0s"},
    };
    for (const auto &[seconds, text] : cases)
        EXPECT_EQ(formatShortDuration(seconds).toStdString(), text) << seconds;
}
