#include "support/AccessibleApp.h"
#include "support/AppHome.h"
#include "support/RunCommand.h"
#include "support/TestServices.h"

#include <QTest>

#include <gtest/gtest.h>

// The break screen of the real application by keyboard alone: the keys come through the X
// server as a keyboard's do, and what they did is read from the application's log. The
// accessibility bus only tells the test when the controls have come in.

namespace {

constexpr int exitTimeoutMs = 10000;
constexpr int stepTimeoutMs = AccessibleApp::stepTimeoutMs;
// A break's controls come in a few seconds after it shows; an 8-second long break has run
// out a few seconds later.
constexpr int breakTimeoutMs = 30000;

const QString label = QStringLiteral("label");
const QString pushButton = QStringLiteral("push button");

// Keys as a keyboard types them, one after another: "Tab Tab Return".
QString type(const QString &keys)
{
    return runCommand("xdotool", QStringList{"key"} + keys.split(u' '));
}

struct BreakByKeyboard
{
    // Settings for a break taken at once by its hot key; the test desktop has had no input
    // since it started, which must not count as the user being away.
    explicit BreakByKeyboard(QVariantMap settings)
        : app(home)
    {
        settings.insert("hasCompletedOnboarding", true);
        settings.insert("idleDetectionEnabled", false);
        EXPECT_TRUE(home.writeSettings(settings));
    }

    // Empty once the break shows; else what went wrong.
    QString takeBreak()
    {
        if (QString error = app.start("[Launch] runtime_services_started"); !error.isEmpty())
            return error;
        if (QString error = type("super+alt+b"); !error.isEmpty())
            return error;
        if (!app.process().waitForLog("break_presenting", stepTimeoutMs))
            return QStringLiteral("no break: ") + app.process().log();
        return {};
    }

    std::string log() { return app.process().log().toStdString(); }

    AppHome home;
    AccessibleApp app;
};

void expectCleanEnd(AppProcess &process)
{
    ASSERT_TRUE(process.terminate(exitTimeoutMs));
    for (const char *fault : {"[ERROR]", "runtime error:", "Sanitizer"})
        EXPECT_FALSE(process.hasLog(fault)) << process.log().toStdString();
}

} // namespace

// Nothing else of a strict break can be reached by keyboard, nor can the desktop take the
// keyboard away: Resume has it from the moment "Break complete" shows.
TEST(BreakKeyboardIntegrationTest, ReturnResumesAStrictLongBreakWaitingOnBreakComplete)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    if (!AppProcess::logIsReadable())
        GTEST_SKIP() << "the log goes to the journal, where this test cannot read it";
    BreakByKeyboard test({{"enforcement", "Hardcore"},
                          {"longBreaksEnabled", true},
                          {"longBreakFrequency", 0},
                          {"longBreakDuration", 8},
                          {"longBreakResume", "confirm"}});
    const QString error = test.takeBreak();
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();

    ASSERT_TRUE(test.app.waitForShowing("Break complete", label, breakTimeoutMs)) << test.log();
    const auto resumeFocused = [](const AtspiElement &element) {
        return element.name == "Resume" && element.role == pushButton
            && element.has(AtspiState::focused);
    };
    ASSERT_TRUE(test.app.waitForShowing(resumeFocused)) << test.app.describeShowing();
    ASSERT_EQ(type("Return"), QString());
    EXPECT_TRUE(test.app.process().waitForLog(
        "dismissal_requested | action=resume_after_confirmation", stepTimeoutMs))
        << test.log();
    EXPECT_TRUE(test.app.process().waitForLog("outcome=completed", stepTimeoutMs)) << test.log();
    expectCleanEnd(test.app.process());
}

TEST(BreakKeyboardIntegrationTest, ABalancedBreakSnoozesByTabAndReturnAlone)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    if (!AppProcess::logIsReadable())
        GTEST_SKIP() << "the log goes to the journal, where this test cannot read it";
    BreakByKeyboard test({{"enforcement", "Balanced"}, {"breakDuration", 60}});
    const QString error = test.takeBreak();
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();

    ASSERT_TRUE(test.app.waitForShowing("Skip Break", pushButton, breakTimeoutMs)) << test.log();
    // "Skip Break", then the snooze pill's main half.
    ASSERT_EQ(type("Tab Tab Return"), QString());
    EXPECT_TRUE(test.app.process().waitForLog("dismissal_requested | action=snooze_default",
                                              stepTimeoutMs))
        << test.log();
    EXPECT_TRUE(test.app.process().waitForLog("break_dismissed | delay=300s", stepTimeoutMs))
        << test.log();
    expectCleanEnd(test.app.process());
}

TEST(BreakKeyboardIntegrationTest, TheChevronAndTheArrowKeysSnoozeForThirtySeconds)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    if (!AppProcess::logIsReadable())
        GTEST_SKIP() << "the log goes to the journal, where this test cannot read it";
    BreakByKeyboard test({{"enforcement", "Balanced"}, {"breakDuration", 60}});
    const QString error = test.takeBreak();
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();

    ASSERT_TRUE(test.app.waitForShowing("Skip Break", pushButton, breakTimeoutMs)) << test.log();
    // To the chevron; Down opens the menu on "30 sec", then down to "1 min" and back up.
    ASSERT_EQ(type("Tab Tab Tab Down Down Up Return"), QString());
    EXPECT_TRUE(test.app.process().waitForLog("dismissal_requested | action=snooze_custom",
                                              stepTimeoutMs))
        << test.log();
    EXPECT_TRUE(test.app.process().waitForLog("break_dismissed | delay=30s", stepTimeoutMs))
        << test.log();
    EXPECT_FALSE(test.app.process().hasLog("Escape pressed"));
    expectCleanEnd(test.app.process());
}
