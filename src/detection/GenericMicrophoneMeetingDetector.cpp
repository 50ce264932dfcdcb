#include "detection/GenericMicrophoneMeetingDetector.h"

namespace {

constexpr double confidence = 0.75;
constexpr double activationDelaySeconds = 2.0;

} // namespace

DetectionResult GenericMicrophoneMeetingDetector::evaluate(const MeetingSignalSnapshot &snapshot,
                                                           const QDateTime &) const
{
    DetectionResult result = DetectionResult::inactive(DetectorType::generic);
    if (!snapshot.isAnyInputActive)
        return result;
    result.confidence = confidence;
    result.isMeetingActive = true;
    result.reason = QStringLiteral("Unattributed audio input active");
    result.canStartMeeting = true;
    result.activationDelaySeconds = activationDelaySeconds;
    return result;
}
