#pragma once

#include "menubar/HUDStyle.h"

#include <QColor>
#include <QString>
#include <QStringList>

#include <optional>

class AppSettings;
class HUDPresenter;
class ReminderQueue;

// The samples of the Notifications pane's preview, by notification type ("break", "typing",
// "posture", "blink"), and the "Preview Notification" action that shows one for real.
class NotificationPreview
{
public:
    // What the pane's drawing of a notice shows: no symbol and no accent for "break", which
    // wears the application's icon.
    struct BoxSample
    {
        QString title;
        QString subtitle;
        QString symbol;
        std::optional<QColor> accent;
    };

    // What the floating notice is asked to show.
    struct HUDSample
    {
        HUDStyle style;
        QString title;
        QString subtitle;
        int secondsLeft;
    };

    // The types in the picker's order.
    static const QStringList &types();
    // The heads-up lead time the window shows and previews: never below 15 seconds, so a
    // stored 0 (no heads-up) or a hand-set 10 still gives a readable countdown.
    static int effectiveLeadTime(qint64 headsUpSeconds);

    // Any text but the four types draws as "blink".
    static BoxSample boxSample(const QString &type);
    static HUDSample hudSample(const QString &type, int leadTime);
    // The parts read one after another as sentences, as a screen reader is to say them: a part
    // that ends without its own full stop, question or exclamation mark is given a full stop
    // before the next; the last is left as it ends. Blank parts are left out.
    static QString sentences(const QStringList &parts);

    // Empties the reminder queue, then, unless notifications are off or the process runs
    // under the test host, shows the type's sample as a regular notice, also outside office
    // hours. Returns whether a notice went up.
    static bool present(const QString &type, AppSettings &settings, ReminderQueue &reminders,
                        HUDPresenter &hud);
};
