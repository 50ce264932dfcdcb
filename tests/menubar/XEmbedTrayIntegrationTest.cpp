#include "menubar/StatusIconRenderer.h"
#include "support/AppHome.h"
#include "support/AppProcess.h"
#include "support/TestServices.h"
#include "support/XEmbedTray.h"

#include <QStandardPaths>
#include <QTest>

#include <gtest/gtest.h>

// The real application on a desktop whose panel has an XEmbed tray: its icon docks and, on
// screen, shows the countdown.

namespace {

constexpr int iconSize = 24;
constexpr int startTimeoutMs = 20000;
constexpr int exitTimeoutMs = 10000;

// Whether the screenshot shows the icon: every pixel the icon paints opaque must be on screen
// as drawn (what shows through the rest is the tray's own background).
bool showsIcon(const QImage &screen, const QImage &icon)
{
    if (screen.size() != icon.size())
        return false;
    int compared = 0;
    for (int y = 0; y < icon.height(); ++y) {
        for (int x = 0; x < icon.width(); ++x) {
            const QRgb expected = icon.pixel(x, y);
            if (qAlpha(expected) != 255)
                continue;
            const QRgb seen = screen.pixel(x, y);
            if (std::abs(qRed(seen) - qRed(expected)) > 2 || std::abs(qGreen(seen) - qGreen(expected)) > 2
                || std::abs(qBlue(seen) - qBlue(expected)) > 2)
                return false;
            ++compared;
        }
    }
    return compared > icon.width() * icon.height() / 2;
}

QImage countdownIcon(const char *title)
{
    return StatusIconRenderer::render({QStringLiteral("camera.macro"), QString::fromLatin1(title), false},
                                      iconSize)
        .convertToFormat(QImage::Format_ARGB32);
}

} // namespace

TEST(XEmbedTrayIntegrationTest, TheIconDocksAndShowsTheCountdownOnScreen)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    if (QStandardPaths::findExecutable(QStringLiteral("wmdocker")).isEmpty())
        GTEST_SKIP() << "no wmdocker here: scripts/install-deps.sh installs it";
    XEmbedTray tray(iconSize);
    const QString trayError = tray.waitUntilReady(startTimeoutMs);
    ASSERT_TRUE(trayError.isEmpty()) << trayError.toStdString();

    AppHome home;
    ASSERT_TRUE(home.isValid());
    // An untouched test desktop must not count as the user being away.
    ASSERT_TRUE(home.writeSettings({{"hasCompletedOnboarding", true}, {"idleDetectionEnabled", false}}));
    AppProcess app(home.environment());
    ASSERT_TRUE(app.start());

    ASSERT_TRUE(QTest::qWaitFor([&] { return tray.dockedIcons().size() == 1; }, startTimeoutMs))
        << app.log().toStdString();
    const xcb_window_t icon = tray.dockedIcons().constFirst();
    // The tray sizes the icon once it has docked it, a moment later on a busy machine.
    EXPECT_TRUE(QTest::qWaitFor([&] { return tray.size(icon) == QSize(iconSize, iconSize); }, startTimeoutMs))
        << tray.size(icon).width() << " x " << tray.size(icon).height();
    // Twenty minutes to go, or nineteen should the minute turn while the test looks.
    const QImage twenty = countdownIcon("20m");
    const QImage nineteen = countdownIcon("19m");
    QImage screen;
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            screen = tray.grab(icon);
            return showsIcon(screen, twenty) || showsIcon(screen, nineteen);
        },
        startTimeoutMs));
    EXPECT_FALSE(showsIcon(screen, countdownIcon("5m"))) << "the comparison tells countdowns apart";

    ASSERT_TRUE(app.terminate(exitTimeoutMs));
    EXPECT_EQ(app.exitCode(), 0);
    EXPECT_FALSE(app.hasLog("status_item_without_tray")) << app.log().toStdString();
}
