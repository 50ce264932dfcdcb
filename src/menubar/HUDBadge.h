#pragma once

#include "menubar/HUDStyle.h"

#include <QColor>
#include <QString>

// The badge at the left of a notice: a small square with a vertical gradient and a white
// symbol. Break reminders show the application's icon instead and have neither.
struct HUDBadge
{
    static HUDBadge forStyle(HUDStyle style);

    bool showsApplicationIcon = false;
    QString symbolName;
    QColor topColor;
    QColor bottomColor;
};
