#include "menubar/HUDPlacement.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>


QRect HUDPlacement::windowFrame(const QRect &screen, const HUDLayoutMetrics &metrics)
{
    const QSize window = metrics.windowSize().toSize();
    const int margin = int(HUDLayoutMetrics::kMargin);
    const int bodyLeft = screen.x() + (screen.width() - int(metrics.width)) / 2;
    const int bodyTop = screen.y() + kBodyBottomBelowScreenTop - int(metrics.height);
    return {QPoint(bodyLeft - margin, bodyTop - margin), window};
}

std::optional<QRect> HUDPlacement::screenAt(const QPoint &point, const QList<QRect> &screens)
{
    for (const QRect &screen : screens) {
        if (screen.contains(point))
            return screen;
    }
    if (screens.isEmpty())
        return std::nullopt;
    return screens.constFirst();
}

std::optional<QRect> HUDPlacement::screenUnderPointer()
{
    QList<QRect> geometries;
    if (const QScreen *primary = QGuiApplication::primaryScreen())
        geometries.append(primary->geometry());
    for (const QScreen *screen : QGuiApplication::screens()) {
        if (screen != QGuiApplication::primaryScreen())
            geometries.append(screen->geometry());
    }
    return screenAt(QCursor::pos(), geometries);
}
