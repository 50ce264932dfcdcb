#include "breakscreen/SoftShadow.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

TEST(SoftShadowTest, IsAsDarkAsAskedInsideAndFadesOutWithinItsReach)
{
    const int reach = SoftShadow::reach(18);
    QImage shape(QSize(100 + 2 * reach, 60 + 2 * reach), QImage::Format_ARGB32_Premultiplied);
    shape.fill(Qt::transparent);
    QPainter(&shape).fillRect(QRect(reach, reach, 100, 60), Qt::black);

    const QImage shadow = SoftShadow::fromShape(shape, 18, 0.2);
    const QPoint centre(reach + 50, reach + 30);
    EXPECT_NEAR(qAlpha(shadow.pixel(centre)), 0.2 * 255, 2);
    EXPECT_EQ(qRed(shadow.pixel(centre)), 0);
    int previous = 256;
    for (int x = reach + 50; x >= 0; --x) {
        const int alpha = qAlpha(shadow.pixel(x, centre.y()));
        EXPECT_LE(alpha, previous) << "at " << x;
        previous = alpha;
    }
    EXPECT_EQ(qAlpha(shadow.pixel(0, centre.y())), 0);
    EXPECT_GT(qAlpha(shadow.pixel(reach - 4, centre.y())), 0) << "soft, not a hard edge";
}
