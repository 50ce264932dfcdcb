#include "menubar/HUDStyle.h"

#include <array>

QString hudStyleName(HUDStyle style)
{
    static constexpr std::array<const char *, 9> names = {
        "posture", "typing", "blink", "hydration", "walk",
        "meeting", "media", "away", "breakReminder",
    };
    return QLatin1String(names[std::size_t(style)]);
}
