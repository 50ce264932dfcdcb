#pragma once

#include <QString>

// Why the reminder queue holds notices back; several can be in force at once.
enum class ReminderSuppressionReason {
    upcomingBreak,
    plannedBreak,
    activeBreak,
    postBreakCooldown,
    waitForActivity,
    manualPause,
    officeHours,
    meeting,
    media,
    idle,
    sleep,
    displaySleep,
};

// The case name, as log lines write a reason.
QString reminderSuppressionReasonName(ReminderSuppressionReason reason);
