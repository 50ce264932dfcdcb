#pragma once

#include "detection/DetectorType.h"

#include <QString>

#include <optional>

// One detector's verdict on one snapshot. Evidence that can start a meeting must hold for
// `activationDelaySeconds` before the meeting is active; supporting evidence only keeps a
// meeting going, for at most `maximumSustainSeconds` when that is set.
struct DetectionResult
{
    DetectorType detector = DetectorType::generic;
    double confidence = 0.0;
    bool isMeetingActive = false;
    QString reason;
    bool canStartMeeting = false;
    double activationDelaySeconds = 0.0;
    std::optional<double> maximumSustainSeconds;

    // What a detector that sees nothing returns.
    static DetectionResult inactive(DetectorType detector)
    {
        DetectionResult result;
        result.detector = detector;
        return result;
    }

    bool operator==(const DetectionResult &other) const = default;
};
