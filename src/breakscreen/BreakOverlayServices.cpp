#include "breakscreen/BreakOverlayServices.h"

#include "breakscreen/BlurBackgroundPainter.h"
#include "core/AppSettings.h"
#include "core/SystemClock.h"
#include "core/ThemeManager.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>

BreakOverlayServices BreakOverlayServices::shared(QScreen *screen)
{
    // Never destroyed, like the other shared services it sits beside.
    static SystemClock *const clock = new SystemClock;
    const QPointer<QScreen> target = screen ? screen : QGuiApplication::primaryScreen();
    return {AppSettings::shared(), *clock, ThemeManager::shared(),
            [target] { return BlurBackgroundPainter::grabScreen(target.data()); }};
}
