#pragma once

#include <QString>

// Where the media state machine stands: `confirming` while playback evidence is being
// confirmed, `active` during playback, `ending` in the grace period after it stopped. The raw
// value of each case is its name.
enum class MediaPlaybackState { inactive, confirming, active, ending };

QString mediaPlaybackStateRawValue(MediaPlaybackState state);
