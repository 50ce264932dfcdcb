#include "scheduling/AutoSkipRule.h"

#include <gtest/gtest.h>

TEST(AutoSkipRuleTest, ALostDisplayWinsAndALowBatteryNeedsAReadingBelowTheThreshold)
{
    const AutoSkipInputs both{true, 5, true, true, 20};
    EXPECT_EQ(autoSkipRule(both), "Display recently disconnected");

    AutoSkipInputs battery = both;
    battery.autoSkipDisplayDisconnected = false;
    EXPECT_EQ(autoSkipRule(battery), "Battery below 20% (5%)");
    battery.batteryLevel = 20;
    EXPECT_EQ(autoSkipRule(battery), std::nullopt);
    battery.batteryLevel = std::nullopt;
    EXPECT_EQ(autoSkipRule(battery), std::nullopt);
    battery.batteryLevel = 5;
    battery.autoSkipBatteryLow = false;
    EXPECT_EQ(autoSkipRule(battery), std::nullopt);

    AutoSkipInputs oldDisconnect = both;
    oldDisconnect.displayRecentlyDisconnected = false;
    EXPECT_EQ(autoSkipRule(oldDisconnect), "Battery below 20% (5%)");
}
