#include "core/InfoDictionary.h"

#include <gtest/gtest.h>

TEST(InfoDictionaryTest, StringValuesAreTrimmedAndBlankOrNonStringValuesAreAbsent)
{
    const QVariantMap info = {
        {"CFBundleShortVersionString", " 1.4.2\n"},
        {"Blank", "   "},
        {"Number", 42},
        {"Empty", ""},
    };
    EXPECT_EQ(readInfoPlistString(info, "CFBundleShortVersionString"), "1.4.2");
    EXPECT_FALSE(readInfoPlistString(info, "Blank"));
    EXPECT_FALSE(readInfoPlistString(info, "Number"));
    EXPECT_FALSE(readInfoPlistString(info, "Empty"));
    EXPECT_FALSE(readInfoPlistString(info, "Missing"));
}

TEST(InfoDictionaryTest, DisplayNameFallsBackFromDisplayNameToBundleNameToLumenpause)
{
    EXPECT_EQ(resolveAppDisplayName({{"CFBundleDisplayName", "Pause"}, {"CFBundleName", "B"}}), "Pause");
    // Returned as stored: an empty display name is still the display name.
    EXPECT_EQ(resolveAppDisplayName({{"CFBundleDisplayName", ""}, {"CFBundleName", "B"}}), "");
    EXPECT_EQ(resolveAppDisplayName({{"CFBundleDisplayName", 7}, {"CFBundleName", " B "}}), " B ");
    EXPECT_EQ(resolveAppDisplayName(QVariantMap()), "Lumenpause");
}

TEST(InfoDictionaryTest, TheBuildCarriesItsIdentityAndVersion)
{
    EXPECT_EQ(appBundleIdentifier(), "local.lumenpause.app");
    EXPECT_EQ(appBundleIdentifier(QVariantMap()), "local.lumenpause.app");
    EXPECT_EQ(resolveAppDisplayName(), "Lumenpause");
    EXPECT_TRUE(readInfoPlistString("CFBundleShortVersionString").has_value());
}
