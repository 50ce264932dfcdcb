#include "breakscreen/BreakOverlayPalette.h"

#include <gtest/gtest.h>

TEST(BreakOverlayPaletteTest, TextIsWhiteOnTheDarkBackdropsAndFollowsTheSchemeOnBlur)
{
    for (BreakBG background : {BreakBG::nature, BreakBG::dark, BreakBG::gradient}) {
        for (ColorScheme scheme : {ColorScheme::light, ColorScheme::dark}) {
            const BreakOverlayPalette palette(background, scheme);
            EXPECT_EQ(palette.secondaryText(0.82, 0.76), QColor::fromRgbF(1, 1, 1, 0.76f));
            EXPECT_EQ(palette.primaryText(), QColor::fromRgbF(1, 1, 1, 0.88f));
            EXPECT_EQ(palette.clockText(), QColor::fromRgbF(1, 1, 1, 0.62f));
            EXPECT_EQ(palette.tertiaryText(), QColor::fromRgbF(1, 1, 1, 0.56f));
            EXPECT_EQ(palette.quaternaryText(), QColor::fromRgbF(1, 1, 1, 0.52f));
            EXPECT_EQ(palette.track(), QColor::fromRgbF(1, 1, 1, 0.18f));
            EXPECT_EQ(palette.tint(), QColor(Qt::white));
        }
    }
    const BreakOverlayPalette light(BreakBG::blur, ColorScheme::light);
    const BreakOverlayPalette dark(BreakBG::blur, ColorScheme::dark);
    EXPECT_LT(light.tint().lightness(), 60);
    EXPECT_GT(dark.tint().lightness(), 200);
    EXPECT_LT(light.secondaryText(0.82, 0.76).lightness(), 60);
    EXPECT_GT(dark.secondaryText(0.82, 0.76).lightness(), 200);
    // Each level is fainter than the one above it.
    for (const BreakOverlayPalette &palette :
         {light, dark, BreakOverlayPalette(BreakBG::nature, ColorScheme::light)}) {
        EXPECT_GT(palette.primaryText().alphaF(), palette.secondaryText(0.82, 0.76).alphaF());
        EXPECT_GT(palette.secondaryText(0.82, 0.76).alphaF(), palette.clockText().alphaF());
        EXPECT_GT(palette.clockText().alphaF(), palette.tertiaryText().alphaF());
        EXPECT_GT(palette.tertiaryText().alphaF(), palette.quaternaryText().alphaF());
    }
}
