#include "breakscreen/BlurBackgroundPainter.h"
#include "breakscreen/BreakBackgrounds.h"
#include "breakscreen/GradientBackgroundPainter.h"
#include "breakscreen/NatureBackgroundPainter.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace {

QImage blank(QSize size, qreal ratio = 1.0, QColor fill = Qt::transparent)
{
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(fill);
    return image;
}

void paintInto(QImage &image, BreakBackgroundPainter &background, const QRect &clip = {})
{
    QPainter painter(&image);
    if (!clip.isNull())
        painter.setClipRect(clip);
    background.paint(painter, QRect(QPoint(), image.deviceIndependentSize().toSize()));
}

QImage painted(BreakBackgroundPainter &background, QSize size, qreal ratio = 1.0)
{
    QImage image = blank(size, ratio);
    paintInto(image, background);
    return image;
}

// The mean colour of a small patch, in 0..255, to look past the dithering grain.
QColor patchMean(const QImage &image, QPoint centre, int radius = 3)
{
    double red = 0, green = 0, blue = 0, alpha = 0;
    int count = 0;
    for (int y = centre.y() - radius; y <= centre.y() + radius; ++y) {
        for (int x = centre.x() - radius; x <= centre.x() + radius; ++x) {
            const QRgb pixel = image.pixel(std::clamp(x, 0, image.width() - 1),
                                           std::clamp(y, 0, image.height() - 1));
            red += qRed(pixel), green += qGreen(pixel), blue += qBlue(pixel);
            alpha += qAlpha(pixel);
            ++count;
        }
    }
    return QColor(qRound(red / count), qRound(green / count), qRound(blue / count),
                  qRound(alpha / count));
}

void expectNear(const QColor &actual, float red, float green, float blue, int tolerance = 2)
{
    EXPECT_NEAR(actual.red(), red * 255, tolerance);
    EXPECT_NEAR(actual.green(), green * 255, tolerance);
    EXPECT_NEAR(actual.blue(), blue * 255, tolerance);
}

// Left half warm, right half cool: a stand-in for a grabbed screen.
QImage twoToneScreen(QSize size)
{
    QImage screen(size, QImage::Format_RGB32);
    QPainter painter(&screen);
    painter.fillRect(QRect(0, 0, size.width() / 2, size.height()), QColor(220, 60, 40));
    painter.fillRect(QRect(size.width() / 2, 0, size.width() / 2, size.height()),
                     QColor(40, 80, 220));
    return screen;
}

} // namespace

TEST(BreakBackgroundPainterTest, EveryBackgroundPaintsAnOpaqueVariedPicture)
{
    const QSize size(480, 300);
    for (BreakBG background : allBreakBGs()) {
        SCOPED_TRACE(rawValue(background).toStdString());
        auto painter = BreakBackgrounds::forOverlay(background, ColorScheme::dark,
                                                    twoToneScreen(size));
        const QImage image = painted(*painter, size);
        int darkest = 255, lightest = 0;
        bool opaque = true;
        for (int y = 0; y < image.height(); y += 5) {
            for (int x = 0; x < image.width(); x += 5) {
                const int grey = qGray(image.pixel(x, y));
                darkest = std::min(darkest, grey), lightest = std::max(lightest, grey);
                opaque = opaque && qAlpha(image.pixel(x, y)) == 255;
            }
        }
        EXPECT_TRUE(opaque);
        EXPECT_GE(lightest - darkest, 4);
    }
}

TEST(BreakBackgroundPainterTest, GradientsRunInTheirDesignedDirections)
{
    const QSize size(800, 400);
    auto dark = BreakBackgrounds::forOverlay(BreakBG::dark, ColorScheme::light, QImage());
    const QImage vertical = painted(*dark, size);
    expectNear(patchMean(vertical, {400, 0}), 0.08f, 0.08f, 0.10f);
    expectNear(patchMean(vertical, {400, 399}), 0.03f, 0.03f, 0.05f);
    EXPECT_EQ(patchMean(vertical, {3, 200}), patchMean(vertical, {796, 200}));

    auto gradient = BreakBackgrounds::forOverlay(BreakBG::gradient, ColorScheme::light, QImage());
    const QImage diagonal = painted(*gradient, size);
    expectNear(patchMean(diagonal, {0, 0}), 0.09f, 0.11f, 0.16f);
    expectNear(patchMean(diagonal, {799, 399}), 0.03f, 0.04f, 0.08f);
    // Corner to corner on a wide panel: the other two corners share the middle colour.
    const QColor topRight = patchMean(diagonal, {799, 0});
    expectNear(topRight, 0.06f, 0.075f, 0.12f);
    expectNear(patchMean(diagonal, {0, 399}), topRight.redF(), topRight.greenF(), topRight.blueF());
}

TEST(BreakBackgroundPainterTest, NatureGlowsLightenUpLeftAndDownRightOfTheCentre)
{
    const QSize size(1200, 800);
    NatureBackgroundPainter nature;
    GradientBackgroundPainter plain = GradientBackgroundPainter::diagonal(
        QColor::fromRgbF(0.15f, 0.18f, 0.13f), QColor::fromRgbF(0.05f, 0.07f, 0.05f));
    const QImage withGlows = painted(nature, size);
    const QImage without = painted(plain, size);
    const QPoint centre(600, 400);
    for (const QPoint glow : {centre + QPoint(-120, -80), centre + QPoint(150, 120)}) {
        EXPECT_GE(patchMean(withGlows, glow).green() - patchMean(without, glow).green(), 4);
    }
    // Far from both glows the gradient alone shows.
    EXPECT_NEAR(patchMean(withGlows, {1196, 3}).green(), patchMean(without, {1196, 3}).green(), 1);
}

TEST(BreakBackgroundPainterTest, FillsEveryDevicePixelAndFollowsANewPanelSize)
{
    auto dark = BreakBackgrounds::forOverlay(BreakBG::dark, ColorScheme::dark, QImage());
    const QImage sharp = painted(*dark, QSize(300, 200), 2.0);
    ASSERT_EQ(sharp.size(), QSize(600, 400));
    expectNear(patchMean(sharp, {300, 399}), 0.03f, 0.03f, 0.05f);
    EXPECT_EQ(qAlpha(sharp.pixel(599, 399)), 255);

    // The same painter on a larger panel draws anew rather than stretching what it kept.
    const QImage larger = painted(*dark, QSize(640, 480));
    EXPECT_EQ(qAlpha(larger.pixel(639, 479)), 255);
    expectNear(patchMean(larger, {320, 479}), 0.03f, 0.03f, 0.05f);
    expectNear(patchMean(larger, {320, 0}), 0.08f, 0.08f, 0.10f);
}

TEST(BreakBackgroundPainterTest, RepaintingADirtyRectangleRestoresExactlyThatRectangle)
{
    const QSize size(400, 300);
    for (bool readable : {true, false}) {
        BlurBackgroundPainter blur(readable ? twoToneScreen(size) : QImage(), ColorScheme::light);
        const QImage whole = painted(blur, size);
        QImage repaired = whole.copy();
        const QRect dirty(180, 120, 40, 30);
        repaired.setPixel(190, 130, qRgba(255, 0, 255, 255));
        // Painting twice must not stack a translucent backdrop on itself.
        paintInto(repaired, blur, dirty);
        paintInto(repaired, blur, dirty);
        EXPECT_TRUE(repaired == whole) << "screen readable: " << readable;
    }
}

TEST(BlurBackgroundPainterTest, BlursTheScreenSmoothlyUnderTheTint)
{
    const QSize size(800, 400);
    BlurBackgroundPainter blur(twoToneScreen(size), ColorScheme::dark);
    ASSERT_TRUE(blur.usesScreen());
    const QImage image = painted(blur, size);
    const QColor left = patchMean(image, {40, 200});
    const QColor right = patchMean(image, {760, 200});
    EXPECT_GT(left.red(), left.blue() + 20);
    EXPECT_GT(right.blue(), right.red() + 20);
    // The dark tint sits over the screen: nothing is as bright as the screen was.
    EXPECT_LT(left.red(), 200);
    // The hard edge in the middle becomes a gradual blend: no step between neighbours
    // beyond a few levels, and the blend spans tens of pixels.
    int largestStep = 0;
    for (int x = 1; x < size.width(); ++x) {
        const int step = qRed(image.pixel(x, 200)) - qRed(image.pixel(x - 1, 200));
        largestStep = std::max(largestStep, std::abs(step));
    }
    EXPECT_LE(largestStep, 4);
    EXPECT_GT(patchMean(image, {370, 200}).red(), patchMean(image, {430, 200}).red() + 10);

    BlurBackgroundPainter light(twoToneScreen(size), ColorScheme::light);
    EXPECT_GT(qGray(patchMean(painted(light, size), {400, 200}).rgb()),
              qGray(patchMean(image, {400, 200}).rgb()) + 60);
}

TEST(BlurBackgroundPainterTest, UnreadableScreenGivesTheTranslucentFill)
{
    const QSize size(200, 120);
    QImage black(size, QImage::Format_RGB32);
    black.fill(Qt::black);
    for (ColorScheme scheme : {ColorScheme::light, ColorScheme::dark}) {
        for (const QImage &grab : {QImage(), black}) {
            BlurBackgroundPainter blur(grab, scheme);
            EXPECT_FALSE(blur.usesScreen());
            EXPECT_FALSE(blur.isOpaque());
            const QColor fill = BlurBackgroundPainter::translucentFill(scheme);
            const QColor pixel = painted(blur, size).pixelColor(100, 60);
            EXPECT_NEAR(pixel.alpha(), fill.alpha(), 1);
            EXPECT_NEAR(pixel.red(), fill.red(), 2);
            EXPECT_NEAR(pixel.blue(), fill.blue(), 2);
        }
    }
}
