#pragma once

#include "detection/MeetingDetectorCatalogue.h"
#include "detection/MeetingEvaluation.h"

#include <QDateTime>

#include <optional>

// Decides, snapshot by snapshot, whether the user is in a call or recording. It runs the
// platform detectors and drives inactive → probable → active → ending → inactive: evidence
// that can start a meeting must hold for its activation delay, supporting evidence keeps a
// meeting going for at most its sustain limit, and a meeting without evidence ends after a
// grace period. Pure logic on the times handed in; not synchronised, so its owner calls it
// from one queue only.
class MeetingDetector
{
public:
    static constexpr double endingGraceSeconds = 25.0;

    // The catalogue's order decides ties between equal confidences.
    void setDetectors(MeetingDetectorList detectors) { m_detectors = std::move(detectors); }

    MeetingEvaluation evaluate(const MeetingSignalSnapshot &snapshot, const QDateTime &now);
    // Back to no meeting, quietly; the detectors stay.
    void reset();

    MeetingState state() const { return m_state; }
    const MeetingContext &context() const { return m_context; }
    // Whether a later snapshot equal to the last one could still change the state: a
    // confirmation or a grace period runs, or supporting evidence with its limit holds the
    // meeting.
    bool waitsOnTime() const;

    // The supporting-evidence rule, open to its own tests: start-capable evidence ends any
    // run of supporting evidence; supporting evidence holds while its run is younger than
    // its limit. Starts a new run when the supporting detector changes.
    bool supportingEvidenceSustains(const DetectionResult &result, const QDateTime &now);

private:
    struct Choice
    {
        std::optional<DetectionResult> bestStarter;
        std::optional<DetectionResult> bestActive;
    };

    QList<DetectionResult> collectDetections(const MeetingSignalSnapshot &snapshot,
                                             const QDateTime &now);
    void logDetections(const QList<DetectionResult> &results);
    static Choice choose(const QList<DetectionResult> &results);
    void takePrimary(const Choice &choice);
    void restartWaitsAfterClockSetBack(const QDateTime &now);

    void stepInactive(const Choice &choice, const QDateTime &now);
    void stepProbable(const Choice &choice, const QDateTime &now);
    void stepActive(const Choice &choice, const QDateTime &now);
    void stepEnding(const Choice &choice, const QDateTime &now);
    void enterState(MeetingState state, const QDateTime &now);
    void clearSupportingRun();

    MeetingDetectorList m_detectors;
    MeetingState m_state = MeetingState::inactive;
    MeetingContext m_context;
    double m_currentConfidence = 0.0;
    std::optional<DetectorType> m_activeDetectorType;
    std::optional<QDateTime> m_stateEnteredAt;
    std::optional<QDateTime> m_meetingStartedAt;
    std::optional<DetectorType> m_candidateDetectorType;
    std::optional<QDateTime> m_supportingEvidenceStartedAt;
    std::optional<DetectorType> m_supportingDetectorType;
    QString m_lastDetectionDescription;
};
