#pragma once

#include "menubar/HUDStyle.h"

#include <QColor>
#include <QString>

// The badge at the left of a notice: a small square with a vertical gradient and a white
// symbol. Break reminders show the application's icon instead and have neither.
struct HUDBadge
{
    static HUDBadge forStyle(HUDStyle style);
    // What stands in for the application's icon while the desktop has given the application
    // none: the project's leaf on a green square, the leaf filling `symbolShare` of its side.
    static HUDBadge applicationIconStandIn();
    static constexpr double standInSymbolShare = 0.62;

    bool showsApplicationIcon = false;
    QString symbolName;
    QColor topColor;
    QColor bottomColor;
};
