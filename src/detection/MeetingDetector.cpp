#include "detection/MeetingDetector.h"

#include "core/Logger.h"

namespace {

const QString category = QStringLiteral("Meeting");

double secondsBetween(const QDateTime &from, const QDateTime &to)
{
    return double(from.msecsTo(to)) / 1000.0;
}

// A later result replaces the best only when strictly more confident, so the earlier
// detector in the catalogue wins a tie.
void keepBest(std::optional<DetectionResult> &best, const DetectionResult &candidate)
{
    if (!best || candidate.confidence > best->confidence)
        best = candidate;
}

} // namespace

MeetingEvaluation MeetingDetector::evaluate(const MeetingSignalSnapshot &snapshot,
                                            const QDateTime &now)
{
    restartWaitsAfterClockSetBack(now);
    const MeetingState previous = m_state;
    const Choice choice = choose(collectDetections(snapshot, now));
    takePrimary(choice);
    switch (m_state) {
    case MeetingState::inactive: stepInactive(choice, now); break;
    case MeetingState::probable: stepProbable(choice, now); break;
    case MeetingState::active: stepActive(choice, now); break;
    case MeetingState::ending: stepEnding(choice, now); break;
    }
    if (m_state == MeetingState::inactive)
        m_activeDetectorType.reset();
    m_context = {m_state, m_activeDetectorType, m_currentConfidence, m_meetingStartedAt};
    return {m_context, previous};
}

void MeetingDetector::reset()
{
    m_state = MeetingState::inactive;
    m_context = MeetingContext::inactive();
    m_currentConfidence = 0.0;
    m_activeDetectorType.reset();
    m_stateEnteredAt.reset();
    m_meetingStartedAt.reset();
    m_candidateDetectorType.reset();
    clearSupportingRun();
    m_lastDetectionDescription.clear();
}

bool MeetingDetector::waitsOnTime() const
{
    return m_state == MeetingState::probable || m_state == MeetingState::ending
        || (m_state == MeetingState::active && m_supportingEvidenceStartedAt);
}

bool MeetingDetector::supportingEvidenceSustains(const DetectionResult &result,
                                                 const QDateTime &now)
{
    if (result.canStartMeeting) {
        clearSupportingRun();
        return true;
    }
    if (m_supportingDetectorType != result.detector) {
        m_supportingDetectorType = result.detector;
        m_supportingEvidenceStartedAt = now;
    }
    if (!result.maximumSustainSeconds)
        return true;
    return m_supportingEvidenceStartedAt
        && secondsBetween(*m_supportingEvidenceStartedAt, now) < *result.maximumSustainSeconds;
}

QList<DetectionResult> MeetingDetector::collectDetections(const MeetingSignalSnapshot &snapshot,
                                                          const QDateTime &now)
{
    QList<DetectionResult> results;
    results.reserve(qsizetype(m_detectors.size()));
    for (const auto &detector : m_detectors)
        results.append(detector->evaluate(snapshot, now));
    logDetections(results);
    return results;
}

// Logged only when the set of detections changes, so a call that goes on for an hour writes
// one line, not one per snapshot.
void MeetingDetector::logDetections(const QList<DetectionResult> &results)
{
    QStringList parts;
    for (const DetectionResult &result : results) {
        if (result.isMeetingActive)
            parts.append(QStringLiteral("%1(%2: %3)")
                             .arg(detectorTypeRawValue(result.detector),
                                  QString::number(result.confidence, 'f', 1), result.reason));
    }
    const QString description = parts.join(QStringLiteral(", "));
    if (description == m_lastDetectionDescription)
        return;
    logDebug(category, description.isEmpty() ? QStringLiteral("Detections cleared")
                                             : QStringLiteral("Detections: ") + description);
    m_lastDetectionDescription = description;
}

MeetingDetector::Choice MeetingDetector::choose(const QList<DetectionResult> &results)
{
    Choice choice;
    for (const DetectionResult &result : results) {
        if (!result.isMeetingActive)
            continue;
        keepBest(choice.bestActive, result);
        if (result.canStartMeeting)
            keepBest(choice.bestStarter, result);
    }
    return choice;
}

// Supporting evidence drives the state only while a meeting is already on.
void MeetingDetector::takePrimary(const Choice &choice)
{
    const bool meetingOn = m_state == MeetingState::active || m_state == MeetingState::ending;
    const std::optional<DetectionResult> &primary =
        choice.bestStarter || !meetingOn ? choice.bestStarter : choice.bestActive;
    m_currentConfidence = primary ? primary->confidence : 0.0;
    if (primary)
        m_activeDetectorType = primary->detector;
    else if (!meetingOn)
        m_activeDetectorType.reset();
}

// Waits are measured from stored wall-clock times. When the clock is set back past one of
// them, the wait starts again from now: measured from the old time it would last until the
// clock caught up, holding breaks paused for as long as the clock was moved.
void MeetingDetector::restartWaitsAfterClockSetBack(const QDateTime &now)
{
    if (m_stateEnteredAt && now < *m_stateEnteredAt)
        m_stateEnteredAt = now;
    if (m_supportingEvidenceStartedAt && now < *m_supportingEvidenceStartedAt)
        m_supportingEvidenceStartedAt = now;
}

void MeetingDetector::stepInactive(const Choice &choice, const QDateTime &now)
{
    if (!choice.bestStarter)
        return; // supporting evidence alone never begins a meeting
    m_candidateDetectorType = choice.bestStarter->detector;
    enterState(MeetingState::probable, now);
}

void MeetingDetector::stepProbable(const Choice &choice, const QDateTime &now)
{
    if (!choice.bestStarter) {
        m_candidateDetectorType.reset();
        enterState(MeetingState::inactive, now);
        return;
    }
    if (m_candidateDetectorType != choice.bestStarter->detector) {
        // Another detector's evidence must be confirmed from the start.
        m_candidateDetectorType = choice.bestStarter->detector;
        enterState(MeetingState::probable, now);
        return;
    }
    if (!m_stateEnteredAt
        || secondsBetween(*m_stateEnteredAt, now) < choice.bestStarter->activationDelaySeconds)
        return;
    m_meetingStartedAt = m_stateEnteredAt; // the meeting began when its confirmation did
    m_candidateDetectorType.reset();
    clearSupportingRun();
    enterState(MeetingState::active, now);
}

void MeetingDetector::stepActive(const Choice &choice, const QDateTime &now)
{
    if (choice.bestStarter) {
        clearSupportingRun();
        return;
    }
    if (choice.bestActive) {
        if (!supportingEvidenceSustains(*choice.bestActive, now))
            enterState(MeetingState::ending, now);
        return;
    }
    clearSupportingRun();
    enterState(MeetingState::ending, now);
}

void MeetingDetector::stepEnding(const Choice &choice, const QDateTime &now)
{
    if (choice.bestStarter) {
        clearSupportingRun();
        enterState(MeetingState::active, now);
        return;
    }
    if (choice.bestActive && supportingEvidenceSustains(*choice.bestActive, now)) {
        enterState(MeetingState::active, now);
        return;
    }
    if (!m_stateEnteredAt || secondsBetween(*m_stateEnteredAt, now) < endingGraceSeconds)
        return;
    m_meetingStartedAt.reset();
    clearSupportingRun();
    enterState(MeetingState::inactive, now);
}

// The detector logged is the one chosen in this evaluation: the end of a meeting names the
// detector that last drove it, a failed confirmation names none.
void MeetingDetector::enterState(MeetingState state, const QDateTime &now)
{
    m_state = state;
    m_stateEnteredAt = now;
    const QString detector =
        m_activeDetectorType ? detectorTypeRawValue(*m_activeDetectorType) : QStringLiteral("none");
    logInfo(category, QStringLiteral("State → %1 (confidence: %2, detector: %3)")
                          .arg(meetingStateRawValue(state),
                               QString::number(m_currentConfidence, 'f', 2), detector));
}

void MeetingDetector::clearSupportingRun()
{
    m_supportingEvidenceStartedAt.reset();
    m_supportingDetectorType.reset();
}
