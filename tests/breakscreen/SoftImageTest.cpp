#include "breakscreen/SoftImage.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

double rowMeanOfGreen(const QImage &image, int y)
{
    double sum = 0;
    for (int x = 0; x < image.width(); ++x)
        sum += qGreen(image.pixel(x, y));
    return sum / image.width();
}

} // namespace

TEST(SoftImageTest, BlurSmoothsAHardPatternWithoutLosingLightOrDarkeningTheEdges)
{
    QImage pattern(64, 48, QImage::Format_RGB32);
    for (int y = 0; y < 48; ++y) {
        for (int x = 0; x < 64; ++x)
            pattern.setPixel(x, y, (x / 8 + y / 8) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    }
    const SoftImage checkerboard = SoftImage::fromImage(pattern);
    SoftImage blurred = checkerboard;
    blurred.blur(6);
    double before = 0, after = 0, largestStep = 0;
    for (int y = 0; y < 48; ++y) {
        for (int x = 0; x < 64; ++x) {
            before += checkerboard.pixel(x, y).green;
            after += blurred.pixel(x, y).green;
            if (x > 0) {
                const float step = blurred.pixel(x, y).green - blurred.pixel(x - 1, y).green;
                largestStep = std::max(largestStep, double(std::abs(step)));
            }
        }
    }
    EXPECT_NEAR(after / before, 1.0, 0.02);
    EXPECT_LT(largestStep, 0.05); // the sharp pattern stepped by 1.0

    SoftImage flat(40, 30, QColor(120, 140, 160));
    flat.blur(10);
    for (const QPoint corner : {QPoint(0, 0), QPoint(39, 0), QPoint(0, 29), QPoint(39, 29)})
        EXPECT_NEAR(flat.pixel(corner.x(), corner.y()).green, 140 / 255.0, 1e-4);
}

TEST(SoftImageTest, EnlargedGradientKeepsItsColoursWithoutBands)
{
    // A dark gradient spans five 8-bit levels over 600 rows: unbroken, it would show as five
    // flat bands with a sharp step between each.
    SoftImage gradient(8, 10);
    gradient.fillLinearGradient({0.5, 0.0}, {0.5, 1.0}, QColor::fromRgbF(0.06f, 0.08f, 0.10f),
                                QColor::fromRgbF(0.04f, 0.06f, 0.08f));
    const QImage image = gradient.toImage(QSize(400, 600));
    ASSERT_EQ(image.size(), QSize(400, 600));
    EXPECT_NEAR(rowMeanOfGreen(image, 0), 0.08 * 255, 0.3);
    EXPECT_NEAR(rowMeanOfGreen(image, 599), 0.06 * 255, 0.3);
    double largestJump = 0;
    for (int y = 1; y < 600; ++y) {
        const double jump = rowMeanOfGreen(image, y) - rowMeanOfGreen(image, y - 1);
        largestJump = std::max(largestJump, std::abs(jump));
    }
    EXPECT_LT(largestJump, 0.4);
    EXPECT_EQ(qAlpha(image.pixel(200, 300)), 255);
}

TEST(SoftImageTest, OnlyAnAllBlackPictureCountsAsBlack)
{
    EXPECT_TRUE(SoftImage(20, 10, Qt::black).isBlack());
    SoftImage almost(20, 10, Qt::black);
    almost.drawDisc({15, 5}, 1, QColor(40, 40, 40));
    EXPECT_FALSE(almost.isBlack());
}
