#include "menubar/HUDNotificationRequest.h"
#include "menubar/PendingReminder.h"

#include <gtest/gtest.h>

namespace {

const QDateTime now(QDate(2025, 3, 4), QTime(9, 0));

} // namespace

TEST(HUDNotificationRequestTest, CountdownsLiveAtLeastTenSecondsOtherNoticesTen)
{
    EXPECT_EQ(HUDNotificationRequest::breakHeadsUp("Break", "", 3, now).expiresAt, now.addSecs(10));
    EXPECT_EQ(HUDNotificationRequest::breakHeadsUp("Break", "", 45, now).expiresAt, now.addSecs(45));
    EXPECT_EQ(HUDNotificationRequest::plannedBreakHeadsUp("Lunch", "", 120, now).expiresAt,
              now.addSecs(120));
    EXPECT_EQ(HUDNotificationRequest::welcomeBack(HUDStyle::away, "Hi", "", now).expiresAt,
              now.addSecs(10));
}

TEST(HUDNotificationRequestTest, ThreeRemindersSummariseAsOneSentence)
{
    const auto reminder = [](HUDStyle style, const QString &title) {
        return PendingReminder{hudNotificationCategory(style), style, title, QString()};
    };
    const auto summary = wellnessSummary({reminder(HUDStyle::posture, "Sit up straight"),
                                          reminder(HUDStyle::blink, "Blink"),
                                          reminder(HUDStyle::typing, "Relax your wrists")});
    EXPECT_EQ(summary.title, "Wellness check");
    EXPECT_EQ(summary.subtitle, "Sit up straight, blink, and relax your wrists");
    // A break badge sent as a wellness reminder is filed with break heads-ups.
    EXPECT_EQ(hudNotificationCategory(HUDStyle::breakReminder), HUDNotificationCategory::breakHeadsUp);
    EXPECT_EQ(hudNotificationPriorityFromRaw(50), std::nullopt);
}
