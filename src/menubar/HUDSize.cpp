#include "menubar/HUDSize.h"

HUDSize hudSizeFromText(const QString &text)
{
    if (text == QLatin1String("compact"))
        return HUDSize::compact;
    if (text == QLatin1String("large"))
        return HUDSize::large;
    return HUDSize::standard;
}
