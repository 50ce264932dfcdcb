#include "settings_ui/components/SettingsFont.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

TEST(SettingsFontTest, SizesArePixelsAndTabularDigitsKeepTheirWidthWhateverTheValue)
{
    const QFont font = SettingsFont::font(15, QFont::Bold, -0.5);
    EXPECT_EQ(font.pixelSize(), 15);
    EXPECT_EQ(font.weight(), QFont::Bold);
    EXPECT_EQ(font.letterSpacing(), -0.5);
    EXPECT_EQ(font.letterSpacingType(), QFont::AbsoluteSpacing);

    // "11m" and "45m" take the same room, so a changing value does not shift its row.
    const qreal ones = SettingsFont::tabularWidth(font, "11m");
    EXPECT_DOUBLE_EQ(ones, SettingsFont::tabularWidth(font, "45m"));
    EXPECT_DOUBLE_EQ(SettingsFont::tabularWidth(font, "20"), 2 * SettingsFont::digitCellWidth(font));

    // Centred text ends as far from the right edge as it starts from the left.
    QImage image(120, 30, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setPen(Qt::black);
    SettingsFont::drawTabular(painter, QRectF(0, 0, 120, 30), Qt::AlignCenter, font, "888");
    painter.end();
    int left = image.width(), right = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    ASSERT_LT(left, right);
    EXPECT_NEAR(left, image.width() - 1 - right, 3);
}
