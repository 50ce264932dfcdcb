#include "support/AppHome.h"
#include "support/AppProcess.h"
#include "support/AtspiClient.h"
#include "support/LoadAllowance.h"
#include "support/RunCommand.h"
#include "support/TestFiles.h"
#include "support/TestServices.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QTest>

#include <gtest/gtest.h>

// The real application driven through the desktop's accessibility bus alone, as a
// screen-reader user drives it: every control found by its name and role, pressed or toggled
// by the action a screen reader performs.

namespace {

constexpr int startTimeoutMs = 20000;
constexpr int stepTimeoutMs = 10000;
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

// What the settings window shows when nothing covers it: its sidebar and the Breaks pane.
const QStringList windowBeneath = {"General", "Smart Behavior", "Wellness", "Notifications", "Meetings",
                                   "Media", "Shortcuts", "Statistics", "Advanced", "About",
                                   "Customize break screen", "Working hours", "Scheduled breaks"};

// The application under test on the accessibility bus.
class AccessibleApp
{
public:
    explicit AccessibleApp(const AppHome &home)
        : m_app(accessibleEnvironment(home))
    {
    }

    AppProcess &process() { return m_app; }

    // Empty when the application started and came onto the bus.
    QString start(const QString &logLine)
    {
        if (!m_client.error().isEmpty())
            return m_client.error();
        if (!m_app.start() || !m_app.waitForLog(logLine, startTimeoutMs))
            return QStringLiteral("no \"%1\" in the log: %2").arg(logLine, m_app.log());
        if (!QTest::qWaitFor([&] { return (m_root = m_client.application(m_app.pid())).has_value(); },
                             stepTimeoutMs))
            return QStringLiteral("the application never came onto the accessibility bus");
        return {};
    }

    QList<AtspiElement> showing() const { return m_client.elements(*m_root, true); }

    std::optional<AtspiElement> waitForShowing(const QString &name, const QString &role,
                                               int timeoutMs = stepTimeoutMs) const
    {
        std::optional<AtspiElement> found;
        const bool shows =
            QTest::qWaitFor([&] { return (found = m_client.findShowing(*m_root, name, role)).has_value(); }, timeoutMs);
        return shows ? found : std::nullopt;
    }

    bool isShowing(const QString &name, const QString &role) const
    {
        return m_client.findShowing(*m_root, name, role).has_value();
    }

    // Finds the control once it shows and performs the action on it.
    bool act(const QString &name, const QString &role, const QString &action, int timeoutMs = stepTimeoutMs)
    {
        const std::optional<AtspiElement> control = waitForShowing(name, role, timeoutMs);
        return control && m_client.doAction(control->object, action);
    }

    // Whether the control's checked state settles to `checked` within the deadline.
    bool waitForChecked(const QString &name, const QString &role, bool checked) const
    {
        return QTest::qWaitFor(
            [&] {
                const std::optional<AtspiElement> control = m_client.findShowing(*m_root, name, role);
                return control && control->has(AtspiState::checked) == checked;
            },
            stepTimeoutMs);
    }

    // What shows, for a failure's message: "name [role]" a line.
    std::string describeShowing() const
    {
        QStringList lines;
        for (const AtspiElement &element : showing())
            lines.append(QStringLiteral("%1 [%2]").arg(element.name, element.role));
        return lines.join(u'\n').toStdString();
    }

    // The names of what shows of the window beneath the flow.
    QStringList showingBeneath() const
    {
        QStringList found;
        for (const AtspiElement &element : showing()) {
            if (windowBeneath.contains(element.name))
                found.append(element.name);
        }
        return found;
    }

private:
    static QProcessEnvironment accessibleEnvironment(const AppHome &home)
    {
        QProcessEnvironment environment = home.environment();
        environment.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
        return environment;
    }

    AtspiClient m_client;
    AppProcess m_app;
    std::optional<AtspiObject> m_root;
};

QVariantMap settingsOf(const AppHome &home)
{
    return QJsonDocument::fromJson(readBytes(home.settingsFilePath())).toVariant().toMap();
}

bool waitForSetting(const AppHome &home, const QString &key, const QVariant &value)
{
    return QTest::qWaitFor([&] { return settingsOf(home).value(key) == value; }, stepTimeoutMs);
}

void expectCleanLog(AppProcess &app)
{
    for (const char *fault : {"[ERROR]", "runtime error:", "Sanitizer"})
        EXPECT_FALSE(app.hasLog(fault)) << app.log().toStdString();
}

} // namespace

TEST(AccessibilityIntegrationTest, AFirstRunThroughTheBusStoresItsChoicesAndNothingBeneathTheFlowShows)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    if (!AppProcess::logIsReadable())
        GTEST_SKIP() << "the log goes to the journal, where this test cannot read it";
    AppHome home;
    ASSERT_TRUE(home.isValid());
    AccessibleApp app(home);
    const QString error = app.start("launch_start | needsOnboarding=true");
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();

    ASSERT_TRUE(app.waitForShowing("Next", pushButton)) << "the first page";
    EXPECT_FALSE(app.isShowing("Back", pushButton)) << "nothing to go back to on the first page";
    EXPECT_EQ(app.showingBeneath().join(", ").toStdString(), "");
    ASSERT_TRUE(app.act("Next", pushButton, "Press"));

    ASSERT_TRUE(app.act("30m", radioButton, "Toggle"));
    ASSERT_TRUE(app.act("45s", radioButton, "Toggle"));
    EXPECT_TRUE(app.waitForChecked("30m", radioButton, true));
    EXPECT_TRUE(app.waitForChecked("45s", radioButton, true));
    EXPECT_TRUE(app.waitForChecked("20m", radioButton, false)) << "one choice per row";
    EXPECT_TRUE(app.isShowing("Back", pushButton));
    EXPECT_EQ(app.showingBeneath().join(", ").toStdString(), "");
    ASSERT_TRUE(app.act("Next", pushButton, "Press"));

    ASSERT_TRUE(app.act("Normal", radioButton, "Toggle"));
    EXPECT_TRUE(app.waitForChecked("Normal", radioButton, true));
    EXPECT_TRUE(app.waitForChecked("Gentle", radioButton, false));
    EXPECT_EQ(app.showingBeneath().join(", ").toStdString(), "");
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

TEST(AccessibilityIntegrationTest, ABreakSnoozedThroughTheBusForThirtySecondsComesBackAfterThem)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    if (!AppProcess::logIsReadable())
        GTEST_SKIP() << "the log goes to the journal, where this test cannot read it";
    AppHome home;
    ASSERT_TRUE(home.isValid());
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

TEST(AccessibilityIntegrationTest, SwitchesToggledThroughTheBusApplyTheirChange)
{
    LUMENPAUSE_REQUIRE_TEST_SERVICES();
    if (!AppProcess::logIsReadable())
        GTEST_SKIP() << "the log goes to the journal, where this test cannot read it";
    AppHome home;
    ASSERT_TRUE(home.isValid());
    ASSERT_TRUE(home.writeSettings({{"hasCompletedOnboarding", true}}));
    AccessibleApp app(home);
    const QString error = app.start("[Launch] runtime_services_started");
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    // Started again, Lumenpause opens its settings window.
    AppProcess again(home.environment());
    ASSERT_TRUE(again.start());
    ASSERT_TRUE(again.waitForExit(exitTimeoutMs));

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
