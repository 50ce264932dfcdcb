#pragma once

#include <QString>
#include <QUrl>
#include <QVariantMap>

#include <optional>

enum class AppEnvironment { production, staging };
enum class DistributionChannel { direct, appStore };

QString appEnvironmentRawValue(AppEnvironment environment);
// Exactly "production" or "staging", case-sensitively and untrimmed; anything else gives no value.
std::optional<AppEnvironment> appEnvironmentFromRawValue(const QString &raw);

QString distributionChannelRawValue(DistributionChannel channel);
// Exactly "direct" or "appstore", case-sensitively and untrimmed; anything else gives no value.
std::optional<DistributionChannel> distributionChannelFromRawValue(const QString &raw);

// Which environment this build belongs to, how it is distributed and where its update
// feed lives, as the information dictionary declares them. Nothing in it is ever rejected:
// unknown or missing values fall back to production, direct and no feed.
struct AppConfiguration
{
    AppEnvironment environment = AppEnvironment::production;
    DistributionChannel distribution = DistributionChannel::direct;
    std::optional<QUrl> updateFeedURL;

    static AppConfiguration fromInfoDictionary(const QVariantMap &info);
    // Built once from buildInfoDictionary() on first use, then fixed for the process.
    static const AppConfiguration &current();
};

// The application's folder under the data location: "Lumenpause" in production, and in
// staging "Lumenpause-" plus the application id, so that a staging build never touches
// the data of the production one.
QString applicationSupportFolderName();
QString applicationSupportFolderName(const AppConfiguration &configuration,
                                     const QString &bundleIdentifier);
