#include "menubar/StatusIconRenderer.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

const StatusIconPicture twentyMinutes{QStringLiteral("camera.macro"), QStringLiteral("20m"), false};

bool isWhitish(QRgb pixel)
{
    return qAlpha(pixel) > 200 && qRed(pixel) > 200 && qGreen(pixel) > 200 && qBlue(pixel) > 200;
}

// The rows and columns of the icon that carry white ink: the extent of what it says.
QSize inkExtent(const QImage &image)
{
    int top = image.height(), bottom = -1, left = image.width(), right = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!isWhitish(image.pixel(x, y)))
                continue;
            top = std::min(top, y);
            bottom = std::max(bottom, y);
            left = std::min(left, x);
            right = std::max(right, x);
        }
    }
    return bottom < 0 ? QSize() : QSize(right - left + 1, bottom - top + 1);
}

} // namespace

// Each size is the picture drawn for that size, whether the tray asks for a pixmap (a
// StatusNotifierItem host) or has the icon paint itself (an XEmbed tray); a size once drawn
// is kept, in copies of the icon too.
TEST(StatusIconRendererTest, TheIconHoldsEveryTraySize)
{
    StatusIconRenderer renderer;
    const QIcon icon = renderer.icon(twentyMinutes);
    const auto drawn = [](int side) {
        return StatusIconRenderer::render(twentyMinutes, side).convertToFormat(QImage::Format_ARGB32);
    };
    for (int side : {16, 22, 24, 32, 48, 64}) {
        SCOPED_TRACE(side);
        EXPECT_TRUE(icon.availableSizes().contains(QSize(side, side)));
        EXPECT_EQ(icon.pixmap(QSize(side, side)).toImage().convertToFormat(QImage::Format_ARGB32),
                  drawn(side));
    }
    QImage painted(24, 24, QImage::Format_ARGB32);
    painted.fill(Qt::transparent);
    {
        QPainter painter(&painted);
        icon.paint(&painter, painted.rect());
    }
    EXPECT_EQ(painted, drawn(24));
    const QIcon copy = icon;
    EXPECT_EQ(copy.pixmap(QSize(22, 22)).cacheKey(), icon.pixmap(QSize(22, 22)).cacheKey());
}

// At 16 pixels a countdown keeps figures at least six pixels tall, inside the icon.
TEST(StatusIconRendererTest, CountdownsStayLegibleAtTheSmallestSize)
{
    for (const QString &title : {QStringLiteral("20m"), QStringLiteral("<1m"),
                                 QStringLiteral("120m"), QStringLiteral("19:59")}) {
        SCOPED_TRACE(title.toStdString());
        const QImage icon = StatusIconRenderer::render({QStringLiteral("camera.macro"), title, false}, 16);
        const QSize ink = inkExtent(icon);
        EXPECT_GE(ink.height(), 6);
        EXPECT_GE(ink.width(), 6);
        EXPECT_LE(ink.width(), 16);
    }
    EXPECT_NE(StatusIconRenderer::render(twentyMinutes, 16),
              StatusIconRenderer::render({QStringLiteral("camera.macro"), QStringLiteral("19m"), false}, 16));
}

// Above the smallest size a title is set as large as the badge allows: its ink reaches
// across, or down, most of the space inside the badge's margins, and stays inside them.
TEST(StatusIconRendererTest, TitlesFillTheBadgeAtEveryLargerSize)
{
    for (const QString &title : {QStringLiteral("<1m"), QStringLiteral("20m"), QStringLiteral("120m"),
                                 QStringLiteral("19:59"), QStringLiteral("1439:59")}) {
        for (int side : {22, 24, 32, 48, 64}) {
            SCOPED_TRACE(title.toStdString() + " at " + std::to_string(side));
            const QSize ink =
                inkExtent(StatusIconRenderer::render({QStringLiteral("camera.macro"), title, false}, side));
            const double across = ink.width() / (side * 0.88);
            const double down = ink.height() / (side * 0.8);
            EXPECT_GE(std::max(across, down), 0.7);
            EXPECT_LE(across, 1.0);
            EXPECT_LE(down, 1.0);
        }
    }
}

// Titles are set in the application's font, and a change of it reaches the next icon's
// layout too: a narrow face is set larger, as wide as the badge allows.
TEST(StatusIconRendererTest, AChangedApplicationFontIsUsedForTheNextTitle)
{
    const QFont original = QApplication::font();
    const StatusIconPicture wide{QStringLiteral("camera.macro"), QStringLiteral("1439m"), false};
    const QImage before = StatusIconRenderer::render(wide, 64);
    QFont narrow(QStringLiteral("Nimbus Sans Narrow"));
    narrow.setPointSizeF(original.pointSizeF());
    QApplication::setFont(narrow);
    const QImage withNarrow = StatusIconRenderer::render(wide, 64);
    QApplication::setFont(original);
    EXPECT_GT(inkExtent(withNarrow).height(), inkExtent(before).height());
    EXPECT_EQ(StatusIconRenderer::render(wide, 64), before);
}

// At the smallest size the figures are whole pixels: inside the badge's rounded corners every
// pixel is either the badge or white ink, with no blurred half-tones between them.
TEST(StatusIconRendererTest, TheSmallestCountdownsAreDrawnInWholePixels)
{
    for (const QString &title : {QStringLiteral("20m"), QStringLiteral("120m"), QStringLiteral("19:59")}) {
        SCOPED_TRACE(title.toStdString());
        const QImage icon = StatusIconRenderer::render({QStringLiteral("camera.macro"), title, false}, 16)
                                .convertToFormat(QImage::Format_ARGB32);
        const QRgb badge = icon.pixel(8, 15);
        int halfTones = 0;
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                const bool corner = (x < 4 || x > 11) && (y < 4 || y > 11);
                if (corner)
                    continue;
                const QRgb pixel = icon.pixel(x, y);
                halfTones += pixel != badge && pixel != qRgb(255, 255, 255);
            }
        }
        EXPECT_EQ(halfTones, 0);
    }
}

TEST(StatusIconRendererTest, DimmedPictureIsDrawnAtHalfOpacity)
{
    const StatusIconPicture away{QStringLiteral("moon.zzz"), QString(), false};
    const QImage plain = StatusIconRenderer::render(away, 24);
    const QImage dimmed = StatusIconRenderer::render({away.symbolName, QString(), true}, 24);
    const QPoint badgeCorner(2, 12); // badge colour, clear of the symbol
    EXPECT_EQ(qAlpha(plain.pixel(badgeCorner)), 255);
    EXPECT_NEAR(qAlpha(dimmed.pixel(badgeCorner)), 128, 2);
}

TEST(StatusIconRendererTest, SymbolsDifferAndAnUnknownOneDrawsTheApplicationsOwn)
{
    const auto glyph = [](const char *symbol) {
        return StatusIconRenderer::render({QString::fromLatin1(symbol), QString(), false}, 24);
    };
    EXPECT_EQ(glyph("no.such.symbol"), glyph("camera.macro"));
    EXPECT_NE(glyph("pause.circle"), glyph("camera.macro"));
    EXPECT_NE(glyph("hourglass"), glyph("exclamationmark.circle"));
    EXPECT_FALSE(inkExtent(glyph("figure.walk")).isEmpty());
}

TEST(StatusIconRendererTest, APictureIsDrawnOnceWhileItIsRecent)
{
    StatusIconRenderer renderer;
    const qint64 first = renderer.icon(twentyMinutes).cacheKey();
    renderer.icon({QStringLiteral("camera.macro"), QStringLiteral("19m"), false});
    EXPECT_EQ(renderer.icon(twentyMinutes).cacheKey(), first);
    EXPECT_NE(renderer.icon({QStringLiteral("pause.circle"), QString(), false}).cacheKey(), first);
}
