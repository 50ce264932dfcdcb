#pragma once

#include "detection/DetectionResult.h"
#include "detection/MeetingSignalSnapshot.h"

#include <QDateTime>

// One kind of application whose audio can show a call or a recording. A detector is
// stateless after construction: its verdict depends on the snapshot alone, and it answers an
// inactive result of its own type when it sees nothing.
class PlatformMeetingDetector
{
public:
    virtual ~PlatformMeetingDetector() = default;

    virtual DetectorType detectorType() const = 0;
    virtual DetectionResult evaluate(const MeetingSignalSnapshot &snapshot,
                                     const QDateTime &now) const = 0;
};
