#pragma once

#include "detection/MediaPlaybackEvaluation.h"
#include "detection/MeetingSignalSnapshot.h"

#include <QDateTime>
#include <QList>
#include <QStringList>

#include <optional>

// Decides, snapshot by snapshot, whether the user watches or listens to something. Each media
// family is scored by its evidence (sound, a display-sleep inhibitor, being frontmost); the
// strongest drives inactive → confirming → active → ending, with a confirmation delay that
// shrinks as the evidence grows and a grace period after playback stops. An application
// that records is in a call, not playing media, and is skipped. Pure logic on the times
// handed in; not synchronised, so its owner calls it from one queue only.
class MediaPlaybackDetector
{
public:
    static constexpr double endingGraceSeconds = 10.0;

    struct MediaFamily
    {
        QString key;
        MediaPlaybackSource source;
        QStringList prefixes;
        // An inhibitor without sound counts as playback (a muted video).
        bool supportsMutedDetection;
    };

    MediaPlaybackEvaluation evaluate(const MeetingSignalSnapshot &snapshot, const QDateTime &now);
    // Back to no playback; the families stay.
    void reset();

    // The kind of the first family the identity belongs to; none for no identity.
    static std::optional<MediaPlaybackSource>
    sourceForBundleIdentifier(const std::optional<QString> &identifier);
    static const QList<MediaFamily> &families();

    const MediaPlaybackContext &context() const { return m_context; }
    // Whether a later snapshot equal to the last one could still change the state.
    bool waitsOnTime() const;

private:
    struct Evidence
    {
        QString familyKey;
        MediaPlaybackSource source;
        double confidence;
        double activationDelaySeconds;
        bool hasActiveOutput;
        bool hasDisplaySleepAssertion;
        bool isFrontmost;
    };

    static std::optional<Evidence> evidenceOf(const MediaFamily &family,
                                              const MeetingSignalSnapshot &snapshot);
    static std::optional<Evidence> strongestEvidence(const MeetingSignalSnapshot &snapshot);
    MediaPlaybackState nextState(const std::optional<Evidence> &evidence, const QDateTime &now);
    MediaPlaybackState stepConfirming(const Evidence &evidence, const QDateTime &now);
    MediaPlaybackState stepEnding(const QDateTime &now);
    double secondsInState(const QDateTime &now) const;
    MediaPlaybackContext contextFor(MediaPlaybackState state,
                                    const std::optional<Evidence> &evidence) const;

    MediaPlaybackContext m_context;
    std::optional<QDateTime> m_stateEnteredAt;
    std::optional<QDateTime> m_playbackStartedAt;
    std::optional<QString> m_candidateFamilyKey;
};
