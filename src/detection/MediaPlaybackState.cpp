#include "detection/MediaPlaybackState.h"

QString mediaPlaybackStateRawValue(MediaPlaybackState state)
{
    switch (state) {
    case MediaPlaybackState::inactive:
        return QStringLiteral("inactive");
    case MediaPlaybackState::confirming:
        return QStringLiteral("confirming");
    case MediaPlaybackState::active:
        return QStringLiteral("active");
    case MediaPlaybackState::ending:
        return QStringLiteral("ending");
    }
    return {};
}
