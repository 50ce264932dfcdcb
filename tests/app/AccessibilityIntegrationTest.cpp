#include "support/AccessibleApp.h"
#include "support/AppHome.h"
#include "support/DBusSignalCounter.h"
#include "support/LoadAllowance.h"
#include "support/RunCommand.h"
#include "support/TestFiles.h"
#include "support/TestServices.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QTest>

#include <gtest/gtest.h>

// The real application driven through the desktop's accessibility bus alone, as a
// screen-reader user drives it: every control found by its name and role, pressed or toggled
// by the action a screen reader performs.

namespace {

constexpr int stepTimeoutMs = AccessibleApp::stepTimeoutMs;
constexpr int exitTimeoutMs = 10000;
// A break's controls come in a few seconds after it shows.
constexpr int breakTimeoutMs = 20000;
// The 30-second snooze and the tick that finds it used up, which falls on a whole second.
constexpr qint64 snoozeMs = 30000;
constexpr qint64 tickMs = 1000;

const QString pushButton = QStringLiteral("push button");
const QString radioButton = QStringLiteral("radio button");
const QString checkBox = QStringLiteral("check box");
const QString menuItem = QStringLiteral("menu item");
const QString buttonMenu = QStringLiteral("button menu");
const QString label = QStringLiteral("label");
const QString comboBox = QStringLiteral("combo box");
const QString listItem = QStringLiteral("list item");
const QString textField = QStringLiteral("text");
const QString spinBox = QStringLiteral("spin box");
const QString panel = QStringLiteral("panel");

// What the settings window shows when nothing covers it: its sidebar and the Breaks pane.
const QStringList windowBeneath = {"General", "Smart Behavior", "Wellness", "Notifications", "Meetings",
                                   "Media", "Shortcuts", "Statistics", "Advanced", "About",
                                   "Customize break screen", "Working hours", "Scheduled breaks"};

// The names of what shows of the window beneath the flow.
QStringList showingBeneath(const AccessibleApp &app)
{
    QStringList found;
    for (const AtspiElement &element : app.showing()) {
        if (windowBeneath.contains(element.name))
            found.append(element.name);
    }
    return found;
}

QVariantMap settingsOf(const AppHome &home)
{
    return QJsonDocument::fromJson(readBytes(home.settingsFilePath())).toVariant().toMap();
}

bool waitForSetting(const AppHome &home, const QString &key, const QVariant &value)
{
    return QTest::qWaitFor([&] { return settingsOf(home).value(key) == value; }, stepTimeoutMs);
}

// A page of the first-run flow as a screen reader meets it: the group named by the page's
// heading, over its description, then each group of choices on it with its choices, the one
// with the focus in brackets: "Focus interval: 15m [20m] 30m 45m".
QString pageAsHeard(const AccessibleApp &app, const QString &heading)
{
    const std::optional<AtspiElement> page = app.waitForShowing(heading, panel);
    if (!page)
        return QStringLiteral("no page \"%1\" among:\n%2").arg(heading, QString::fromStdString(app.describeShowing()));
    QStringList heard{heading + " / " + app.descriptionOf(*page)};
    for (const AtspiElement &group : app.showingUnder(*page)) {
        if (group.role != panel)
            continue;
        QStringList choices;
        for (const AtspiElement &choice : app.showingUnder(group)) {
            if (choice.role == radioButton)
                choices.append(choice.has(AtspiState::focused) ? "[" + choice.name + "]" : choice.name);
        }
        heard.append(group.name + ": " + choices.join(u' '));
    }
    return heard.join(u'\n');
}

// Lumenpause onboarded and running, its settings window opened as launching it again opens
// it. Empty when all went well; else what went wrong.
QString startWithSettingsWindow(AccessibleApp &app, const AppHome &home)
{
    if (QString error = app.start("[Launch] runtime_services_started"); !error.isEmpty())
        return error;
    AppProcess again(home.environment());
    if (!again.start() || !again.waitForExit(exitTimeoutMs))
        return QStringLiteral("the second launch did not open the settings window and end");
    return {};
}

void expectCleanLog(AppProcess &app)
{
    for (const char *fault : {"[ERROR]", "runtime error:", "Sanitizer"})
        EXPECT_FALSE(app.hasLog(fault)) << app.log().toStdString();
}

} // namespace

// Each test runs the application in a home of its own, with the test services, and reads
// its log.
class AccessibilityIntegrationTest : public testing::Test
{
protected:
    void SetUp() override
    {
        LUMENPAUSE_REQUIRE_TEST_SERVICES();
        if (!AppProcess::logIsReadable())
            GTEST_SKIP() << "the log goes to the journal, where this test cannot read it";
        ASSERT_TRUE(home.isValid());
    }

    AppHome home;
};

TEST_F(AccessibilityIntegrationTest, AFirstRunThroughTheBusStoresItsChoicesAndNothingBeneathTheFlowShows)
{
    AccessibleApp app(home);
    const QString error = app.start("launch_start | needsOnboarding=true");
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();

    ASSERT_TRUE(app.waitForShowing("Next", pushButton)) << "the first page";
    EXPECT_FALSE(app.isShowing("Back", pushButton)) << "nothing to go back to on the first page";
    EXPECT_EQ(showingBeneath(app).join(", ").toStdString(), "");
    ASSERT_TRUE(app.act("Next", pushButton, "Press"));

    ASSERT_TRUE(app.act("30m", radioButton, "Toggle"));
    ASSERT_TRUE(app.act("45s", radioButton, "Toggle"));
    EXPECT_TRUE(app.waitForChecked("30m", radioButton, true));
    EXPECT_TRUE(app.waitForChecked("45s", radioButton, true));
    EXPECT_TRUE(app.waitForChecked("20m", radioButton, false)) << "one choice per row";
    EXPECT_TRUE(app.isShowing("Back", pushButton));
    EXPECT_EQ(showingBeneath(app).join(", ").toStdString(), "");
    ASSERT_TRUE(app.act("Next", pushButton, "Press"));

    ASSERT_TRUE(app.act("Normal", radioButton, "Toggle"));
    EXPECT_TRUE(app.waitForChecked("Normal", radioButton, true));
    EXPECT_TRUE(app.waitForChecked("Gentle", radioButton, false));
    EXPECT_EQ(showingBeneath(app).join(", ").toStdString(), "");
    ASSERT_TRUE(app.act("Start Lumenpause", pushButton, "Press"));

    ASSERT_TRUE(app.process().waitForLog("[Launch] runtime_services_started", stepTimeoutMs))
        << app.process().log().toStdString();
    EXPECT_TRUE(waitForSetting(home, "hasCompletedOnboarding", true));
    const QVariantMap settings = settingsOf(home);
    EXPECT_EQ(settings.value("breakInterval").toInt(), 30);
    EXPECT_EQ(settings.value("breakDuration").toInt(), 45);
    EXPECT_EQ(settings.value("reminderSensitivity").toString(), "Normal");
    EXPECT_EQ(settings.value("enforcement").toString(), "Casual") << "nothing pressed behind the flow";
    ASSERT_TRUE(app.process().terminate(exitTimeoutMs));
    expectCleanLog(app.process());
}

TEST_F(AccessibilityIntegrationTest, ABreakSnoozedThroughTheBusForThirtySecondsComesBackAfterThem)
{
    // The test desktop has had no input since it started: that must not count as the user
    // being away.
    ASSERT_TRUE(home.writeSettings({{"hasCompletedOnboarding", true}, {"idleDetectionEnabled", false}}));
    AccessibleApp app(home);
    const QString error = app.start("[Launch] runtime_services_started");
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();

    // A break now, from its hot key.
    ASSERT_EQ(runCommand("xdotool", {"key", "super+alt+b"}), QString());
    ASSERT_TRUE(app.process().waitForLog("break_presenting", stepTimeoutMs)) << app.process().log().toStdString();
    ASSERT_TRUE(app.waitForShowing("Snooze 5m", pushButton, breakTimeoutMs)) << "the default snooze";
    ASSERT_TRUE(app.act("Snooze options", buttonMenu, "Press")) << app.describeShowing();
    ASSERT_TRUE(app.act("30 sec", menuItem, "Press"));

    ASSERT_TRUE(app.process().waitForLog("outcome=snoozed", stepTimeoutMs)) << app.process().log().toStdString();
    EXPECT_TRUE(app.process().hasLog("break_dismissed | delay=30s")) << app.process().log().toStdString();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !app.isShowing("Snooze options", buttonMenu); }, stepTimeoutMs))
        << "the break screen went";
    EXPECT_EQ(app.process().log().count("break_presenting"), 1);
    // Counted from the snooze as the application logged it.
    const qint64 snoozeBound = withLoadAllowanceMs(snoozeMs + tickMs);
    const qsizetype snoozed = app.process().log().indexOf("break_dismissed | delay=30s");
    ASSERT_GE(snoozed, 0);
    ASSERT_TRUE(app.process().waitForLog("break_presenting", int(snoozeBound), snoozed))
        << app.process().log().toStdString();
    const std::optional<QDateTime> snoozedAt = app.process().loggedAt("break_dismissed | delay=30s");
    const std::optional<QDateTime> backAt = app.process().loggedAt("break_presenting", snoozed);
    ASSERT_TRUE(snoozedAt && backAt);
    RecordProperty("snoozedForMs", int(snoozedAt->msecsTo(*backAt)));
    EXPECT_GE(snoozedAt->msecsTo(*backAt), snoozeMs - tickMs);
    EXPECT_LE(snoozedAt->msecsTo(*backAt), snoozeBound);
    ASSERT_TRUE(app.process().terminate(exitTimeoutMs));
    expectCleanLog(app.process());
}

TEST_F(AccessibilityIntegrationTest, SwitchesToggledThroughTheBusApplyTheirChange)
{
    ASSERT_TRUE(home.writeSettings({{"hasCompletedOnboarding", true}}));
    AccessibleApp app(home);
    const QString error = startWithSettingsWindow(app, home);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();

    ASSERT_TRUE(app.act("General", radioButton, "Press"));
    ASSERT_TRUE(app.waitForChecked("Launch at login", checkBox, false));
    ASSERT_TRUE(app.act("Launch at login", checkBox, "Toggle"));
    EXPECT_TRUE(app.waitForChecked("Launch at login", checkBox, true));
    EXPECT_TRUE(waitForSetting(home, "launchAtLogin", true));
    const QString entry = home.environment().value("XDG_CONFIG_HOME") + "/autostart/local.lumenpause.app.desktop";
    EXPECT_TRUE(QFileInfo::exists(entry));

    ASSERT_TRUE(app.act("Notifications", radioButton, "Press"));
    ASSERT_TRUE(app.waitForChecked("Enable notifications", checkBox, true));
    ASSERT_TRUE(app.act("Enable notifications", checkBox, "Toggle"));
    EXPECT_TRUE(app.waitForChecked("Enable notifications", checkBox, false));
    EXPECT_TRUE(waitForSetting(home, "notificationsEnabled", false));
    ASSERT_TRUE(app.process().terminate(exitTimeoutMs));
    expectCleanLog(app.process());
}

// A break reads as it shows: its message first, the time left in words, then (as the
// controls come in, the message gone) the clock and the hint.
TEST_F(AccessibilityIntegrationTest, ABreaksMessageCountdownAndHintReadAsLabels)
{
    ASSERT_TRUE(home.writeSettings({{"hasCompletedOnboarding", true},
                                    {"idleDetectionEnabled", false},
                                    {"breakDuration", 60},
                                    {"break.message", "Rest Your Eyes"}}));
    AccessibleApp app(home);
    const QString error = app.start("[Launch] runtime_services_started");
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();

    ASSERT_EQ(runCommand("xdotool", {"key", "super+alt+b"}), QString());
    QElapsedTimer sinceKey;
    sinceKey.start();
    // Shown for its first seconds alone, the message is looked for from the key press on.
    EXPECT_TRUE(app.waitForShowing("Rest Your Eyes", label, breakTimeoutMs))
        << app.process().log().toStdString();
    RecordProperty("messageFoundAfterKeyMs", int(sinceKey.elapsed()));
    const QRegularExpression timeLeft("^(\\d+ minutes? )?(\\d+ seconds? )?left$");
    EXPECT_TRUE(app.waitForShowing([&](const AtspiElement &element) {
        return element.role == label && timeLeft.match(element.name).hasMatch();
    })) << app.describeShowing();
    EXPECT_TRUE(app.waitForShowing("Press Esc twice to skip", label, breakTimeoutMs))
        << app.describeShowing();
    EXPECT_TRUE(app.waitForShowing([](const AtspiElement &element) {
        return element.role == label && element.name.startsWith("Current time  ");
    })) << app.describeShowing();
    ASSERT_TRUE(app.process().terminate(exitTimeoutMs));
    expectCleanLog(app.process());
}

// What a screen reader says as the keyboard lands on a strict long break: the message and the
// time left as it begins, "Break complete" with Resume when it has run its length. In between
// the countdown changes its label every second, but nothing of the object the keyboard is on,
// which a screen reader would speak each time.
TEST_F(AccessibilityIntegrationTest, AScreenReaderHearsTheMessageAndTimeLeftAsABreakBeginsAndBreakCompleteWithResume)
{
    ASSERT_TRUE(home.writeSettings({{"hasCompletedOnboarding", true},
                                    {"idleDetectionEnabled", false},
                                    {"enforcement", "Hardcore"},
                                    {"longBreaksEnabled", true},
                                    {"longBreakFrequency", 0},
                                    {"longBreakDuration", 8},
                                    {"longBreakResume", "confirm"},
                                    {"break.message", "Rest Your Eyes"}}));
    AccessibleApp app(home);
    // Signed up before the application comes: it learns of listeners as it joins the bus.
    ASSERT_TRUE(app.client().listenForChanges());
    const QString error = app.start("[Launch] runtime_services_started");
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();

    ASSERT_EQ(runCommand("xdotool", {"key", "super+alt+b"}), QString());
    const std::optional<AtspiElement> landed = app.waitForFocused(breakTimeoutMs);
    ASSERT_TRUE(landed) << app.describeShowing();
    const QString heardFirst = app.heardOnFocus(*landed);
    const QRegularExpression messageAndTimeLeft("^Rest Your Eyes \\[filler\\]; \\d seconds? left$");
    EXPECT_TRUE(messageAndTimeLeft.match(heardFirst).hasMatch()) << heardFirst.toStdString();

    const QRegularExpression timeLeft("^\\d seconds? left$");
    const std::optional<AtspiElement> countdown = app.waitForShowing([&](const AtspiElement &element) {
        return element.role == label && timeLeft.match(element.name).hasMatch();
    });
    ASSERT_TRUE(countdown) << app.describeShowing();
    const QDBusConnection bus = *app.client().bus();
    const QString changed = QStringLiteral("org.a11y.atspi.Event.Object");
    DBusSignalCounter countdownSteps(bus, countdown->object.service, countdown->object.path, changed,
                                     "PropertyChange");
    DBusSignalCounter focusedChanges(bus, landed->object.service, landed->object.path, changed,
                                     "PropertyChange");
    ASSERT_TRUE(countdownSteps.isConnected() && focusedChanges.isConnected());
    EXPECT_TRUE(QTest::qWaitFor([&] { return countdownSteps.count() >= 2; }, stepTimeoutMs))
        << "the countdown's label steps";
    EXPECT_EQ(focusedChanges.count(), 0);

    const std::optional<AtspiElement> resume = app.waitForShowing(
        [](const AtspiElement &element) {
            return element.name == "Resume" && element.role == pushButton && element.has(AtspiState::focused);
        },
        breakTimeoutMs);
    ASSERT_TRUE(resume) << app.describeShowing();
    EXPECT_EQ(app.heardOnFocus(*resume).toStdString(), "Break complete [panel]; Resume [push button]");
    ASSERT_TRUE(app.act("Resume", pushButton, "Press"));
    EXPECT_TRUE(app.process().waitForLog("outcome=completed", stepTimeoutMs))
        << app.process().log().toStdString();
    ASSERT_TRUE(app.process().terminate(exitTimeoutMs));
    expectCleanLog(app.process());
}

TEST_F(AccessibilityIntegrationTest, DropDownsAndTextFieldsSetThroughTheBusAreStoredAndAClosedListOffersNoEntry)
{
    ASSERT_TRUE(home.writeSettings({{"hasCompletedOnboarding", true},
                                    {"enforcement", "Balanced"},
                                    {"skipsPerDay", 3},
                                    {"snoozesPerDay", 3}}));
    AccessibleApp app(home);
    const QString error = startWithSettingsWindow(app, home);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();

    // Each drop-down is found by its row's name and reads its choice; its list is closed.
    ASSERT_TRUE(app.waitForShowing("Skips per day", comboBox)) << app.describeShowing();
    EXPECT_EQ(app.textOf("Skips per day", comboBox), "3");
    EXPECT_EQ(app.textOf("Break duration", comboBox), "20 sec");
    EXPECT_EQ(app.reachable(listItem).join(", ").toStdString(), "") << "no entry of a closed list";

    ASSERT_TRUE(app.act("Skips per day", comboBox, "Press"));
    ASSERT_TRUE(app.act("5", listItem, "Press")) << app.describeShowing();
    EXPECT_TRUE(waitForSetting(home, "skipsPerDay", 5));
    EXPECT_TRUE(QTest::qWaitFor([&] { return app.textOf("Skips per day", comboBox) == "5"; }, stepTimeoutMs));
    EXPECT_EQ(app.reachable(listItem).join(", ").toStdString(), "") << "the list closed with the choice";
    EXPECT_EQ(settingsOf(home).value("snoozesPerDay").toInt(), 3) << "the other row's entry \"5\" untouched";

    // The customizer's own message, set as a whole by the bus.
    ASSERT_TRUE(app.act("Customize break screen", pushButton, "Press"));
    ASSERT_TRUE(app.act("Custom", radioButton, "Press")) << app.describeShowing();
    ASSERT_TRUE(app.setText("Your message...", textField, "Stand up and stretch")) << app.describeShowing();
    EXPECT_TRUE(waitForSetting(home, "break.customMessage", "Stand up and stretch"));
    EXPECT_EQ(settingsOf(home).value("break.message").toString(), "Custom");

    ASSERT_EQ(runCommand("xdotool", {"key", "ctrl+w"}), QString());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !app.isShowing("Your message...", textField); }, stepTimeoutMs));

    // A time field steps as its Up key does: the hour, from the new break's 12:30.
    ASSERT_TRUE(app.act("Scheduled breaks", pushButton, "Press"));
    ASSERT_TRUE(app.act("Add", pushButton, "Press"));
    ASSERT_TRUE(app.act("Time", spinBox, "Increase")) << app.describeShowing();
    EXPECT_TRUE(QTest::qWaitFor([&] { return app.textOf("Time", spinBox) == "13:30"; }, stepTimeoutMs))
        << app.textOf("Time", spinBox).toStdString();
    ASSERT_TRUE(app.act("Cancel", pushButton, "Press"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !app.isShowing("Time", spinBox); }, stepTimeoutMs));

    // Closed, the settings window leaves no entry of its drop-downs to find.
    ASSERT_EQ(runCommand("xdotool", {"key", "ctrl+w"}), QString());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !app.isShowing("Skips per day", comboBox); }, stepTimeoutMs));
    EXPECT_EQ(app.reachable(listItem).join(", ").toStdString(), "");
    ASSERT_TRUE(app.process().terminate(exitTimeoutMs));
    expectCleanLog(app.process());
}

// A screen reader hears a page of the first-run flow as it appears: the focus lands in the
// page, on the choice of its first group, so that it says the page's heading and subtitle and
// the group's question ("Focus interval") before the choice ("20m"). The welcome page has no
// control of its own: "Next", where the focus is, carries its title and tagline.
TEST_F(AccessibilityIntegrationTest, TheFirstRunsPagesAndGroupsOfChoicesAreNamedByTheirHeadings)
{
    AccessibleApp app(home);
    const QString error = app.start("launch_start | needsOnboarding=true");
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();

    const QString welcome = "Lumen pause. Not your keyboard.";
    const QString tagline = "Because nobody ever regretted taking a break.";
    const QString rhythm = "Build your rhythm";
    const QString preferences = "Make it work your way";
    const std::pair<QString, QString> pages[] = {
        {"Next", rhythm + " / The 20-20-20 rule uses a 20-second eye break every 20 minutes.\n"
                          "Focus interval: 15m [20m] 30m 45m\n"
                          "Short break: 20s 30s 45s 60s\n"
                          "After short breaks: 2 3 4 5\n"
                          "Long break duration: 3m 5m 10m 15m"},
        {"Next", preferences + " / Choose how firmly Lumenpause steps in and when it should wait.\n"
                               "Enforcement: [Casual] Balanced Hardcore\n"
                               "Break sensitivity: Gentle Normal Persistent"},
        {"Back", rhythm + " / The 20-20-20 rule uses a 20-second eye break every 20 minutes.\n"
                          "Focus interval: 15m [20m] 30m 45m\n"
                          "Short break: 20s 30s 45s 60s\n"
                          "After short breaks: 2 3 4 5\n"
                          "Long break duration: 3m 5m 10m 15m"},
        {"Back", welcome + " / " + tagline},
    };
    const auto nextAsHeard = [&] {
        const std::optional<AtspiElement> next = app.waitForShowing([](const AtspiElement &element) {
            return element.name == "Next" && element.role == pushButton && element.has(AtspiState::focused);
        });
        return next ? next->name + " / " + app.descriptionOf(*next) : QStringLiteral("\"Next\" has no focus");
    };
    const QString nextOnWelcome = "Next / " + welcome + " " + tagline;
    EXPECT_EQ(pageAsHeard(app, welcome).toStdString(), (welcome + " / " + tagline).toStdString());
    EXPECT_EQ(nextAsHeard().toStdString(), nextOnWelcome.toStdString());
    for (const auto &[button, expected] : pages) {
        SCOPED_TRACE(button.toStdString() + " to " + expected.section(u' ', 0, 2).toStdString());
        ASSERT_TRUE(app.act(button, pushButton, "Press"));
        const QString heading = expected.section(" / ", 0, 0);
        QString heard;
        EXPECT_TRUE(QTest::qWaitFor([&] { return (heard = pageAsHeard(app, heading)) == expected; }, stepTimeoutMs))
            << heard.toStdString();
    }
    EXPECT_EQ(nextAsHeard().toStdString(), nextOnWelcome.toStdString()) << "back on the welcome page";
    ASSERT_TRUE(app.process().terminate(exitTimeoutMs));
    expectCleanLog(app.process());
}

// Choosing a section's row, as Space or a screen reader's press does, is announced: the row is
// now checked and the one before it no longer, so a screen reader says the choice it made.
// Neither the rows nor the panes' controls offer keys of their own: Space and Return act on
// whatever has the focus, and offered as a control's keys a screen reader would read them out
// after every row and tile ("Breaks. selected radio button return.").
TEST_F(AccessibilityIntegrationTest, ChosenSectionRowsAreAnnouncedCheckedAndNoControlIsReadWithKeys)
{
    ASSERT_TRUE(home.writeSettings({{"hasCompletedOnboarding", true}}));
    AccessibleApp app(home);
    const QString error = startWithSettingsWindow(app, home);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    ASSERT_TRUE(app.waitForChecked("Breaks", radioButton, true));
    ASSERT_TRUE(app.recordStateChanges());
    const auto controlsWithKeys = [&app] {
        QStringList found;
        for (const AtspiElement &element : app.showing()) {
            for (const QString &keys : app.client().keyBindings(element.object))
                found << QStringLiteral("%1 [%2]: %3").arg(element.name, element.role, keys);
        }
        return found;
    };
    EXPECT_EQ(controlsWithKeys(), QStringList());

    const std::pair<QString, QStringList> choices[] = {
        {"Wellness", {"Wellness on", "Breaks off"}},
        {"General", {"Wellness on", "Breaks off", "General on", "Wellness off"}},
    };
    // The rows' changes, in either order: they change together. A pane coming in sets its own
    // controls as well.
    const auto rowChanges = [&app] {
        QStringList changes = app.stateChanges("checked");
        changes.removeIf([](const QString &change) {
            return !QStringList({"Breaks", "Wellness", "General"}).contains(change.section(u' ', 0, -2));
        });
        changes.sort();
        return changes;
    };
    for (auto [row, heard] : choices) {
        SCOPED_TRACE(row.toStdString());
        ASSERT_TRUE(app.act(row, radioButton, "Press"));
        heard.sort();
        QStringList changes;
        EXPECT_TRUE(QTest::qWaitFor([&] { return (changes = rowChanges()) == heard; }, stepTimeoutMs))
            << changes.join(", ").toStdString();
        EXPECT_EQ(controlsWithKeys(), QStringList());
    }
    ASSERT_TRUE(app.process().terminate(exitTimeoutMs));
    expectCleanLog(app.process());
}
