#include "core/AppConfiguration.h"

#include "core/BuildInfo.h"
#include "core/InfoDictionary.h"

namespace {

std::optional<QUrl> feedUrlFrom(const QVariantMap &info)
{
    const auto trimmed = readInfoPlistString(info, QStringLiteral("SUFeedURL"));
    if (!trimmed)
        return std::nullopt;
    // Strict parsing, so that text with stray spaces or invalid characters is no address
    // at all rather than a silently "repaired" one.
    const QUrl url(*trimmed, QUrl::StrictMode);
    if (!url.isValid())
        return std::nullopt;
    return url;
}

} // namespace

QString appEnvironmentRawValue(AppEnvironment environment)
{
    switch (environment) {
    case AppEnvironment::production: return QStringLiteral("production");
    case AppEnvironment::staging: return QStringLiteral("staging");
    }
    return QStringLiteral("production");
}

std::optional<AppEnvironment> appEnvironmentFromRawValue(const QString &raw)
{
    for (AppEnvironment environment : {AppEnvironment::production, AppEnvironment::staging}) {
        if (raw == appEnvironmentRawValue(environment))
            return environment;
    }
    return std::nullopt;
}

QString distributionChannelRawValue(DistributionChannel channel)
{
    switch (channel) {
    case DistributionChannel::direct: return QStringLiteral("direct");
    case DistributionChannel::appStore: return QStringLiteral("appstore");
    }
    return QStringLiteral("direct");
}

std::optional<DistributionChannel> distributionChannelFromRawValue(const QString &raw)
{
    for (DistributionChannel channel :
         {DistributionChannel::direct, DistributionChannel::appStore}) {
        if (raw == distributionChannelRawValue(channel))
            return channel;
    }
    return std::nullopt;
}

AppConfiguration AppConfiguration::fromInfoDictionary(const QVariantMap &info)
{
    AppConfiguration configuration;
    if (infoDictionaryString(info, QStringLiteral("LPAppEnvironment")) == QStringLiteral("staging"))
        configuration.environment = AppEnvironment::staging;
    if (infoDictionaryString(info, QStringLiteral("LPDistributionChannel")) == QStringLiteral("appstore"))
        configuration.distribution = DistributionChannel::appStore;
    configuration.updateFeedURL = feedUrlFrom(info);
    return configuration;
}

const AppConfiguration &AppConfiguration::current()
{
    static const AppConfiguration configuration = fromInfoDictionary(buildInfoDictionary());
    return configuration;
}

QString applicationSupportFolderName()
{
    // The identifier is read afresh on every call, as the folder name is asked for rarely.
    return applicationSupportFolderName(AppConfiguration::current(), appBundleIdentifier());
}

QString applicationSupportFolderName(const AppConfiguration &configuration,
                                     const QString &bundleIdentifier)
{
    if (configuration.environment == AppEnvironment::staging)
        return QStringLiteral("Lumenpause-") + bundleIdentifier;
    return QStringLiteral("Lumenpause");
}
