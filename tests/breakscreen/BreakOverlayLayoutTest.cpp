#include "breakscreen/BreakOverlayLayout.h"

#include <gtest/gtest.h>

namespace {

BreakOverlayLayout::Parts controlsIn()
{
    BreakOverlayLayout::Parts parts;
    parts.message = {500, 64};
    parts.clock = {140, 14};
    parts.countdown = {180, 70};
    parts.completePanel = {300, 180};
    parts.actionRowHeight = 36;
    parts.hint = {150, 14};
    parts.messageShown = 0;
    parts.clockShown = 1;
    parts.actionsShown = 1;
    return parts;
}

} // namespace

TEST(BreakOverlayLayoutTest, TheColumnStacksItsPartsWithTheirGapsAndStaysCentred)
{
    const QRect panel(0, 0, 1440, 900);
    const auto place = BreakOverlayLayout::place(panel, controlsIn());
    EXPECT_EQ(place.column, QRect(340, 40, 760, 820));
    // The faded message has drifted 4 up from its place.
    EXPECT_EQ(place.clock.top() - (place.message.bottom() + 1), 20 + 4);
    EXPECT_EQ(place.countdown.top() - (place.clock.bottom() + 1), 8);
    EXPECT_EQ(place.actionRow.top() - (place.countdown.bottom() + 1), 32);
    EXPECT_EQ(place.hint.top() - (place.actionRow.bottom() + 1), 16);
    const int above = place.message.top() + 4 - panel.top();
    const int below = panel.bottom() - place.hint.bottom();
    EXPECT_NEAR(above, below, 1);
    for (const QRect &part : {place.message, place.clock, place.countdown, place.hint})
        EXPECT_NEAR(part.center().x(), panel.center().x(), 1);
}

TEST(BreakOverlayLayoutTest, AHiddenCountdownLeavesOnlyTheGapsBetweenMessageAndRow)
{
    BreakOverlayLayout::Parts parts = controlsIn();
    parts.countdown = QSize();
    parts.messageShown = 1;
    parts.clockShown = 0;
    const auto place = BreakOverlayLayout::place(QRect(0, 0, 1440, 900), parts);
    EXPECT_EQ(place.actionRow.top() - (place.message.bottom() + 1), 20 + 32);
}

TEST(BreakOverlayLayoutTest, TheMessageWrapsWithinTheColumnOnANarrowPanel)
{
    EXPECT_EQ(BreakOverlayLayout::messageWrapWidth(1920), 620);
    EXPECT_EQ(BreakOverlayLayout::messageWrapWidth(600), 600 - 80 - 36);
}
