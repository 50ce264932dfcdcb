#pragma once

#include "detection/PlatformMeetingDetector.h"

#include <QStringList>

#include <optional>

// A conferencing or recording application, known by its identity prefixes. Its microphone
// starts a meeting; its audio output either starts one too (applications that play a call's
// sound only during calls) or merely keeps a meeting going, for a limited time when
// `outputSustainSeconds` is set (applications that also play notification sounds).
class ApplicationMeetingDetector : public PlatformMeetingDetector
{
public:
    ApplicationMeetingDetector(DetectorType type, QStringList identityPrefixes, double confidence,
                               bool outputCanStartMeeting,
                               std::optional<double> outputSustainSeconds);

    DetectorType detectorType() const override { return m_type; }
    DetectionResult evaluate(const MeetingSignalSnapshot &snapshot,
                             const QDateTime &now) const override;

    const QStringList &identityPrefixes() const { return m_identityPrefixes; }

private:
    DetectionResult inputResult() const;
    DetectionResult outputResult() const;

    DetectorType m_type;
    QStringList m_identityPrefixes;
    double m_confidence;
    bool m_outputCanStartMeeting;
    std::optional<double> m_outputSustainSeconds;
};
