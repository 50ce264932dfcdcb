#include "breakscreen/ActivationController.h"
#include "breakscreen/BreakScreenConfig.h"
#include "breakscreen/SettingsWindowController.h"
#include "core/AppState.h"
#include "support/BreakScreenRig.h"
#include "support/LogCapture.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

class SettingsWindowControllerTest : public ::testing::Test
{
protected:
    QWidget *window() const { return controller.window(); }

    LogCapture log;
    AppStateStore appState;
    ActivationController activation{appState};
    SettingsWindowController controller{activation, appState};
};

} // namespace

TEST_F(SettingsWindowControllerTest, ShowingTwiceBringsOneCentredWindowTitledWithTheAppNameToFront)
{
    const QString previousName = QGuiApplication::applicationDisplayName();
    QGuiApplication::setApplicationDisplayName("Lumenpause");
    controller.show();
    QGuiApplication::setApplicationDisplayName(previousName);
    QWidget *first = window();
    controller.show();

    ASSERT_NE(first, nullptr);
    EXPECT_EQ(window(), first);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->windowTitle(), "Lumenpause");
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(first->size(), SettingsWindowController::windowGeometry(screen, QMargins(0, 40, 0, 0)).size());
    // Centred across the screen where it fits, and never with its title bar off the screen.
    const QRect frame = first->frameGeometry();
    EXPECT_GE(frame.top(), screen.top());
    EXPECT_GE(frame.left(), screen.left());
    if (screen.width() >= frame.width()) {
        EXPECT_LE(std::abs(frame.center().x() - screen.center().x()), 2);
    }
    EXPECT_EQ(appState.current(), AppState::settings);
    EXPECT_EQ(activation.activationPolicy(), ActivationPolicy::regular);
    EXPECT_EQ(log.count("Activation", "→ foreground (regular)"), 2);
}

TEST(SettingsWindowGeometryTest, TheWindowFitsTheScreensAvailableHeightWithItsTitleBarInReach)
{
    const QMargins frame(1, 30, 1, 1);
    struct Case
    {
        const char *screen;
        QRect area;
        QRect geometry;
    };
    const Case cases[] = {
        // Room to spare: 880 x 820, centred.
        {"1920x1080 under a top panel", QRect(0, 32, 1920, 1048), QRect(519, 160, 880, 820)},
        // A 768-pixel screen: as tall as the area leaves room for under the title bar.
        {"1366x768 with a panel", QRect(0, 0, 1366, 740), QRect(242, 30, 880, 709)},
        // Never below 500; the title bar stays at the top of the area, the foot goes past.
        {"a tiny screen", QRect(0, 0, 800, 400), QRect(1, 30, 880, 500)},
        // A second monitor to the right, the area starting away from the origin.
        {"a monitor to the right", QRect(1920, 0, 1280, 720), QRect(2119, 30, 880, 689)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.screen);
        const QRect geometry = SettingsWindowController::windowGeometry(c.area, frame);
        EXPECT_EQ(geometry, c.geometry);
        const QRect outer = geometry.marginsAdded(frame);
        EXPECT_GE(outer.top(), c.area.top()) << "the title bar is on the screen";
        EXPECT_GE(outer.left(), c.area.left());
        if (c.area.height() >= 500 + 31) {
            EXPECT_LE(outer.bottom(), c.area.bottom()) << "the foot of the window is on the screen";
        }
    }
}

TEST_F(SettingsWindowControllerTest, HidingSendsTheAppToTheBackgroundAndKeepsTheWindowForLater)
{
    QSignalSpy policyChanges(&activation, &ActivationController::activationPolicyChanged);
    controller.show();
    QWidget *shown = window();
    controller.hide();

    EXPECT_FALSE(shown->isVisible());
    EXPECT_EQ(appState.current(), AppState::background);
    EXPECT_EQ(activation.activationPolicy(), ActivationPolicy::accessory);
    EXPECT_TRUE(log.contains("SettingsWindow", "hide() called"));
    EXPECT_TRUE(log.contains("Activation", "→ background (accessory)"));
    // Regular from the start, so showing changed nothing: one change, to accessory.
    EXPECT_EQ(policyChanges.count(), 1);

    controller.show();
    EXPECT_EQ(window(), shown);
    EXPECT_TRUE(shown->isVisible());
    EXPECT_EQ(activation.activationPolicy(), ActivationPolicy::regular);
}

TEST_F(SettingsWindowControllerTest, HidingDuringABreakIsRefusedAndChangesNothing)
{
    controller.show();
    appState.transition(AppState::breakRunning);
    controller.hide();

    EXPECT_TRUE(window()->isVisible());
    EXPECT_EQ(appState.current(), AppState::breakRunning);
    EXPECT_EQ(activation.activationPolicy(), ActivationPolicy::regular);
    EXPECT_EQ(log.messages("SettingsWindow"), QStringList({"hide() ignored — break is running"}));
}

TEST_F(SettingsWindowControllerTest, ClosingTheWindowLeavesTheSettingsExceptDuringABreak)
{
    const std::pair<const char *, std::function<void()>> closings[] = {
        {"title bar", [this] { window()->close(); }},
        {"the desktop's Close shortcut", [this] {
             QApplication::setActiveWindow(window());
             QTest::keyClick(window(), Qt::Key_W, Qt::ControlModifier);
         }},
    };
    for (const auto &[way, close] : closings) {
        SCOPED_TRACE(way);
        const int closed = log.count("SettingsWindow", "handleClose() called");
        const int refused = log.count("SettingsWindow", "handleClose() ignored — break is running");
        controller.show();
        close();
        EXPECT_FALSE(window()->isVisible());
        EXPECT_EQ(appState.current(), AppState::background);
        EXPECT_EQ(activation.activationPolicy(), ActivationPolicy::accessory);
        EXPECT_EQ(log.count("SettingsWindow", "handleClose() called"), closed + 1);

        controller.show();
        appState.transition(AppState::breakRunning);
        close();
        EXPECT_FALSE(window()->isVisible()) << "the window closes either way";
        EXPECT_EQ(appState.current(), AppState::breakRunning);
        EXPECT_EQ(log.count("SettingsWindow", "handleClose() ignored — break is running"), refused + 1);

        appState.transition(AppState::background); // the break is over
        controller.show(); // and the window comes back
        EXPECT_TRUE(window()->isVisible());
        EXPECT_EQ(appState.current(), AppState::settings);
    }
}

TEST(SettingsWindowCustomizerFrame, IsThePreferredSizeCentredOrWhatFitsInsideTheMargins)
{
    EXPECT_EQ(SettingsWindowController::customizerFrame(QRect(0, 0, 1920, 1080)),
              QRect(370, 140, 1180, 800));
    // Just too small: 1228 x 848 is what the preferred size needs with its margins.
    EXPECT_EQ(SettingsWindowController::customizerFrame(QRect(100, 50, 1227, 847)),
              QRect(124, 74, 1179, 799));
    EXPECT_EQ(SettingsWindowController::customizerFrame(QRect(0, 0, 1228, 848)),
              QRect(24, 24, 1180, 800));
    EXPECT_EQ(SettingsWindowController::customizerFrame(std::nullopt), QRect(24, 24, 1132, 752));
}

namespace {

class SettingsCustomizerTest : public SettingsWindowControllerTest
{
protected:
    SettingsCustomizerTest()
    {
        controller.setCustomizerFactory(
            [this](std::unique_ptr<BreakScreenConfig> config, std::function<void()> close) {
                loadedConfig = config.get();
                closeAction = std::move(close);
                auto *view = new QWidget;
                config.release()->setParent(view);
                return view;
            });
    }
    ~SettingsCustomizerTest() override { BreakScreenRig::flushDeletions(); }

    QWidget *customizer() const { return controller.customizerWindow(); }

    BreakScreenConfig *loadedConfig = nullptr;
    std::function<void()> closeAction;
};

} // namespace

TEST_F(SettingsWindowControllerTest, WithoutACustomizerViewInstalledOnlyTheSettingsWindowShows)
{
    controller.showCustomizer();

    ASSERT_NE(window(), nullptr);
    EXPECT_TRUE(window()->isVisible());
    EXPECT_EQ(controller.customizerWindow(), nullptr);
    EXPECT_EQ(log.warnings("SettingsWindow"), 1);
}

TEST_F(SettingsCustomizerTest, OpensAboveTheSettingsWindowShowingThatFirst)
{
    controller.showCustomizer();

    ASSERT_NE(window(), nullptr);
    EXPECT_TRUE(window()->isVisible());
    ASSERT_NE(customizer(), nullptr);
    EXPECT_TRUE(customizer()->isVisible());
    EXPECT_EQ(customizer()->parentWidget(), window()) << "it stays above and moves with it";
    EXPECT_EQ(customizer()->windowModality(), Qt::WindowModal) << "the settings take no input";
    EXPECT_NE(loadedConfig, nullptr);
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(customizer()->size(), SettingsWindowController::customizerFrame(area).size());
    EXPECT_EQ(appState.current(), AppState::settings);

    QWidget *first = customizer();
    controller.showCustomizer();
    EXPECT_EQ(customizer(), first) << "one customizer at a time";
}

TEST_F(SettingsCustomizerTest, OpensOverAMinimisedSettingsWindowOnlyOnceThatIsBackUp)
{
    controller.show();
    window()->showMinimized();
    appState.transition(AppState::background);
    controller.showCustomizer();

    EXPECT_FALSE(window()->isMinimized());
    EXPECT_EQ(appState.current(), AppState::settings);
    ASSERT_NE(customizer(), nullptr);
    EXPECT_TRUE(customizer()->isVisible());
}

TEST_F(SettingsCustomizerTest, ItsCloseActionGivesTheSettingsWindowTheFocusBack)
{
    controller.showCustomizer();
    closeAction();

    EXPECT_EQ(customizer(), nullptr);
    EXPECT_TRUE(window()->isVisible());
    EXPECT_EQ(appState.current(), AppState::settings);
}

TEST_F(SettingsCustomizerTest, GoesWithTheSettingsWindowWhetherClosedOrHidden)
{
    controller.showCustomizer();
    window()->close();
    EXPECT_EQ(customizer(), nullptr);
    EXPECT_EQ(appState.current(), AppState::background);

    controller.showCustomizer();
    controller.hide();
    EXPECT_EQ(customizer(), nullptr);
    EXPECT_FALSE(window()->isVisible());

    controller.showCustomizer();
    customizer()->close(); // the desktop's own close
    EXPECT_EQ(customizer(), nullptr);
    EXPECT_TRUE(window()->isVisible());
    EXPECT_EQ(appState.current(), AppState::settings);
}

TEST_F(SettingsCustomizerTest, ShowingTheSettingsKeepsAnOpenCustomizerInFront)
{
    controller.showCustomizer();
    QWidget *open = customizer();
    controller.show();
    EXPECT_EQ(customizer(), open);
    EXPECT_TRUE(open->isVisible());
}

TEST_F(SettingsWindowControllerTest, ContentIsMadeOnceAtTheFirstShowAndKeptForTheRun)
{
    int made = 0;
    controller.setContentFactory([&made] {
        ++made;
        return new QWidget;
    });
    EXPECT_EQ(controller.content(), nullptr);
    controller.show();
    QWidget *content = controller.content();
    ASSERT_NE(content, nullptr);
    EXPECT_EQ(content->window(), window());
    controller.hide();
    controller.show();
    window()->close();
    controller.show();
    EXPECT_EQ(made, 1);
    EXPECT_EQ(controller.content(), content);
    EXPECT_EQ(content->geometry(), window()->rect()) << "the content fills the window";
}
