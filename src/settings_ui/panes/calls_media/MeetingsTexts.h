#pragma once

#include "detection/DetectorType.h"
#include "detection/MeetingContext.h"

#include <QString>

#include <optional>

// What the Calls & Recordings pane says, as pure functions of what it shows: the status line
// from the office-hours answer and the detector's published context, and the after-call
// texts from the stored behaviour ("adjust" or "resume").
class MeetingsTexts
{
public:
    static inline const QString adjust = QStringLiteral("adjust");
    static inline const QString resume = QStringLiteral("resume");

    // "Zoom", "Voice Memos"...; the generic detector and none read "Microphone".
    static QString detectorDisplayName(std::optional<DetectorType> detector);
    static QString statusText(bool insideOfficeHours, const MeetingContext &context);

    // The behaviour the example and the timeline illustrate. The break timer resumes where it
    // stopped for any stored text but "adjust", so an unknown one is shown as "resume".
    static QString illustratedBehaviour(const QString &stored);
    static QString exampleText(const QString &illustrated);
    static QString infoText(const QString &stored);
};
