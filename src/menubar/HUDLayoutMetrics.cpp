#include "menubar/HUDLayoutMetrics.h"

#include <algorithm>

namespace {

constexpr double kCompactLineHeight = 16;
constexpr double kTitleHeight = 18;
constexpr double kSubtitleHeight = 15;
constexpr double kCountdownFigureHeight = 14;

} // namespace

HUDLayoutMetrics HUDLayoutMetrics::forSize(HUDSize size)
{
    switch (size) {
    case HUDSize::compact:
        return {size, 260, 44, 22, 26, 10, 6, 16, 10, 8, 12, 26, 2.0, 1.0, 9, 12, 12, 12};
    case HUDSize::large:
        return {size, 380, 72, 14, 40, 14, 8, 26, 16, 12, 16, 40, 2.5, 1.25, 13, 12, 15, 12};
    case HUDSize::standard:
        break;
    }
    return {HUDSize::standard, 310, 56, 14, 32, 14, 8, 22, 14, 12, 16, 34, 2.5, 1.25, 11, 12, 13, 11};
}

QRectF HUDLayoutMetrics::badgeFrame() const
{
    return {badgeInset, (height - badgeSide) / 2, badgeSide, badgeSide};
}

QRectF HUDLayoutMetrics::symbolFrame() const
{
    return {badgeInset + (badgeSide - symbolBoxSide) / 2, (height - symbolBoxSide) / 2,
            symbolBoxSide, symbolBoxSide};
}

QRectF HUDLayoutMetrics::ringFrame() const
{
    return {width - rightInset - ringSide, (height - ringSide) / 2, ringSide, ringSide};
}

double HUDLayoutMetrics::textX() const
{
    return badgeInset + badgeSide + badgeToTextGap;
}

double HUDLayoutMetrics::textWidth(bool withRing) const
{
    const double textEnd = withRing ? ringFrame().x() - kTextToRingGap : width - rightInset;
    return std::max(0.0, textEnd - textX());
}

QRectF HUDLayoutMetrics::compactLineFrame(bool withRing) const
{
    return {textX(), (height - kCompactLineHeight) / 2, textWidth(withRing), kCompactLineHeight};
}

// The title sits just above the body's middle line and the subtitle just below it.
QRectF HUDLayoutMetrics::titleFrame(bool withRing) const
{
    return {textX(), height / 2 - 1 - kTitleHeight, textWidth(withRing), kTitleHeight};
}

QRectF HUDLayoutMetrics::subtitleFrame(bool withRing) const
{
    return {textX(), height / 2 + 1, textWidth(withRing), kSubtitleHeight};
}

QRectF HUDLayoutMetrics::countdownFigureFrame() const
{
    return {0, (ringSide - kCountdownFigureHeight) / 2, ringSide, kCountdownFigureHeight};
}
