#include "breakscreen/BreakGlyphs.h"
#include "menubar/HUDBadge.h"
#include "menubar/HUDContentView.h"
#include "menubar/HUDCountdownRing.h"
#include "menubar/HUDGlyphs.h"
#include "menubar/HUDTextLabel.h"
#include "support/RunCommand.h"

#include <QCoreApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

HUDContent content(HUDStyle style, HUDSize size, int secondsLeft = 0, bool isDark = false)
{
    return {style, "Sit up straight", "Roll your shoulders back", secondsLeft, size, isDark,
            true, 30};
}

// The content alone on a clear background, as a translucent window shows it.
QImage render(HUDContentView &view)
{
    QImage image(view.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    view.render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

// Each channel within a few steps of the expected colour.
::testing::AssertionResult near(QRgb actual, const QColor &expected, int tolerance = 3)
{
    const QColor got = QColor::fromRgba(actual);
    if (std::abs(got.red() - expected.red()) <= tolerance
        && std::abs(got.green() - expected.green()) <= tolerance
        && std::abs(got.blue() - expected.blue()) <= tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "got " << got.name().toStdString() << ", expected " << expected.name().toStdString();
}

QColor mix(const QColor &a, const QColor &b)
{
    return QColor::fromRgbF((a.redF() + b.redF()) / 2, (a.greenF() + b.greenF()) / 2,
                            (a.blueF() + b.blueF()) / 2);
}

QRect ringCircle(const HUDCountdownRing *ring, const HUDLayoutMetrics &metrics)
{
    const int margin = HUDCountdownRing::strokeMargin(metrics);
    return ring->geometry().adjusted(margin, margin, -margin, -margin);
}

} // namespace

TEST(HUDContentViewTest, FramesAndFontsFollowTheSizeAndWhetherARingIsShown)
{
    // Compact: one 170-pixel line at x 44 beside a 26-pixel ring at x 222, in a 260 x 44 pill.
    HUDContentView compact(content(HUDStyle::breakReminder, HUDSize::compact, 20));
    EXPECT_EQ(compact.size(), QSize(320, 104));
    EXPECT_EQ(compact.metrics().cornerRadius, 22);
    EXPECT_EQ(compact.compactLabel()->geometry(), QRect(30 + 44, 30 + 14, 170, 16));
    EXPECT_EQ(compact.compactLabel()->text(), "Roll your shoulders back");
    EXPECT_EQ(compact.compactLabel()->font().pixelSize(), 12);
    EXPECT_EQ(compact.compactLabel()->font().weight(), QFont::DemiBold);
    EXPECT_EQ(compact.titleLabel(), nullptr);
    ASSERT_NE(compact.ring(), nullptr);
    EXPECT_EQ(ringCircle(compact.ring(), compact.metrics()), QRect(30 + 222, 30 + 9, 26, 26));
    EXPECT_EQ(compact.ring()->figureLabel()->font().pixelSize(), 9);
    EXPECT_EQ(compact.ring()->figureLabel()->font().weight(), QFont::Bold);

    HUDContentView standard(content(HUDStyle::blink, HUDSize::standard));
    EXPECT_EQ(standard.size(), QSize(370, 116));
    EXPECT_EQ(standard.titleLabel()->geometry(), QRect(30 + 58, 30 + 9, 236, 18));
    EXPECT_EQ(standard.subtitleLabel()->geometry(), QRect(30 + 58, 30 + 29, 236, 15));
    EXPECT_EQ(standard.titleLabel()->font().pixelSize(), 13);
    EXPECT_EQ(standard.subtitleLabel()->font().pixelSize(), 11);
    EXPECT_EQ(standard.subtitleLabel()->font().weight(), QFont::Normal);
    EXPECT_EQ(standard.compactLabel(), nullptr);
    EXPECT_EQ(standard.ring(), nullptr);

    HUDContentView large(content(HUDStyle::breakReminder, HUDSize::large, 20));
    EXPECT_EQ(large.size(), QSize(440, 132));
    EXPECT_EQ(large.titleLabel()->geometry(), QRect(30 + 66, 30 + 17, 250, 18));
    EXPECT_EQ(large.subtitleLabel()->geometry(), QRect(30 + 66, 30 + 37, 250, 15));
    EXPECT_EQ(large.titleLabel()->font().pixelSize(), 15);
    EXPECT_EQ(large.subtitleLabel()->font().pixelSize(), 12);
    EXPECT_EQ(ringCircle(large.ring(), large.metrics()), QRect(30 + 324, 30 + 16, 40, 40));
    EXPECT_EQ(large.ring()->figureLabel()->font().pixelSize(), 13);
    EXPECT_EQ(HUDContentView(content(HUDStyle::blink, HUDSize::large)).titleLabel()->width(), 298);
}

TEST(HUDContentViewTest, BodyBadgeAndShadowArePaintedInThePalettesColours)
{
    const HUDBadge blink = HUDBadge::forStyle(HUDStyle::blink);
    int shadowAlpha[2] = {};
    for (const bool isDark : {false, true}) {
        SCOPED_TRACE(isDark ? "dark" : "light");
        HUDContentView view(content(HUDStyle::blink, HUDSize::standard, 0, isDark));
        const QImage image = render(view);
        const HUDPalette palette = HUDPalette::forDarkness(isDark);
        // Right of the text, halfway down the vertical gradient.
        EXPECT_TRUE(near(image.pixel(30 + 302, 30 + 28), mix(palette.bodyTop, palette.bodyBottom)));
        // The badge's left edge, halfway down its own gradient, and the white pupil in its middle.
        EXPECT_TRUE(near(image.pixel(30 + 16, 30 + 28), mix(blink.topColor, blink.bottomColor)));
        EXPECT_TRUE(near(image.pixel(30 + 14 + 16, 30 + 28), Qt::white, 8));
        // The shadow falls downwards, and more strongly in the dark palette.
        const int below = qAlpha(image.pixel(30 + 155, 30 + 56 + 8));
        const int above = qAlpha(image.pixel(30 + 155, 30 - 8));
        EXPECT_GT(below, above);
        shadowAlpha[isDark] = below;

        const QColor title = view.titleLabel()->palette().color(QPalette::WindowText);
        const QColor subtitle = view.subtitleLabel()->palette().color(QPalette::WindowText);
        EXPECT_EQ(title, isDark ? QColor(Qt::white) : QColor(Qt::black));
        EXPECT_EQ(subtitle.rgb(), title.rgb());
        EXPECT_NEAR(subtitle.alphaF(), isDark ? 0.6 : 0.5, 0.01);
    }
    EXPECT_GT(shadowAlpha[1], shadowAlpha[0]);
    EXPECT_GT(shadowAlpha[0], 0);

    // Where the window is cut to the body, no shadow is drawn into its margin.
    HUDContentView cut(content(HUDStyle::blink, HUDSize::standard));
    cut.setShadowVisible(false);
    EXPECT_EQ(qAlpha(render(cut).pixel(30 + 155, 30 + 56 + 8)), 0);
}

TEST(HUDContentViewTest, TextIsPlainAndLongTextEndsInAnEllipsis)
{
    HUDContent markup = content(HUDStyle::posture, HUDSize::standard);
    markup.title = "<b>Lunch</b> & <i>walk</i>";
    markup.subtitle = "Stretch, breathe, look out of the window, drink some water and stand for a while";
    HUDContentView view(markup);
    auto *title = static_cast<HUDTextLabel *>(view.titleLabel());
    auto *subtitle = static_cast<HUDTextLabel *>(view.subtitleLabel());
    EXPECT_EQ(title->visibleText(), "<b>Lunch</b> & <i>walk</i>");
    EXPECT_TRUE(subtitle->visibleText().endsWith(QChar(0x2026)));
    EXPECT_LE(subtitle->fontMetrics().horizontalAdvance(subtitle->visibleText()), subtitle->width());
}

TEST(HUDContentViewTest, EveryBadgeSymbolIsDrawnInsideItsSquareAndUnknownOnesAreBlank)
{
    const QList<HUDStyle> styles = {HUDStyle::posture, HUDStyle::typing, HUDStyle::blink,
                                    HUDStyle::hydration, HUDStyle::walk, HUDStyle::meeting,
                                    HUDStyle::media, HUDStyle::away};
    for (HUDStyle style : styles) {
        const QString name = HUDBadge::forStyle(style).symbolName;
        SCOPED_TRACE(name.toStdString());
        const QRectF bounds = HUDGlyphs::path(name, 14).boundingRect();
        EXPECT_GT(bounds.width() * bounds.height(), 14 * 14 / 4);
        EXPECT_TRUE(QRectF(-7, -7, 14, 14).adjusted(-0.5, -0.5, 0.5, 0.5).contains(bounds));
    }
    EXPECT_TRUE(HUDGlyphs::path("no.such.symbol", 14).isEmpty());
    // A symbol is drawn by one set only.
    for (const QString &name : HUDGlyphs::ownSymbolNames())
        EXPECT_FALSE(BreakGlyphs::fromSymbolName(name).has_value()) << name.toStdString();
}

TEST(HUDContentViewTest, RenderToolWritesEverySizeInBothPalettes)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString tool = QCoreApplication::applicationDirPath() + "/render_hud";
    ASSERT_EQ(runCommand(tool, {folder.path()}), QString());
    const std::pair<const char *, int> widths[] = {{"compact", 320}, {"standard", 370}, {"large", 440}};
    for (const auto &[size, windowWidth] : widths) {
        for (const char *palette : {"light", "dark"}) {
            const QImage sheet(folder.filePath(QStringLiteral("hud-%1-%2.png").arg(size, palette)));
            EXPECT_EQ(sheet.width(), windowWidth + 32) << size << " " << palette;
        }
    }
}
