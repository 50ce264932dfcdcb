#include "core/DesktopEntryText.h"
#include "support/AppHome.h"
#include "support/AppProcess.h"
#include "support/RunCommand.h"
#include "support/StatusNotifierWatcherMock.h"
#include "support/TestFiles.h"
#include "support/TestServices.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QTest>

#include <gtest/gtest.h>

// A first run of the real application on an empty home, driven from the keyboard as a user
// without a mouse would: the flow opens in the settings window, the last button starts the
// break timer and the tray item, and the choices are on disk. The next start goes straight
// to the tray.

namespace {

constexpr int startTimeoutMs = 20000;
constexpr int stepTimeoutMs = 10000;
constexpr int exitTimeoutMs = 10000;
const QString windowName = QStringLiteral("^Lumenpause$");

// Keys for the focused window, a little apart so each is handled before the next.
QString keys(const QStringList &names)
{
    return runCommand("xdotool", QStringList{"key", "--delay", "60"} + names);
}

QStringList repeated(const QString &name, int times)
{
    QStringList names;
    for (int index = 0; index < times; ++index)
        names.append(name);
    return names;
}

QVariantMap settingsOf(const AppHome &home)
{
    return QJsonDocument::fromJson(readBytes(home.settingsFilePath())).toVariant().toMap();
}

bool settingsWindowShows()
{
    return runCommand("xdotool", {"search", "--onlyvisible", "--name", windowName}).isEmpty();
}

QString autostartEntryPath(const AppHome &home)
{
    return home.environment().value("XDG_CONFIG_HOME") + "/autostart/local.lumenpause.app.desktop";
}

// The program and arguments the session would start from the entry.
QStringList autostartCommand(const AppHome &home)
{
    const auto keys = desktopEntryMainGroup(readBytes(autostartEntryPath(home)));
    return desktopEntryExecArguments(unescapeDesktopEntryString(keys.value("Exec")));
}

} // namespace

TEST(OnboardingIntegrationTest, AFirstRunDrivenByKeyboardStartsTheTimerAndTheTrayAndTheNextStartSkipsIt)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    if (!AppProcess::logIsReadable())
        GTEST_SKIP() << "the log goes to the journal, where this test cannot read it";
    StatusNotifierWatcherMock watcher;
    const QString watcherError = watcher.start();
    ASSERT_TRUE(watcherError.isEmpty()) << watcherError.toStdString();
    AppHome home;
    ASSERT_TRUE(home.isValid());

    AppProcess app(home.environment());
    ASSERT_TRUE(app.start());
    ASSERT_TRUE(app.waitForLog("launch_start | needsOnboarding=true", startTimeoutMs)) << app.log().toStdString();
    // The flow opens with "Next" focused.
    ASSERT_EQ(runCommand("xdotool", {"search", "--sync", "--onlyvisible", "--name", windowName,
                                     "windowactivate", "--sync"}),
              QString());
    EXPECT_TRUE(watcher.registeredItems().isEmpty()) << "no tray item before the end of the flow";

    // Welcome → rhythm, which takes the focus on the proposed "20m": "30m" is the next tile.
    // Back over "20m" and "15m" to "Next", then on to the preferences, which take the focus
    // on "Casual": "Hardcore" is two on, and three back from it is "Start Lumenpause".
    ASSERT_EQ(keys({"space"}), QString());
    ASSERT_EQ(keys(QStringList{"Tab", "space"} + repeated("shift+Tab", 3) + QStringList{"space"}), QString());
    ASSERT_EQ(keys(repeated("Tab", 2) + QStringList{"space"} + repeated("shift+Tab", 3) + QStringList{"space"}),
              QString());

    ASSERT_TRUE(app.waitForLog("[Launch] runtime_services_started", stepTimeoutMs)) << app.log().toStdString();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !watcher.registeredItems().isEmpty(); }, stepTimeoutMs))
        << "the tray item never registered";
    EXPECT_TRUE(QTest::qWaitFor([] { return !settingsWindowShows(); }, stepTimeoutMs)) << "the window stayed";
    const QVariantMap settings = settingsOf(home);
    EXPECT_EQ(settings.value("hasCompletedOnboarding"), true);
    EXPECT_EQ(settings.value("breakInterval").toInt(), 30);
    EXPECT_EQ(settings.value("enforcement").toString(), "Hardcore");
    EXPECT_EQ(settings.value("reminderSensitivity").toString(), "Gentle");
    EXPECT_EQ(settings.value("longBreakDuration").toInt(), 600);
    EXPECT_EQ(settings.value("pauseDuringMeetings"), true);
    EXPECT_EQ(settings.value("launchAtLogin"), true);

    // "Open at login" was on: the entry starts this binary, and started while Lumenpause runs
    // it hands over to it and leaves.
    const QStringList command = autostartCommand(home);
    ASSERT_EQ(command, QStringList({QFileInfo(AppProcess::binaryPath()).canonicalFilePath()}));
    AppProcess atLogin(home.environment(), command.first());
    ASSERT_TRUE(atLogin.start());
    ASSERT_TRUE(atLogin.waitForExit(exitTimeoutMs));
    EXPECT_EQ(atLogin.exitCode(), 0) << atLogin.log().toStdString();
    EXPECT_TRUE(app.waitForLog("reopen_requested", stepTimeoutMs)) << app.log().toStdString();
    ASSERT_TRUE(app.terminate(exitTimeoutMs));

    AppProcess second(home.environment());
    ASSERT_TRUE(second.start());
    ASSERT_TRUE(second.waitForLog("[Launch] runtime_services_started", startTimeoutMs)) << second.log().toStdString();
    EXPECT_TRUE(second.hasLog("launch_start | needsOnboarding=false"));
    EXPECT_FALSE(settingsWindowShows());
    ASSERT_TRUE(second.terminate(exitTimeoutMs));
    for (AppProcess *run : {&app, &second}) {
        for (const char *fault : {"[ERROR]", "runtime error:", "Sanitizer"})
            EXPECT_FALSE(run->hasLog(fault)) << run->log().toStdString();
    }
}

// With "Open at login" switched off, a first run leaves no entry, also where an earlier
// installation had left one.
TEST(OnboardingIntegrationTest, AFirstRunWithOpenAtLoginOffLeavesNoAutostartEntry)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    if (!AppProcess::logIsReadable())
        GTEST_SKIP() << "the log goes to the journal, where this test cannot read it";
    AppHome home;
    ASSERT_TRUE(home.isValid());
    writeBytes(autostartEntryPath(home),
               "[Desktop Entry]\nType=Application\nExec="
                   + desktopEntryExecValue(AppProcess::binaryPath()).toUtf8() + "\n");

    AppProcess app(home.environment());
    ASSERT_TRUE(app.start());
    ASSERT_TRUE(app.waitForLog("launch_start | needsOnboarding=true", startTimeoutMs)) << app.log().toStdString();
    ASSERT_EQ(runCommand("xdotool", {"search", "--sync", "--onlyvisible", "--name", windowName,
                                     "windowactivate", "--sync"}),
              QString());
    // Welcome and rhythm as proposed: the rhythm takes the focus on "20m", two after "Next".
    // The preferences take it on "Casual": "Open at login" is three back, two before
    // "Start Lumenpause".
    ASSERT_EQ(keys({"space", "shift+Tab", "shift+Tab", "space"}), QString());
    ASSERT_EQ(keys({"shift+Tab", "shift+Tab", "shift+Tab", "space", "Tab", "Tab", "space"}), QString());

    ASSERT_TRUE(app.waitForLog("[Launch] runtime_services_started", stepTimeoutMs)) << app.log().toStdString();
    EXPECT_FALSE(QFileInfo::exists(autostartEntryPath(home)));
    ASSERT_TRUE(app.terminate(exitTimeoutMs));
    EXPECT_EQ(settingsOf(home).value("launchAtLogin"), false);
    EXPECT_FALSE(app.hasLog("[WARN] [General]")) << app.log().toStdString();
}
