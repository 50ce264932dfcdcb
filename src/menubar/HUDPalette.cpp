#include "menubar/HUDPalette.h"

HUDPalette HUDPalette::forDarkness(bool isDark)
{
    if (isDark) {
        return {QColor::fromRgbF(0.15f, 0.16f, 0.20f), QColor::fromRgbF(0.10f, 0.10f, 0.14f),
                QColor::fromRgbF(1, 1, 1, 0.08f),      0.5,
                24,                                    Qt::white,
                QColor::fromRgbF(1, 1, 1, 0.6f)};
    }
    return {QColor::fromRgbF(0.98f, 0.98f, 1.0f), QColor::fromRgbF(0.93f, 0.93f, 0.96f),
            QColor::fromRgbF(0, 0, 0, 0.06f),    0.2,
            16,                                  Qt::black,
            QColor::fromRgbF(0, 0, 0, 0.5f)};
}
