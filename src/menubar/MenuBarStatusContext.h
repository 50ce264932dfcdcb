#pragma once

#include "core/PauseReason.h"
#include "detection/DetectorType.h"

#include <QDateTime>
#include <QString>

#include <optional>

// A snapshot of everything the tray item's texts depend on, taken fresh for each refresh on
// the main thread, where the schedulers and settings live.
struct MenuBarStatusContext
{
    bool hasCompletedOnboarding = false;
    bool isBreakInProgress = false;
    bool isRunning = false;
    bool isPaused = false;
    std::optional<PauseReason> pauseReason;
    // A call holds the user, and they have not chosen to take breaks through it anyway.
    bool isMeeting = false;
    bool meetingPausesBreaks = false;
    std::optional<DetectorType> meetingDetector;
    bool isIdle = false;
    bool isWaitingForNaturalPause = false;
    bool isWithinOfficeHours = true;
    double timeRemaining = 0; // seconds left in the work interval
    std::optional<QDateTime> scheduledResumeDate; // the end of a timed pause
    std::optional<QDateTime> nextOfficeHoursStart; // only asked for outside office hours
    bool showTimer = true;
    QString timerStyle = QStringLiteral("rounded");
    bool hideMeetingStatus = false;
};
