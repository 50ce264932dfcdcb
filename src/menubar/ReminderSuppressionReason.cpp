#include "menubar/ReminderSuppressionReason.h"

#include <array>

QString reminderSuppressionReasonName(ReminderSuppressionReason reason)
{
    static constexpr std::array<const char *, 12> names = {
        "upcomingBreak", "plannedBreak", "activeBreak", "postBreakCooldown",
        "waitForActivity", "manualPause", "officeHours", "meeting",
        "media", "idle", "sleep", "displaySleep",
    };
    return QLatin1String(names[std::size_t(reason)]);
}
