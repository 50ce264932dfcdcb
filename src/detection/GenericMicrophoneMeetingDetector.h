#pragma once

#include "detection/PlatformMeetingDetector.h"

// Any microphone use, whoever records: the fallback for calls and recordings in applications
// that have no detector of their own. Attributed input fires here too; the meeting detector
// prefers the application's own, higher confidence.
class GenericMicrophoneMeetingDetector : public PlatformMeetingDetector
{
public:
    DetectorType detectorType() const override { return DetectorType::generic; }
    DetectionResult evaluate(const MeetingSignalSnapshot &snapshot,
                             const QDateTime &now) const override;
};
