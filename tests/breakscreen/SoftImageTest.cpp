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

TEST(SoftImageTest, BoundingLuminanceMovesOnlyPixelsOutsideTheBandAndKeepsTheirHue)
{
    auto linear = [](float encoded) {
        return encoded <= 0.04045f ? encoded / 12.92f : std::pow((encoded + 0.055f) / 1.055f, 2.4f);
    };
    auto luminance = [&](const SoftImage::Pixel &p) {
        return 0.2126f * linear(p.red) + 0.7152f * linear(p.green) + 0.0722f * linear(p.blue);
    };
    struct Case
    {
        QColor colour;
        float expected; // the luminance after; negative: left as it was
    } const cases[] = {
        {QColor(20, 40, 120), 0.3f}, // a dark blue, lifted to the floor
        {QColor(250, 250, 250), 0.6f}, // near white, brought down to the ceiling
        {QColor(150, 160, 170), -1},   // inside the band
    };
    for (const Case &c : cases) {
        SoftImage image(1, 1, c.colour);
        const SoftImage::Pixel before = image.pixel(0, 0);
        image.boundLuminance(0.3f, 0.6f);
        const SoftImage::Pixel after = image.pixel(0, 0);
        if (c.expected < 0) {
            EXPECT_FLOAT_EQ(after.green, before.green) << c.colour.name().toStdString();
            continue;
        }
        EXPECT_NEAR(luminance(after), c.expected, 1e-3) << c.colour.name().toStdString();
        // Blue stays the strongest channel of the blue, and the grey stays grey.
        EXPECT_EQ(after.blue > after.red, before.blue > before.red) << c.colour.name().toStdString();
        EXPECT_FLOAT_EQ(after.alpha, 1.0f);
    }
}
