#include "detection/MediaPlaybackDetector.h"

#include "detection/BundlePrefix.h"

namespace {

struct EvidenceGrade
{
    double confidence;
    double activationDelaySeconds;
};

// Sound and an inhibitor together are a video playing; sound alone may be music or a
// notification; an inhibitor alone is a muted video, surer when it is in front.
constexpr EvidenceGrade soundAndInhibitor{0.95, 3.0};
constexpr EvidenceGrade soundOnly{0.78, 10.0};
constexpr EvidenceGrade inhibitorInFront{0.68, 15.0};
constexpr EvidenceGrade inhibitorBehind{0.55, 30.0};

MediaPlaybackDetector::MediaFamily family(const char *key, MediaPlaybackSource source,
                                          bool mutedDetection, const QStringList &prefixes)
{
    return {QString::fromLatin1(key), source, prefixes, mutedDetection};
}

} // namespace

// Linux identities join the original ones: flatpak application ids, and "bin:" with the
// program's binary for applications installed without one. GNOME Web and its shared web
// engine count with the other engine-based family; Vivaldi and Opera with Chromium's.
const QList<MediaPlaybackDetector::MediaFamily> &MediaPlaybackDetector::families()
{
    using S = MediaPlaybackSource;
    static const QList<MediaFamily> table = {
        family("safari", S::browser, true,
               {"com.apple.Safari", "com.apple.SafariTechnologyPreview", "com.apple.WebKit",
                "org.gnome.Epiphany", "bin:epiphany", "bin:WebKitWebProcess"}),
        family("chrome", S::browser, true, {"com.google.Chrome", "bin:chrome"}),
        family("edge", S::browser, true,
               {"com.microsoft.edgemac", "com.microsoft.Edge", "bin:msedge"}),
        family("firefox", S::browser, true,
               {"org.mozilla.firefox", "bin:firefox", "bin:firefox-esr", "bin:firefox-bin"}),
        family("brave", S::browser, true, {"com.brave.Browser", "bin:brave"}),
        family("arc", S::browser, true, {"company.thebrowser.Browser", "company.thebrowser.dia"}),
        family("chromium", S::browser, true,
               {"org.chromium.Chromium", "com.vivaldi.Vivaldi", "com.operasoftware.Opera",
                "com.operasoftware.OperaGX", "com.duckduckgo.macos.browser", "com.kagi.kagimacOS",
                "bin:chromium", "bin:vivaldi-bin", "com.opera.Opera", "bin:opera"}),
        family("apple-video", S::videoPlayer, true,
               {"com.apple.QuickTimePlayerX", "com.apple.TV", "com.apple.Photos"}),
        family("third-party-video", S::videoPlayer, true,
               {"org.videolan.vlc", "com.colliderli.iina", "com.firecore.infuse", "tv.plex.desktop",
                "com.movist.Movist", "com.movist.MovistPro", "org.videolan.VLC", "bin:vlc",
                "io.mpv.Mpv", "bin:mpv", "io.github.celluloid_player.Celluloid", "bin:celluloid",
                "org.gnome.Totem", "bin:totem", "tv.kodi.Kodi", "bin:kodi"}),
        family("apple-audio", S::audioPlayer, false, {"com.apple.Music", "com.apple.podcasts"}),
        family("third-party-audio", S::audioPlayer, false,
               {"com.spotify.client", "com.tidal.desktop", "com.deezer.Deezer",
                "com.coppertino.Vox", "com.audible.mac", "com.spotify.Client", "bin:spotify",
                "org.gnome.Rhythmbox3", "bin:rhythmbox", "org.gnome.Music", "org.kde.elisa",
                "bin:elisa", "org.gnome.Lollypop"}),
    };
    return table;
}

MediaPlaybackEvaluation MediaPlaybackDetector::evaluate(const MeetingSignalSnapshot &snapshot,
                                                        const QDateTime &now)
{
    // Measured from an instant after now, a wait would last until the clock caught up.
    if (m_stateEnteredAt && now < *m_stateEnteredAt)
        m_stateEnteredAt = now;
    const MediaPlaybackState previous = m_context.state;
    const std::optional<Evidence> evidence = strongestEvidence(snapshot);
    const MediaPlaybackState next = nextState(evidence, now);
    m_context = contextFor(next, evidence);
    return {m_context, previous};
}

void MediaPlaybackDetector::reset()
{
    m_context = MediaPlaybackContext::inactive();
    m_stateEnteredAt.reset();
    m_playbackStartedAt.reset();
    m_candidateFamilyKey.reset();
}

std::optional<MediaPlaybackSource>
MediaPlaybackDetector::sourceForBundleIdentifier(const std::optional<QString> &identifier)
{
    if (!identifier)
        return std::nullopt;
    const QSet<QString> identities{*identifier};
    for (const MediaFamily &candidate : families()) {
        if (matchesAnyBundlePrefix(identities, candidate.prefixes))
            return candidate.source;
    }
    return std::nullopt;
}

bool MediaPlaybackDetector::waitsOnTime() const
{
    return m_context.state == MediaPlaybackState::confirming
        || m_context.state == MediaPlaybackState::ending;
}

std::optional<MediaPlaybackDetector::Evidence>
MediaPlaybackDetector::evidenceOf(const MediaFamily &family, const MeetingSignalSnapshot &snapshot)
{
    if (matchesAnyBundlePrefix(snapshot.inputBundleIdentifiers, family.prefixes))
        return std::nullopt;
    const bool output = matchesAnyBundlePrefix(snapshot.outputBundleIdentifiers, family.prefixes);
    const bool inhibitor =
        matchesAnyBundlePrefix(snapshot.displaySleepPreventingBundleIdentifiers, family.prefixes);
    const bool frontmost =
        snapshot.frontmostBundleIdentifier
        && matchesAnyBundlePrefix({*snapshot.frontmostBundleIdentifier}, family.prefixes);
    EvidenceGrade grade;
    if (output)
        grade = inhibitor ? soundAndInhibitor : soundOnly;
    else if (inhibitor && family.supportsMutedDetection)
        grade = frontmost ? inhibitorInFront : inhibitorBehind;
    else
        return std::nullopt;
    return Evidence{family.key, family.source, grade.confidence, grade.activationDelaySeconds,
                    output, inhibitor, frontmost};
}

// On equal confidence the earlier family wins.
std::optional<MediaPlaybackDetector::Evidence>
MediaPlaybackDetector::strongestEvidence(const MeetingSignalSnapshot &snapshot)
{
    std::optional<Evidence> best;
    for (const MediaFamily &candidate : families()) {
        const std::optional<Evidence> evidence = evidenceOf(candidate, snapshot);
        if (evidence && (!best || evidence->confidence > best->confidence))
            best = evidence;
    }
    return best;
}

MediaPlaybackState MediaPlaybackDetector::nextState(const std::optional<Evidence> &evidence,
                                                    const QDateTime &now)
{
    switch (m_context.state) {
    case MediaPlaybackState::inactive:
        if (!evidence)
            return MediaPlaybackState::inactive;
        m_candidateFamilyKey = evidence->familyKey;
        m_stateEnteredAt = now;
        return MediaPlaybackState::confirming;
    case MediaPlaybackState::confirming:
        if (evidence)
            return stepConfirming(*evidence, now);
        m_candidateFamilyKey.reset();
        m_stateEnteredAt = now;
        return MediaPlaybackState::inactive;
    case MediaPlaybackState::active:
        if (evidence)
            return MediaPlaybackState::active;
        m_stateEnteredAt = now;
        return MediaPlaybackState::ending;
    case MediaPlaybackState::ending:
        if (!evidence)
            return stepEnding(now);
        m_stateEnteredAt = now;
        return MediaPlaybackState::active;
    }
    return m_context.state;
}

// The delay compared is the current evidence's, so evidence that grows stronger while it is
// confirmed (an inhibitor joins the sound) shortens the wait.
MediaPlaybackState MediaPlaybackDetector::stepConfirming(const Evidence &evidence,
                                                         const QDateTime &now)
{
    if (m_candidateFamilyKey != evidence.familyKey) {
        m_candidateFamilyKey = evidence.familyKey;
        m_stateEnteredAt = now;
        return MediaPlaybackState::confirming;
    }
    if (secondsInState(now) < evidence.activationDelaySeconds)
        return MediaPlaybackState::confirming;
    m_playbackStartedAt = m_stateEnteredAt ? m_stateEnteredAt : now;
    m_candidateFamilyKey.reset();
    m_stateEnteredAt = now;
    return MediaPlaybackState::active;
}

MediaPlaybackState MediaPlaybackDetector::stepEnding(const QDateTime &now)
{
    if (secondsInState(now) < endingGraceSeconds)
        return MediaPlaybackState::ending;
    m_playbackStartedAt.reset();
    m_stateEnteredAt = now;
    return MediaPlaybackState::inactive;
}

double MediaPlaybackDetector::secondsInState(const QDateTime &now) const
{
    return m_stateEnteredAt ? double(m_stateEnteredAt->msecsTo(now)) / 1000.0 : 0.0;
}

// Without evidence a playback in its grace period keeps showing what it was.
MediaPlaybackContext
MediaPlaybackDetector::contextFor(MediaPlaybackState state,
                                  const std::optional<Evidence> &evidence) const
{
    MediaPlaybackContext next;
    next.state = state;
    next.since = m_playbackStartedAt;
    if (evidence) {
        next.source = evidence->source;
        next.confidence = evidence->confidence;
        next.hasActiveOutput = evidence->hasActiveOutput;
        next.hasDisplaySleepAssertion = evidence->hasDisplaySleepAssertion;
        next.isFrontmost = evidence->isFrontmost;
    } else if (state == MediaPlaybackState::ending) {
        next.source = m_context.source;
        next.confidence = m_context.confidence;
    }
    return next;
}
