#include "core/AppConfiguration.h"
#include "core/RunningTests.h"

#include <gtest/gtest.h>

namespace {

AppConfiguration configurationWith(const QString &key, const QVariant &value)
{
    return AppConfiguration::fromInfoDictionary({{key, value}});
}

} // namespace

TEST(AppConfigurationTest, RawValuesAreAcceptedExactlyAndNothingElse)
{
    EXPECT_EQ(appEnvironmentFromRawValue("staging"), AppEnvironment::staging);
    EXPECT_EQ(appEnvironmentFromRawValue("production"), AppEnvironment::production);
    EXPECT_FALSE(appEnvironmentFromRawValue("Staging"));
    EXPECT_FALSE(appEnvironmentFromRawValue(" production"));
    EXPECT_EQ(distributionChannelFromRawValue("appstore"), DistributionChannel::appStore);
    EXPECT_EQ(distributionChannelRawValue(DistributionChannel::appStore), "appstore");
    EXPECT_EQ(distributionChannelFromRawValue("direct"), DistributionChannel::direct);
    EXPECT_FALSE(distributionChannelFromRawValue("appStore"));
    EXPECT_FALSE(distributionChannelFromRawValue(""));
}

TEST(AppConfigurationTest, EnvironmentIsStagingOnlyForTheExactText)
{
    EXPECT_EQ(configurationWith("LPAppEnvironment", "staging").environment,
              AppEnvironment::staging);
    for (const QVariant &value : {QVariant("Staging"), QVariant("STAGING"), QVariant("staging "),
                                  QVariant("production"), QVariant("qa"), QVariant(1),
                                  QVariant(QStringList{"staging"})}) {
        EXPECT_EQ(configurationWith("LPAppEnvironment", value).environment,
                  AppEnvironment::production)
            << value.toString().toStdString();
    }
    EXPECT_EQ(AppConfiguration::fromInfoDictionary({}).environment, AppEnvironment::production);
}

TEST(AppConfigurationTest, ChannelIsAppStoreOnlyForTheExactText)
{
    EXPECT_EQ(configurationWith("LPDistributionChannel", "appstore").distribution,
              DistributionChannel::appStore);
    EXPECT_EQ(AppConfiguration::fromInfoDictionary({}).distribution, DistributionChannel::direct);
    EXPECT_EQ(configurationWith("LPDistributionChannel", "appstore ").distribution,
              DistributionChannel::direct);
    EXPECT_EQ(configurationWith("LPDistributionChannel", "AppStore").distribution,
              DistributionChannel::direct);
}

TEST(AppConfigurationTest, FeedAddressIsTrimmedAndBlankOrUnparsableTextGivesNone)
{
    EXPECT_EQ(configurationWith("SUFeedURL", "  https://example.org/cast.xml \n").updateFeedURL,
              QUrl("https://example.org/cast.xml"));
    EXPECT_FALSE(configurationWith("SUFeedURL", "   ").updateFeedURL);
    EXPECT_FALSE(configurationWith("SUFeedURL", "\n\t").updateFeedURL);
    EXPECT_FALSE(configurationWith("SUFeedURL", 42).updateFeedURL);
    EXPECT_FALSE(configurationWith("SUFeedURL", "https://exa mple.org/cast.xml").updateFeedURL);
    EXPECT_FALSE(configurationWith("SUFeedURL", "http://[::1").updateFeedURL);
    EXPECT_FALSE(AppConfiguration::fromInfoDictionary({}).updateFeedURL);
}

TEST(AppConfigurationTest, SupportFolderNameFollowsTheEnvironment)
{
    AppConfiguration configuration;
    EXPECT_EQ(applicationSupportFolderName(configuration, "org.example.lp"), "Lumenpause");
    configuration.environment = AppEnvironment::staging;
    EXPECT_EQ(applicationSupportFolderName(configuration, "org.example.lp"),
              "Lumenpause-org.example.lp");
}

TEST(AppConfigurationTest, TestHostIsRecognisedByTheKeyWhateverItsValue)
{
    QProcessEnvironment environment;
    EXPECT_FALSE(isRunningTestsIn(environment));
    environment.insert("XCTestConfigurationFilePathX", "/tmp/x");
    EXPECT_FALSE(isRunningTestsIn(environment));
    environment.insert("XCTestConfigurationFilePath", "");
    EXPECT_TRUE(isRunningTestsIn(environment));
}
