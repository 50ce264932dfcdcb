#pragma once

#include <QString>

#include <optional>

// The kind of application that plays: a browser, a video player or an audio player. The raw
// value of each case is its name.
enum class MediaPlaybackSource { browser, videoPlayer, audioPlayer };

QString mediaPlaybackSourceRawValue(MediaPlaybackSource source);
// A missing source is written "unknown".
QString mediaPlaybackSourceLogName(std::optional<MediaPlaybackSource> source);
