#include "menubar/HUDBadge.h"

namespace {

HUDBadge symbolBadge(const char *symbol, QColor top, QColor bottom)
{
    return {false, QLatin1String(symbol), top, bottom};
}

QColor rgb(float red, float green, float blue)
{
    return QColor::fromRgbF(red, green, blue);
}

} // namespace

HUDBadge HUDBadge::forStyle(HUDStyle style)
{
    switch (style) {
    case HUDStyle::posture:
        return symbolBadge("figure.stand", rgb(0.25f, 0.80f, 0.45f), rgb(0.20f, 0.60f, 0.30f));
    case HUDStyle::typing:
        return symbolBadge("hand.raised.fill", rgb(1.00f, 0.55f, 0.20f), rgb(0.90f, 0.40f, 0.10f));
    case HUDStyle::blink:
        return symbolBadge("eye.fill", rgb(0.40f, 0.60f, 1.00f), rgb(0.25f, 0.40f, 0.85f));
    case HUDStyle::hydration:
        return symbolBadge("drop.fill", rgb(0.30f, 0.60f, 0.95f), rgb(0.20f, 0.45f, 0.80f));
    case HUDStyle::walk:
        return symbolBadge("figure.walk", rgb(0.95f, 0.75f, 0.20f), rgb(0.85f, 0.55f, 0.10f));
    case HUDStyle::meeting:
        return symbolBadge("video.fill", rgb(0.32f, 0.78f, 0.50f), rgb(0.18f, 0.56f, 0.32f));
    case HUDStyle::media:
        return symbolBadge("play.fill", rgb(0.32f, 0.65f, 1.00f), rgb(0.16f, 0.42f, 0.80f));
    case HUDStyle::away:
        // Shares the walking figure with `walk`; only the colours tell them apart.
        return symbolBadge("figure.walk", rgb(1.00f, 0.70f, 0.25f), rgb(0.82f, 0.48f, 0.08f));
    case HUDStyle::breakReminder:
        break;
    }
    return {true, QString(), QColor(), QColor()};
}

HUDBadge HUDBadge::applicationIconStandIn()
{
    return symbolBadge("leaf.fill", rgb(0.30f, 0.78f, 0.58f), rgb(0.12f, 0.52f, 0.42f));
}
