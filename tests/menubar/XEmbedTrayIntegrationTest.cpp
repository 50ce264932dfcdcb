#include "menubar/StatusIconRenderer.h"
#include "support/AppHome.h"
#include "support/AppProcess.h"
#include "support/AtspiClient.h"
#include "support/RunCommand.h"
#include "support/TestServices.h"
#include "support/XEmbedTray.h"

#include <QStandardPaths>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

// The real application on a desktop whose panel has an XEmbed tray: its icon docks and, on
// screen, shows the countdown; the menus it opens, drawn by the application itself, are
// there for a screen reader to read and press.

namespace {

constexpr int iconSize = 24;
constexpr int startTimeoutMs = 20000;
constexpr int exitTimeoutMs = 10000;
constexpr int stepTimeoutMs = 10000;

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

TEST(XEmbedTrayIntegrationTest, ScreenReadersFindTheIconsMenusAndPressTheirEntriesByName)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    if (QStandardPaths::findExecutable(QStringLiteral("wmdocker")).isEmpty())
        GTEST_SKIP() << "no wmdocker here: scripts/install-deps.sh installs it";
    if (!AppProcess::logIsReadable())
        GTEST_SKIP() << "the log goes to the journal, where this test cannot read it";
    XEmbedTray tray(iconSize);
    const QString trayError = tray.waitUntilReady(startTimeoutMs);
    ASSERT_TRUE(trayError.isEmpty()) << trayError.toStdString();
    AtspiClient bus;
    ASSERT_TRUE(bus.error().isEmpty()) << bus.error().toStdString();

    AppHome home;
    ASSERT_TRUE(home.isValid());
    ASSERT_TRUE(home.writeSettings({{"hasCompletedOnboarding", true}, {"idleDetectionEnabled", false}}));
    QProcessEnvironment environment = home.environment();
    environment.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
    AppProcess app(environment);
    ASSERT_TRUE(app.start());
    ASSERT_TRUE(QTest::qWaitFor([&] { return tray.dockedIcons().size() == 1; }, startTimeoutMs))
        << app.log().toStdString();
    const QString icon = QString::number(tray.dockedIcons().constFirst());
    std::optional<AtspiObject> root;
    ASSERT_TRUE(QTest::qWaitFor([&] { return (root = bus.application(app.pid())).has_value(); }, stepTimeoutMs));

    const QString menuItem = QStringLiteral("menu item");
    const auto waitForItem = [&](const QString &name) {
        std::optional<AtspiElement> item;
        const bool shows = QTest::qWaitFor(
            [&] { return (item = bus.findShowing(*root, name, menuItem)).has_value(); }, stepTimeoutMs);
        return shows ? item : std::nullopt;
    };
    const auto noMenuShows = [&] {
        return QTest::qWaitFor(
            [&] {
                const QList<AtspiElement> showing = bus.elements(*root, true);
                return std::none_of(showing.cbegin(), showing.cend(),
                                    [](const AtspiElement &element) { return element.role == "popup menu"; });
            },
            stepTimeoutMs);
    };
    // The primary button opens the item's own menu, the secondary one the tray's context
    // menu; each entry is pressed as a screen reader presses it, and the menu closes as after
    // a click.
    struct Step
    {
        const char *button;
        QStringList path;
        QString logged;
    };
    const Step steps[] = {
        {"1", {"Pause Reminders", "15 Minutes"}, "timer_paused | primaryReason=manual"},
        {"3", {"Resume Breaks"}, "timer_resumed | reason=manual"},
    };
    for (const Step &step : steps) {
        SCOPED_TRACE(step.button);
        ASSERT_EQ(runCommand("xdotool", {"mousemove", "--window", icon, "12", "12", "click", step.button}), "");
        for (const QString &name : step.path) {
            const std::optional<AtspiElement> item = waitForItem(name);
            ASSERT_TRUE(item) << name.toStdString();
            const QStringList actions = bus.actions(item->object);
            ASSERT_FALSE(actions.isEmpty()) << name.toStdString();
            EXPECT_TRUE(bus.doAction(item->object, actions.constFirst())) << name.toStdString();
        }
        EXPECT_TRUE(app.waitForLog(step.logged, stepTimeoutMs)) << app.log().toStdString();
        EXPECT_TRUE(noMenuShows());
    }

    ASSERT_TRUE(app.terminate(exitTimeoutMs));
    EXPECT_EQ(app.exitCode(), 0);
}
