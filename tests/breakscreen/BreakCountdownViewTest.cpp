#include "breakscreen/BreakCountdownView.h"

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

// White ink on a dark backdrop: the fill is white at 0.76, the track white at 0.18, so a
// pixel's alpha tells which of the two covers it.
const BreakOverlayPalette darkBackdrop(BreakBG::dark, ColorScheme::dark);
constexpr int filledAlpha = 150;
constexpr int trackOnlyAlpha = 80;

QImage picture(QWidget &widget)
{
    QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

// The point on the ring `degrees` clockwise from twelve o'clock, in the widget.
QPoint onRing(const BreakCountdownView &view, const QRect &content, qreal degrees)
{
    const QPointF centre = QRectF(content).center() - QPointF(view.pos());
    const qreal radius = BreakCountdownView::ringSide / 2 - BreakCountdownView::ringLineWidth / 2;
    const qreal radians = degrees * M_PI / 180;
    return QPointF(centre.x() + radius * std::sin(radians), centre.y() - radius * std::cos(radians))
        .toPoint();
}

// The strongest alpha around `point`: the ring's line is thinner than the rounding of a
// point on it is sure.
int alphaAt(const QImage &image, const QPoint &point)
{
    int strongest = 0;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            strongest = std::max(strongest, qAlpha(image.pixel(point + QPoint(dx, dy))));
    return strongest;
}

} // namespace

TEST(BreakCountdownViewTest, TimeReadsAsMinutesAndSecondsWithTheMinutesUncapped)
{
    EXPECT_EQ(BreakCountdownView::formatted(0), "00:00");
    EXPECT_EQ(BreakCountdownView::formatted(59), "00:59");
    EXPECT_EQ(BreakCountdownView::formatted(60), "01:00");
    EXPECT_EQ(BreakCountdownView::formatted(3600), "60:00");
    EXPECT_EQ(BreakCountdownView::formatted(5999), "99:59");
    EXPECT_EQ(BreakCountdownView::formatted(6000), "100:00");

    BreakCountdownView hidden(BreakCountdown::hidden, darkBackdrop);
    hidden.setCountdown(42, 0.5);
    EXPECT_EQ(hidden.text(), "");
    EXPECT_TRUE(hidden.contentSize().isEmpty());
}

TEST(BreakCountdownViewTest, TheRingFillsClockwiseFromTheTop)
{
    BreakCountdownView ring(BreakCountdown::ring, darkBackdrop);
    const QRect content(20, 20, 80, 80);
    ring.setContentGeometry(content);
    ASSERT_EQ(ring.contentSize(), QSize(80, 80));

    ring.setCountdown(300, 0.0);
    QImage image = picture(ring);
    EXPECT_LT(alphaAt(image, onRing(ring, content, 45)), trackOnlyAlpha) << "empty at the start";
    EXPECT_GT(alphaAt(image, onRing(ring, content, 45)), 0) << "the track shows";

    ring.setCountdown(225, 0.25);
    image = picture(ring);
    EXPECT_GT(alphaAt(image, onRing(ring, content, 45)), filledAlpha);
    EXPECT_LT(alphaAt(image, onRing(ring, content, 135)), trackOnlyAlpha);
    EXPECT_LT(alphaAt(image, onRing(ring, content, 315)), trackOnlyAlpha);

    ring.setCountdown(0, 1.0);
    image = picture(ring);
    for (qreal degrees : {45.0, 135.0, 225.0, 315.0})
        EXPECT_GT(alphaAt(image, onRing(ring, content, degrees)), filledAlpha) << degrees;
}

TEST(BreakCountdownViewTest, TheBarFillsFromTheLeftUnderTheDigits)
{
    BreakCountdownView bar(BreakCountdown::bar, darkBackdrop);
    const QSize size = bar.contentSize();
    ASSERT_EQ(size.width(), 220);
    const QRect content(QPoint(30, 30), size);
    bar.setContentGeometry(content);
    bar.setCountdown(150, 0.5);
    EXPECT_EQ(bar.text(), "02:30");

    const QImage image = picture(bar);
    const int barMiddle = content.bottom() - 1 - bar.y();
    const int left = content.left() - bar.x();
    EXPECT_GT(alphaAt(image, QPoint(left + 55, barMiddle)), filledAlpha);
    EXPECT_LT(alphaAt(image, QPoint(left + 165, barMiddle)), trackOnlyAlpha);
    EXPECT_GT(alphaAt(image, QPoint(left + 165, barMiddle)), 0);
    // The digits sit above the bar, clear of it.
    int digitInk = 0;
    for (int y = content.top() - bar.y(); y < barMiddle - 6; ++y)
        for (int x = left; x < left + 220; ++x)
            digitInk = std::max(digitInk, alphaAt(image, QPoint(x, y)));
    EXPECT_GT(digitInk, filledAlpha);
}
