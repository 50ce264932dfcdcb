#include "detection/ApplicationMeetingDetector.h"

#include "detection/BundlePrefix.h"

#include <algorithm>

namespace {

constexpr double inputActivationDelaySeconds = 1.5;
constexpr double outputActivationDelaySeconds = 5.0;
// Output alone is weaker evidence than the microphone, but a call application's output still
// outranks unattributed microphone use.
constexpr double outputConfidencePenalty = 0.1;
constexpr double outputConfidenceFloor = 0.8;
constexpr double supportingOutputConfidence = 0.55;

} // namespace

ApplicationMeetingDetector::ApplicationMeetingDetector(DetectorType type,
                                                       QStringList identityPrefixes,
                                                       double confidence,
                                                       bool outputCanStartMeeting,
                                                       std::optional<double> outputSustainSeconds)
    : m_type(type)
    , m_identityPrefixes(std::move(identityPrefixes))
    , m_confidence(confidence)
    , m_outputCanStartMeeting(outputCanStartMeeting)
    , m_outputSustainSeconds(outputSustainSeconds)
{
}

DetectionResult ApplicationMeetingDetector::evaluate(const MeetingSignalSnapshot &snapshot,
                                                     const QDateTime &) const
{
    if (matchesAnyBundlePrefix(snapshot.inputBundleIdentifiers, m_identityPrefixes))
        return inputResult();
    if (matchesAnyBundlePrefix(snapshot.outputBundleIdentifiers, m_identityPrefixes))
        return outputResult();
    return DetectionResult::inactive(m_type);
}

DetectionResult ApplicationMeetingDetector::inputResult() const
{
    DetectionResult result;
    result.detector = m_type;
    result.confidence = m_confidence;
    result.isMeetingActive = true;
    result.reason = QStringLiteral("Audio input active");
    result.canStartMeeting = true;
    result.activationDelaySeconds = inputActivationDelaySeconds;
    return result;
}

DetectionResult ApplicationMeetingDetector::outputResult() const
{
    DetectionResult result;
    result.detector = m_type;
    result.isMeetingActive = true;
    result.reason = QStringLiteral("Audio output active");
    if (m_outputCanStartMeeting) {
        result.confidence = std::max(m_confidence - outputConfidencePenalty, outputConfidenceFloor);
        result.canStartMeeting = true;
        result.activationDelaySeconds = outputActivationDelaySeconds;
    } else {
        result.confidence = supportingOutputConfidence;
        result.maximumSustainSeconds = m_outputSustainSeconds;
    }
    return result;
}
