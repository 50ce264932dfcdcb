#pragma once

#include <QString>

#include <functional>

class AppSettings;
class BreakScheduler;
class HUDPresenter;
class ReminderQueue;

// What skipping does, whichever control asked: the tray menu and the global hot key differ
// only in when they may skip and in the source they log.
class BreakSkip
{
public:
    // Skips the interval that is counting down: the pending notices go, the timer starts
    // over and the skip counts against the limit. Refused (logged, false) while paused.
    static bool skipInterval(AppSettings &settings, BreakScheduler &scheduler, ReminderQueue &reminders,
                             HUDPresenter &hud);

    // Ends the break on screen through `skip`, after clearing the notices that would
    // otherwise follow it; logged under `category` with `source`.
    static void skipOnScreen(const QString &category, const QString &source, ReminderQueue &reminders,
                             HUDPresenter &hud, const std::function<void()> &skip);
};
