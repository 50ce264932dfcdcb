#include "detection/BrowserMeetingDetector.h"

#include "detection/BundlePrefix.h"

namespace {

constexpr double inputConfidence = 0.9;
constexpr double inputActivationDelaySeconds = 2.0;
constexpr double outputConfidence = 0.5;
// A tab playing sound is no call by itself: it may hold a call only this long.
constexpr double outputSustainSeconds = 60.0;

} // namespace

BrowserMeetingDetector::BrowserMeetingDetector(QList<BrowserFamily> families)
    : m_families(std::move(families))
{
}

// The microphone is looked for in every family before any output: a call in one browser
// outranks a video playing in another that comes earlier in the list.
DetectionResult BrowserMeetingDetector::evaluate(const MeetingSignalSnapshot &snapshot,
                                                 const QDateTime &) const
{
    DetectionResult result = DetectionResult::inactive(DetectorType::browser);
    const BrowserFamily *family = firstRunningWithAudio(snapshot, snapshot.inputBundleIdentifiers);
    if (family) {
        result.confidence = inputConfidence;
        result.isMeetingActive = true;
        result.reason = family->name + QStringLiteral(" audio input active");
        result.canStartMeeting = true;
        result.activationDelaySeconds = inputActivationDelaySeconds;
    } else if (const BrowserFamily *playing =
                   firstRunningWithAudio(snapshot, snapshot.outputBundleIdentifiers)) {
        result.confidence = outputConfidence;
        result.isMeetingActive = true;
        result.reason = playing->name + QStringLiteral(" audio output active");
        result.maximumSustainSeconds = outputSustainSeconds;
    }
    return result;
}

const BrowserMeetingDetector::BrowserFamily *
BrowserMeetingDetector::firstRunningWithAudio(const MeetingSignalSnapshot &snapshot,
                                              const QSet<QString> &audio) const
{
    for (const BrowserFamily &family : m_families) {
        if (matchesAnyBundlePrefix(snapshot.runningBundleIdentifiers, family.applicationPrefixes)
            && matchesAnyBundlePrefix(audio, family.audioPrefixes))
            return &family;
    }
    return nullptr;
}
