#pragma once

#include "menubar/HUDNotificationRequest.h"

#include <QList>
#include <QString>

// One wellness reminder, waiting for the batch to close or already part of the notice on
// screen.
struct PendingReminder
{
    HUDNotificationCategory category;
    HUDStyle style;
    QString title;
    QString subtitle;
};

struct WellnessSummary
{
    QString title;
    QString subtitle;
};

// The texts of one notice standing for several reminders: a single reminder keeps its own;
// more become "Wellness check" with their titles listed in order ("Sit up straight, blink,
// and relax your wrists"), so the user still sees what each one asked.
WellnessSummary wellnessSummary(const QList<PendingReminder> &reminders);
