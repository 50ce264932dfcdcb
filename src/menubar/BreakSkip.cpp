#include "menubar/BreakSkip.h"

#include "core/AppSettings.h"
#include "core/Logger.h"
#include "menubar/HUDPresenter.h"
#include "menubar/ReminderQueue.h"
#include "scheduling/BreakScheduler.h"

bool BreakSkip::skipInterval(AppSettings &settings, BreakScheduler &scheduler, ReminderQueue &reminders,
                             HUDPresenter &hud)
{
    if (scheduler.isPaused()) {
        logInfo(QStringLiteral("BreakScheduler"), QStringLiteral("Skip ignored while paused"));
        return false;
    }
    settings.recordSkipUsed();
    reminders.clearAll();
    hud.dismiss(true);
    scheduler.stop();
    scheduler.start();
    return true;
}

void BreakSkip::skipOnScreen(const QString &category, const QString &source, ReminderQueue &reminders,
                             HUDPresenter &hud, const std::function<void()> &skip)
{
    logInfo(category, formatLogEvent(QStringLiteral("active_break_skip_requested"),
                                     {{QStringLiteral("source"), source}}));
    reminders.clearAll();
    hud.dismiss(true);
    skip();
}
