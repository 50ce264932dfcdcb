#pragma once

#include "menubar/HUDLayoutMetrics.h"

#include <QList>
#include <QPoint>
#include <QRect>

#include <optional>

// Where the notice's window goes: on the screen under the pointer, the body centred across
// it with its lower edge a fixed distance below the screen's top edge.
class HUDPlacement
{
public:
    static constexpr int kBodyBottomBelowScreenTop = 150;

    // The window's frame for a screen's full geometry (panels and docks included).
    static QRect windowFrame(const QRect &screen, const HUDLayoutMetrics &metrics);
    // The first screen that holds the point, else the first screen (the primary one comes
    // first); none without screens.
    static std::optional<QRect> screenAt(const QPoint &point, const QList<QRect> &screens);
    // The rule above for the pointer's position and the application's screens now.
    static std::optional<QRect> screenUnderPointer();
};
