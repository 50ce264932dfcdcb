#pragma once

#include "detection/PlatformMeetingDetector.h"

#include <QList>
#include <QStringList>

// Web meetings: a browser whose audio processes use the microphone (a call) or play sound
// (which only keeps a call going for a while). The browser's application must be running,
// so that audio from a web engine shared by several applications is credited to the first
// family, in order, whose application runs.
class BrowserMeetingDetector : public PlatformMeetingDetector
{
public:
    struct BrowserFamily
    {
        QString name; // as reasons name it
        QStringList applicationPrefixes;
        QStringList audioPrefixes;
    };

    explicit BrowserMeetingDetector(QList<BrowserFamily> families);

    DetectorType detectorType() const override { return DetectorType::browser; }
    DetectionResult evaluate(const MeetingSignalSnapshot &snapshot,
                             const QDateTime &now) const override;

    const QList<BrowserFamily> &families() const { return m_families; }

private:
    const BrowserFamily *firstRunningWithAudio(const MeetingSignalSnapshot &snapshot,
                                               const QSet<QString> &audio) const;

    QList<BrowserFamily> m_families;
};
