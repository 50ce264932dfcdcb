#include "breakscreen/BreakScreenServices.h"

#include "breakscreen/BreakScreenConfig.h"
#include "breakscreen/PanelStackingMonitor.h"
#include "core/AppNotifier.h"
#include "core/AppSettings.h"
#include "core/SystemClock.h"
#include "core/SystemProviders.h"
#include "menubar/AppSoundPlayer.h"
#include "menubar/FloatingHUD.h"
#include "menubar/ReminderQueue.h"
#include "scheduling/BreakScheduler.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

namespace {

PanelStackingMonitor *g_sharedStackingMonitor = nullptr;

PanelStackingMonitor &sharedStackingMonitor()
{
    static PanelStackingMonitor *const quiet = new PanelStackingMonitor;
    return g_sharedStackingMonitor ? *g_sharedStackingMonitor : *quiet;
}

} // namespace

void BreakScreenServices::setSharedStackingMonitor(PanelStackingMonitor *monitor)
{
    g_sharedStackingMonitor = monitor;
}

BreakScreenServices BreakScreenServices::shared()
{
    static SystemClock *const clock = new SystemClock;
    return {
        .clock = *clock,
        .notifier = AppNotifier::instance(),
        .sessionEvents = SystemProviders::sessionEvents(),
        .displayState = SystemProviders::displayState(),
        .stacking = sharedStackingMonitor(),
        .content = BreakPanelContent::standard(),
        .screens = &BreakScreenServices::desktopScreens,
        .screenUnderPointer = &BreakScreenServices::desktopScreenUnderPointer,
        .loadConfig = [] { return BreakScreenConfig::load(); },
        .enforcement = [] { return AppSettings::shared().enforcement(); },
        .isScreenLocked = [] { return BreakScheduler::shared().isScreenLocked(); },
        .clearNotices =
            [] {
                ReminderQueue::shared().clearAll();
                FloatingHUD::shared().dismiss(true);
            },
        .playBreakSound = [] { AppSoundPlayer::shared().play(AppSound::submarine); },
        .handleBreakDismissal =
            [](const BreakDismissalOutcome &outcome) {
                BreakScheduler::shared().handleBreakDismissal(outcome);
            },
    };
}

QList<QScreen *> BreakScreenServices::desktopScreens()
{
    QList<QScreen *> screens = QGuiApplication::screens();
    QScreen *primary = QGuiApplication::primaryScreen();
    if (primary && screens.removeOne(primary))
        screens.prepend(primary);
    return screens;
}

QScreen *BreakScreenServices::desktopScreenUnderPointer()
{
    if (QScreen *screen = QGuiApplication::screenAt(QCursor::pos()))
        return screen;
    if (QScreen *primary = QGuiApplication::primaryScreen())
        return primary;
    const QList<QScreen *> screens = QGuiApplication::screens();
    return screens.isEmpty() ? nullptr : screens.first();
}
