#include "breakscreen/BreakGlyphs.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

// How much of a square of side `pointSize` the glyph covers, in pixels of ink.
double inkArea(BreakGlyph glyph, qreal pointSize, QFont::Weight weight)
{
    const int side = int(pointSize) + 4;
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    BreakGlyphs::paint(painter, glyph, QPointF(side / 2.0, side / 2.0), pointSize, weight,
                       Qt::black);
    painter.end();
    double ink = 0;
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x)
            ink += qAlpha(image.pixel(x, y)) / 255.0;
    }
    return ink;
}

// A point of the 24-unit drawing square, at a glyph of `pointSize` centred on the origin.
QPointF at(qreal gridX, qreal gridY, qreal pointSize)
{
    return QPointF(gridX - 12, gridY - 12) * (pointSize / 24);
}

} // namespace

TEST(BreakGlyphsTest, EverySymbolTheBreakScreenNamesIsDrawn)
{
    const QStringList names = {"leaf",      "leaf.fill",  "checkmark.circle.fill", "play.fill",
                               "forward.fill", "moon.fill", "chevron.up",          "eye.slash"};
    for (const QString &name : names) {
        const auto glyph = BreakGlyphs::fromSymbolName(name);
        ASSERT_TRUE(glyph.has_value()) << name.toStdString();
        EXPECT_EQ(BreakGlyphs::symbolName(*glyph), name);
    }
    EXPECT_EQ(BreakGlyphs::all().size(), names.size());
    EXPECT_FALSE(BreakGlyphs::fromSymbolName("Leaf.fill").has_value());
    EXPECT_FALSE(BreakGlyphs::fromSymbolName("camera.macro").has_value());
}

TEST(BreakGlyphsTest, GlyphsFillTheirSquareAndScaleWithTheirSize)
{
    for (BreakGlyph glyph : BreakGlyphs::all()) {
        SCOPED_TRACE(BreakGlyphs::symbolName(glyph).toStdString());
        for (QFont::Weight weight : {QFont::Thin, QFont::Normal, QFont::Bold}) {
            const QRectF bounds = BreakGlyphs::path(glyph, 36, weight).boundingRect();
            EXPECT_TRUE(QRectF(-18.5, -18.5, 37, 37).contains(bounds));
            EXPECT_GE(std::max(bounds.width(), bounds.height()), 36 * 0.6);
            // Centred: no glyph leans far to one side of its square.
            EXPECT_LT(std::abs(bounds.center().x()), 3.0);
            EXPECT_LT(std::abs(bounds.center().y()), 3.0);
            const QRectF doubled = BreakGlyphs::path(glyph, 72, weight).boundingRect();
            EXPECT_NEAR(doubled.width(), 2 * bounds.width(), 0.01);
        }
    }
}

TEST(BreakGlyphsTest, KnockedOutPartsStaySeeThrough)
{
    const qreal size = 48;
    const QPainterPath check =
        BreakGlyphs::path(BreakGlyph::checkmarkCircleFill, size, QFont::DemiBold);
    EXPECT_FALSE(check.contains(at(10.5, 15.3, size))); // on the tick
    EXPECT_TRUE(check.contains(at(12, 4, size)));       // the disc above it
    EXPECT_TRUE(check.contains(at(8, 17, size)));       // the disc below-left of it

    const QPainterPath moon = BreakGlyphs::path(BreakGlyph::moonFill, size, QFont::DemiBold);
    EXPECT_FALSE(moon.contains(at(15, 9, size))); // the bite out of the disc
    EXPECT_TRUE(moon.contains(at(6, 17, size)));

    const QPainterPath eye = BreakGlyphs::path(BreakGlyph::eyeSlash, size, QFont::ExtraLight);
    EXPECT_TRUE(eye.contains(at(12, 12, size)));        // the slash over the pupil
    EXPECT_TRUE(eye.contains(at(13.8, 10.3, size)));    // the pupil clear of the slash
    EXPECT_FALSE(eye.contains(at(12.8, 11.24, size)));  // the gap cut beside the slash
    EXPECT_FALSE(eye.contains(at(6.5, 12, size)));      // the white of the eye
}

TEST(BreakGlyphsTest, HeavierWeightsDrawHeavierStrokes)
{
    for (BreakGlyph glyph : {BreakGlyph::chevronUp, BreakGlyph::leaf, BreakGlyph::eyeSlash}) {
        SCOPED_TRACE(BreakGlyphs::symbolName(glyph).toStdString());
        const double thin = inkArea(glyph, 48, QFont::Thin);
        const double regular = inkArea(glyph, 48, QFont::Normal);
        const double bold = inkArea(glyph, 48, QFont::Bold);
        EXPECT_GT(regular, thin * 1.3);
        EXPECT_GT(bold, regular * 1.2);
    }
}
