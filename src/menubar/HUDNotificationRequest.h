#pragma once

#include "menubar/HUDStyle.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QUuid>

#include <optional>

struct PendingReminder;

// Which notice may replace or merge with which: a higher value wins.
enum class HUDNotificationPriority { wellness = 10, welcomeBack = 20, breakHeadsUp = 80, scheduledBreak = 90 };

// None for a value that names no priority.
std::optional<HUDNotificationPriority> hudNotificationPriorityFromRaw(int raw);

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

// The case name, as log lines write a category.
QString hudNotificationCategoryName(HUDNotificationCategory category);
// What a wellness reminder wearing this badge is about; a break badge files it with break
// heads-ups.
HUDNotificationCategory hudNotificationCategory(HUDStyle style);

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

    // Each comes with a fresh id. Countdowns live at least ten seconds, so a heads-up asked
    // for in its last seconds still reaches the screen.
    static HUDNotificationRequest welcomeBack(HUDStyle style, const QString &title,
                                              const QString &subtitle, const QDateTime &now);
    static HUDNotificationRequest breakHeadsUp(const QString &title, const QString &subtitle,
                                               int secondsLeft, const QDateTime &now);
    static HUDNotificationRequest plannedBreakHeadsUp(const QString &title,
                                                      const QString &subtitle, int secondsLeft,
                                                      const QDateTime &now);
    // One notice for a batch of reminders (never empty), filed under the first of them.
    static HUDNotificationRequest wellness(const QList<PendingReminder> &reminders,
                                           const QDateTime &now);
};
