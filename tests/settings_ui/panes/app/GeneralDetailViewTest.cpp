#include "settings_ui/panes/app/GeneralDetailView.h"
#include "settings_ui/components/InfoTip.h"
#include "settings_ui/components/ToggleSwitch.h"
#include "settings_ui/components/ValueComboBox.h"
#include "support/WindowShortcutRig.h"
#include "support/SettingsPaneFixture.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

// The General pane on a throw-away settings file, with the autostart entry in the same
// throw-away folder.

namespace {

class GeneralDetailViewTest : public SettingsPaneFixture
{
protected:
    std::unique_ptr<GeneralDetailView> openPane()
    {
        return shown(std::make_unique<GeneralDetailView>(login.services()), {620, 800});
    }

    static ToggleSwitch *launchSwitch(QWidget &pane) { return pane.findChild<ToggleSwitch *>("launchAtLogin"); }
    // The tip's message, or "-" while there is none.
    static QString tipShown(QWidget &pane)
    {
        const auto *tip = pane.findChild<InfoTip *>("launchAtLoginTip");
        return tip && tip->isVisibleTo(&pane) ? tip->message() : QStringLiteral("-");
    }

    WindowShortcutRig login{rig};
};

} // namespace

TEST_F(GeneralDetailViewTest, OpeningShowsWhatTheDesktopWillDoAndLeavesTheEntryAlone)
{
    const QString approval = "Lumenpause is turned off in your desktop's startup applications.";
    struct Case
    {
        const char *what;
        std::optional<QByteArray> entry;
        bool storedBefore;
        bool shown;
        QString tip;
    };
    // Entries written by hand, unlike what the controller would write: any rewrite shows.
    const Case cases[] = {
        {"entry present, off stored", WindowShortcutRig::entryText() + "X-Written-By=hand\n", false, true, "-"},
        {"entry switched off by the desktop", WindowShortcutRig::entryText(true) + "X-Written-By=hand\n", true,
         false, approval},
        {"no entry, on stored", std::nullopt, true, false, "-"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(login.entryPath());
        if (c.entry)
            writeBytes(login.entryPath(), *c.entry);
        rig.settings.setLaunchAtLogin(c.storedBefore);
        const auto pane = openPane();
        QCoreApplication::processEvents();
        EXPECT_EQ(launchSwitch(*pane)->isChecked(), c.shown);
        EXPECT_EQ(tipShown(*pane), c.tip);
        EXPECT_EQ(QFile::exists(login.entryPath()), c.entry.has_value());
        if (c.entry) {
            EXPECT_EQ(readBytes(login.entryPath()), *c.entry);
        }
        EXPECT_EQ(storedJson().value("launchAtLogin").toBool(), c.shown) << "the setting mirrors the entry";
    }
}

TEST_F(GeneralDetailViewTest, AClickTheDesktopRefusesSwitchesBackOnTheNextTurnAndKeepsTheMessage)
{
    // A file where the autostart folder belongs: no entry can be written.
    writeBytes(rig.folder.filePath("autostart"), "not a folder\n");
    const auto pane = openPane();
    ToggleSwitch *control = launchSwitch(*pane);
    ASSERT_FALSE(control->isChecked());

    QTest::mouseClick(control, Qt::LeftButton);
    EXPECT_TRUE(control->isChecked()) << "the click stands until the next turn";
    const QString message = login.controller.launchAtLoginError();
    ASSERT_FALSE(message.isEmpty());
    EXPECT_EQ(tipShown(*pane), message);

    QCoreApplication::processEvents();
    EXPECT_FALSE(control->isChecked());
    // Switching back is only shown: asking to unregister would clear the message.
    EXPECT_EQ(login.controller.launchAtLoginError(), message);
    EXPECT_EQ(tipShown(*pane), message);
    EXPECT_FALSE(storedJson().value("launchAtLogin").toBool());

    // With the folder back, a click registers and the message goes.
    QFile::remove(rig.folder.filePath("autostart"));
    QTest::mouseClick(control, Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_TRUE(control->isChecked());
    EXPECT_TRUE(QFile::exists(login.entryPath()));
    EXPECT_EQ(tipShown(*pane), "-");
    EXPECT_TRUE(storedJson().value("launchAtLogin").toBool());
}

TEST_F(GeneralDetailViewTest, TheCountdownSwitchGovernsTheStyleRowAndEachControlWritesItsKey)
{
    const auto pane = openPane();
    auto *countdown = pane->findChild<ToggleSwitch *>("menuBarShowTimer");
    auto *style = pane->findChild<ValueComboBox *>("menuBarTimerStyle");
    auto *theme = pane->findChild<ValueComboBox *>("appTheme");
    const auto styleRowShown = [&] {
        const bool row = pane->findChild<QWidget *>("menuBarTimerStyle.row")->isVisibleTo(pane.get());
        const bool divider = pane->findChild<QWidget *>("menuBarTimerStyle.divider")->isVisibleTo(pane.get());
        EXPECT_EQ(row, divider);
        return row;
    };
    const auto pick = [](ValueComboBox *picker, const QString &label) { emit picker->activated(picker->findText(label)); };
    EXPECT_TRUE(styleRowShown());
    EXPECT_EQ(theme->currentText(), "System");
    EXPECT_EQ(style->currentText(), "Rounded (20m)");

    struct Step
    {
        const char *what;
        std::function<void()> act;
        const char *key;
        QJsonValue value;
        bool styleRow;
    };
    const Step steps[] = {
        {"exact style", [&] { pick(style, "Exact (19:42)"); }, "menuBarTimerStyle", "exact", true},
        {"countdown off", [&] { QTest::mouseClick(countdown, Qt::LeftButton); }, "menuBarShowTimer", false, false},
        {"the style stays", [] {}, "menuBarTimerStyle", "exact", false},
        {"countdown on", [&] { QTest::mouseClick(countdown, Qt::LeftButton); }, "menuBarShowTimer", true, true},
        {"dark theme", [&] { pick(theme, "Dark"); }, "appTheme", "Dark", true},
        {"start after wake off", [&] { QTest::mouseClick(pane->findChild<ToggleSwitch *>("startAfterWake"), Qt::LeftButton); },
         "startAfterWake", false, true},
    };
    for (const Step &step : steps) {
        SCOPED_TRACE(step.what);
        step.act();
        EXPECT_EQ(storedJson().value(step.key), step.value);
        EXPECT_EQ(styleRowShown(), step.styleRow);
    }
    EXPECT_EQ(style->currentText(), "Exact (19:42)");
    EXPECT_EQ(rig.theme.appTheme(), AppTheme::dark);
    // Every control is named after its visible label.
    EXPECT_EQ(countdown->accessibleName(), "Show countdown in the tray");
    EXPECT_EQ(launchSwitch(*pane)->accessibleName(), "Launch at login");
    EXPECT_EQ(theme->accessibleName(), "App theme");
}
