#include "detection/MediaPlaybackSource.h"

QString mediaPlaybackSourceRawValue(MediaPlaybackSource source)
{
    switch (source) {
    case MediaPlaybackSource::browser:
        return QStringLiteral("browser");
    case MediaPlaybackSource::videoPlayer:
        return QStringLiteral("videoPlayer");
    case MediaPlaybackSource::audioPlayer:
        return QStringLiteral("audioPlayer");
    }
    return {};
}

QString mediaPlaybackSourceLogName(std::optional<MediaPlaybackSource> source)
{
    return source ? mediaPlaybackSourceRawValue(*source) : QStringLiteral("unknown");
}
