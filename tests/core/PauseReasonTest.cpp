#include "core/PauseReason.h"

#include <gtest/gtest.h>

TEST(PauseReasonTest, RawValuesAreTheCaseNamesAndSetsListThemInDeclarationOrder)
{
    for (PauseReason reason : allPauseReasons())
        EXPECT_EQ(pauseReasonFromRawValue(pauseReasonLogName(reason)), reason);
    EXPECT_FALSE(pauseReasonFromRawValue("Manual"));
    EXPECT_EQ(pauseReasonLogName(std::nullopt), "unknown");

    PauseReasonSet reasons;
    EXPECT_TRUE(reasons.insert(PauseReason::manual));
    EXPECT_TRUE(reasons.insert(PauseReason::displaySleep));
    EXPECT_TRUE(reasons.insert(PauseReason::officeHours));
    EXPECT_FALSE(reasons.insert(PauseReason::manual));
    EXPECT_EQ(reasons.size(), 3);
    EXPECT_EQ(pauseReasonLogNames(reasons),
              QStringList({"officeHours", "displaySleep", "manual"}));
    EXPECT_TRUE(reasons.remove(PauseReason::displaySleep));
    EXPECT_FALSE(reasons.remove(PauseReason::displaySleep));
    EXPECT_EQ(reasons, PauseReasonSet({PauseReason::manual, PauseReason::officeHours}));
}
