#include "core/AppIcon.h"

#include <gtest/gtest.h>

TEST(AppIconTest, AGreenRoundedTileWithAWhiteLeafAtAnySize)
{
    for (const int side : {16, 90, 512}) {
        SCOPED_TRACE(side);
        const QImage tile = AppIcon::image(side);
        ASSERT_EQ(tile.size(), QSize(side, side));
        EXPECT_EQ(qAlpha(tile.pixel(0, 0)), 0) << "rounded corners";
        const QColor edge = tile.pixelColor(side / 2, side / 12 + 1);
        EXPECT_GT(edge.green(), edge.red() + 40) << "green tile";
        EXPECT_GT(edge.green(), edge.blue() + 40);
        // The leaf crosses the centre on its diagonal, a little off the vein.
        const QColor leaf = tile.pixelColor(side * 45 / 100, side * 45 / 100);
        EXPECT_GT(leaf.lightness(), 200) << "white leaf";

        const QImage desktop = AppIcon::desktopImage(side);
        EXPECT_EQ(desktop.size(), QSize(side, side));
        EXPECT_EQ(qAlpha(desktop.pixel(side / 2, 0)), 0) << "desktop icons keep a margin";
    }
    EXPECT_FALSE(AppIcon::icon().isNull());
    const QImage sharp = AppIcon::image(90, 2);
    EXPECT_EQ(sharp.size(), QSize(180, 180));
}
