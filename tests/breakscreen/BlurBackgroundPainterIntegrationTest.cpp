#include "breakscreen/BlurBackgroundPainter.h"
#include "support/SplitScreen.h"
#include "support/TestServices.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

// The blur backdrop reads what the X server shows: a window the test puts up must be in the
// picture, where it stands, and colour the blurred backdrop there.

namespace {

constexpr int deadlineMs = 5000;
const QColor marker(230, 40, 160);

bool showsMarker(const QImage &screen, QPoint at)
{
    if (screen.isNull() || !screen.rect().contains(at))
        return false;
    const QColor seen = screen.pixelColor(at);
    return std::abs(seen.red() - marker.red()) <= 8 && std::abs(seen.green() - marker.green()) <= 8
        && std::abs(seen.blue() - marker.blue()) <= 8;
}

// A marker-coloured window, shown and exposed at `frame` (global coordinates).
struct MarkerWindow
{
    explicit MarkerWindow(const QRect &frame)
        : window(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    {
        window.setAutoFillBackground(true);
        QPalette palette = window.palette();
        palette.setColor(QPalette::Window, marker);
        window.setPalette(palette);
        window.setGeometry(frame);
        window.show();
        exposed = QTest::qWaitForWindowExposed(&window, deadlineMs);
    }
    QPoint centreOn(const QScreen *screen) const
    {
        return window.mapToGlobal(window.rect().center()) - screen->geometry().topLeft();
    }
    QWidget window;
    bool exposed = false;
};

// Waits until the screen's picture shows the marker at `at` (the screen's own logical
// coordinates) and returns that picture; null when it never does.
QImage grabShowingMarker(QScreen *screen, QPoint at)
{
    QImage grab;
    const bool seen = QTest::qWaitFor([&] {
        grab = BlurBackgroundPainter::grabScreen(screen);
        return showsMarker(grab, at * screen->devicePixelRatio());
    }, deadlineMs);
    return seen ? grab : QImage();
}

} // namespace

TEST(BlurBackgroundPainterIntegrationTest, ReadsTheScreenAndBlursWhatItShows)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    QScreen *screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    MarkerWindow marker(QRect(screen->geometry().topLeft() + QPoint(200, 150), QSize(480, 320)));
    ASSERT_TRUE(marker.exposed);
    const QPoint centreOnScreen = marker.centreOn(screen);
    const QImage grab = grabShowingMarker(screen, centreOnScreen);
    ASSERT_FALSE(grab.isNull()) << "the window never showed in the screen's picture";
    EXPECT_EQ(grab.size(), screen->geometry().size() * screen->devicePixelRatio());

    marker.window.hide();
    BlurBackgroundPainter blur(grab, ColorScheme::dark);
    ASSERT_TRUE(blur.usesScreen());
    QImage backdrop(screen->geometry().size(), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&backdrop);
    blur.paint(painter, backdrop.rect());
    painter.end();
    const QColor underWindow = backdrop.pixelColor(centreOnScreen);
    const QColor farAway = backdrop.pixelColor(backdrop.width() - 5, backdrop.height() - 5);
    EXPECT_GT(underWindow.red(), underWindow.green() + 15);
    EXPECT_GT(underWindow.red(), farAway.red() + 15);
}

TEST(BlurBackgroundPainterIntegrationTest, EachScreenGivesItsOwnPicture)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    SplitScreen split;
    ASSERT_TRUE(split.added);
    QScreen *right = QGuiApplication::screenAt(QPoint(2000, 400));
    ASSERT_NE(right, nullptr);
    ASSERT_EQ(right->geometry(), QRect(1920, 0, 640, 800));

    MarkerWindow marker(QRect(2000, 300, 200, 200));
    ASSERT_TRUE(marker.exposed);
    const QImage grab = grabShowingMarker(right, marker.centreOn(right));
    ASSERT_FALSE(grab.isNull()) << "the right screen's picture never showed the window";
    EXPECT_EQ(grab.size(), QSize(640, 800) * right->devicePixelRatio());
}
