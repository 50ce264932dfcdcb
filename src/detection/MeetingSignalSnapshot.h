#pragma once

#include <QSet>
#include <QString>

#include <optional>

// One sample of the activity signals that meetings and media playback are inferred from.
// Applications are named by their identities: a flatpak or desktop-file application id, or
// "bin:" and the name of the program's binary. The display-sleep set and the frontmost
// application are filled only while media signals are gathered; the running applications
// only as far as the receiver looks at them (RunningApplicationsInterest).
struct MeetingSignalSnapshot
{
    QSet<QString> runningBundleIdentifiers;
    QSet<QString> inputBundleIdentifiers;
    QSet<QString> outputBundleIdentifiers;
    // Some process records audio, with or without an identity; or else the default input
    // device is running.
    bool isAnyInputActive = false;
    QSet<QString> displaySleepPreventingBundleIdentifiers;
    std::optional<QString> frontmostBundleIdentifier;

    bool operator==(const MeetingSignalSnapshot &other) const = default;
};
