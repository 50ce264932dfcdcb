#include "menubar/HUDNotificationRequest.h"

#include "menubar/PendingReminder.h"

#include <algorithm>
#include <array>

namespace {

constexpr int plainNoticeLifetimeSeconds = 10;
constexpr int minimumCountdownLifetimeSeconds = 10;

QDateTime countdownExpiry(const QDateTime &now, int secondsLeft)
{
    return now.addSecs(std::max(secondsLeft, minimumCountdownLifetimeSeconds));
}

} // namespace

std::optional<HUDNotificationPriority> hudNotificationPriorityFromRaw(int raw)
{
    for (auto priority : {HUDNotificationPriority::wellness, HUDNotificationPriority::welcomeBack,
                          HUDNotificationPriority::breakHeadsUp,
                          HUDNotificationPriority::scheduledBreak}) {
        if (int(priority) == raw)
            return priority;
    }
    return std::nullopt;
}

QString hudNotificationCategoryName(HUDNotificationCategory category)
{
    static constexpr std::array<const char *, 11> names = {
        "posture", "typing", "blink",       "hydration",    "walk",          "meeting",
        "media",   "away",   "welcomeBack", "breakHeadsUp", "scheduledBreak",
    };
    return QLatin1String(names[std::size_t(category)]);
}

HUDNotificationCategory hudNotificationCategory(HUDStyle style)
{
    switch (style) {
    case HUDStyle::posture: return HUDNotificationCategory::posture;
    case HUDStyle::typing: return HUDNotificationCategory::typing;
    case HUDStyle::blink: return HUDNotificationCategory::blink;
    case HUDStyle::hydration: return HUDNotificationCategory::hydration;
    case HUDStyle::walk: return HUDNotificationCategory::walk;
    case HUDStyle::meeting: return HUDNotificationCategory::meeting;
    case HUDStyle::media: return HUDNotificationCategory::media;
    case HUDStyle::away: return HUDNotificationCategory::away;
    case HUDStyle::breakReminder: return HUDNotificationCategory::breakHeadsUp;
    }
    return HUDNotificationCategory::breakHeadsUp;
}

HUDNotificationRequest HUDNotificationRequest::welcomeBack(HUDStyle style, const QString &title,
                                                           const QString &subtitle,
                                                           const QDateTime &now)
{
    return {QUuid::createUuid(), HUDNotificationCategory::welcomeBack,
            HUDNotificationPriority::welcomeBack, style, title, subtitle, 0,
            HUDPresentationKind::regular, now.addSecs(plainNoticeLifetimeSeconds)};
}

HUDNotificationRequest HUDNotificationRequest::breakHeadsUp(const QString &title,
                                                            const QString &subtitle,
                                                            int secondsLeft, const QDateTime &now)
{
    return {QUuid::createUuid(), HUDNotificationCategory::breakHeadsUp,
            HUDNotificationPriority::breakHeadsUp, HUDStyle::breakReminder, title, subtitle,
            secondsLeft, HUDPresentationKind::regular, countdownExpiry(now, secondsLeft)};
}

HUDNotificationRequest HUDNotificationRequest::plannedBreakHeadsUp(const QString &title,
                                                                   const QString &subtitle,
                                                                   int secondsLeft,
                                                                   const QDateTime &now)
{
    return {QUuid::createUuid(), HUDNotificationCategory::scheduledBreak,
            HUDNotificationPriority::scheduledBreak, HUDStyle::breakReminder, title, subtitle,
            secondsLeft, HUDPresentationKind::scheduledBreak, countdownExpiry(now, secondsLeft)};
}

HUDNotificationRequest HUDNotificationRequest::wellness(const QList<PendingReminder> &reminders,
                                                        const QDateTime &now)
{
    const PendingReminder &first = reminders.constFirst();
    const WellnessSummary summary = wellnessSummary(reminders);
    return {QUuid::createUuid(), first.category, HUDNotificationPriority::wellness, first.style,
            summary.title, summary.subtitle, 0, HUDPresentationKind::regular,
            now.addSecs(plainNoticeLifetimeSeconds)};
}
