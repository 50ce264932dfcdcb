#pragma once

#include "menubar/HUDStyle.h"

#include <QDateTime>
#include <QString>
#include <QUuid>

// Which notice may replace or merge with which: a higher value wins.
enum class HUDNotificationPriority { wellness = 10, welcomeBack = 20, breakHeadsUp = 80, scheduledBreak = 90 };

enum class HUDNotificationCategory {
    posture,
    typing,
    blink,
    hydration,
    walk,
    meeting,
    media,
    away,
    welcomeBack,
    breakHeadsUp,
    scheduledBreak,
};

// A planned-break countdown is drawn differently from every other notice.
enum class HUDPresentationKind { regular, scheduledBreak };

// One notice on its way to the floating HUD. The id carries a dismissal back to the queue
// that asked for it.
struct HUDNotificationRequest
{
    QUuid id;
    HUDNotificationCategory category;
    HUDNotificationPriority priority;
    HUDStyle style;
    QString title;
    QString subtitle;
    int secondsLeft = 0; // 0 for notices without a countdown
    HUDPresentationKind kind = HUDPresentationKind::regular;
    QDateTime expiresAt; // never presented from this moment on
};
