#include "menubar/HotKeyDefinition.h"
#include "settings_ui/components/BreaksSettingRow.h"
#include "settings_ui/components/InfoTip.h"
#include "settings_ui/components/SchemeLabel.h"
#include "settings_ui/components/SymbolGlyphs.h"
#include "settings_ui/components/SymbolTile.h"
#include "settings_ui/components/ToggleSwitch.h"
#include "settings_ui/panes/app/KeyCapLabel.h"
#include "settings_ui/panes/app/ShortcutsDetailView.h"
#include "settings_ui/window/ContentView.h"
#include "settings_ui/window/SettingsPanes.h"
#include "settings_ui/window/SidebarSection.h"
#include "support/PaintedTexts.h"
#include "support/SettingsPaneFixture.h"
#include "support/WindowShortcutRig.h"

#include <QApplication>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class ShortcutsDetailViewTest : public SettingsPaneFixture
{
protected:
    std::unique_ptr<QWidget> openPane()
    {
        std::unique_ptr<QWidget> pane(SettingsPanes::make(SidebarSection::shortcuts, shortcuts.services()));
        // Qualified: this fixture has a shown() of its own, which lists what the pane shows.
        return SettingsPaneFixture::shown(std::move(pane), {620, 800});
    }

    // Which of the lower sections show: the warning's message (or "no warning"), the list,
    // the tip.
    static QStringList shown(QWidget &pane)
    {
        QStringList parts;
        const auto *warning = pane.findChild<InfoTip *>("shortcutsWarning");
        parts << (warning && warning->isVisibleTo(&pane) ? warning->message() : QStringLiteral("no warning"));
        if (pane.findChild<QWidget *>("shortcutsList")->isVisibleTo(&pane))
            parts << "list";
        if (pane.findChild<QWidget *>("shortcutsTip")->isVisibleTo(&pane))
            parts << "tip";
        return parts;
    }

    // The switch's value as the settings file holds it.
    bool stored() { return QJsonDocument::fromJson(rig.settingsFile()).object().value("shortcutsEnabled").toBool(true); }

    WindowShortcutRig shortcuts{rig};
    ShortcutController &controller = shortcuts.controller;
};

} // namespace

TEST_F(ShortcutsDetailViewTest, TheSwitchWritesEachChangeAndOffHidesWarningListAndTip)
{
    const QString taken = "Unavailable shortcuts: Toggle menu bar timer. Another app may already use them.";
    rig.timer.fakeHotKeys.refuse(HotKeyDefinition::toggleMenuBarTimer, "error 10");
    shortcuts.startRuntime();
    const auto pane = openPane();
    auto *control = pane->findChild<ToggleSwitch *>("shortcutsEnabled");
    QSignalSpy writes(&controller, &ShortcutController::shortcutsEnabledChanged);
    struct Step
    {
        const char *what;
        std::function<void()> act;
        QStringList shown;
        bool enabled;
    };
    const Step steps[] = {
        {"opened", [] {}, {taken, "list", "tip"}, true},
        {"off", [&] { QTest::mouseClick(control, Qt::LeftButton); }, {"no warning"}, false},
        {"on", [&] { QTest::mouseClick(control, Qt::LeftButton); }, {taken, "list", "tip"}, true},
    };
    for (const Step &step : steps) {
        SCOPED_TRACE(step.what);
        step.act();
        EXPECT_EQ(shown(*pane), step.shown);
        EXPECT_EQ(controller.shortcutsEnabled(), step.enabled);
        EXPECT_EQ(stored(), step.enabled);
        EXPECT_EQ(control->isChecked(), step.enabled);
    }
    ASSERT_EQ(writes.size(), 2);
    EXPECT_FALSE(writes.at(0).at(0).toBool());
    EXPECT_TRUE(writes.at(1).at(0).toBool());
    EXPECT_EQ(control->accessibleName(), "Enable global shortcuts");
}

TEST_F(ShortcutsDetailViewTest, TheWarningFollowsTheControllersErrorVerbatim)
{
    shortcuts.startRuntime();
    const auto pane = openPane();
    const QString noHandler = "Lumenpause could not install its shortcut handler (error: Wayland).";
    const std::pair<std::function<void()>, QString> steps[] = {
        {[] {}, "no warning"},
        {[&] {
             rig.timer.fakeHotKeys.setHandlerFailure("error: Wayland");
             controller.registerHotKeys();
         },
         noHandler},
        {[&] {
             rig.timer.fakeHotKeys.setHandlerFailure(std::nullopt);
             rig.timer.fakeHotKeys.refuse(HotKeyDefinition::pauseResume, "error 10");
             controller.registerHotKeys();
         },
         "Unavailable shortcuts: Pause / Resume. Another app may already use them."},
        {[&] {
             rig.timer.fakeHotKeys.refuse(HotKeyDefinition::pauseResume, {});
             controller.registerHotKeys();
         },
         "no warning"},
    };
    for (const auto &[act, warning] : steps) {
        SCOPED_TRACE(warning.toStdString());
        act();
        EXPECT_EQ(shown(*pane).constFirst(), warning);
    }
}

TEST_F(ShortcutsDetailViewTest, EveryRowShowsAKeyTheControllerGrabs)
{
    const auto pane = openPane();
    const QList<HotKeyDefinition> &table = HotKeyDefinition::table();
    const QList<ShortcutsDetailView::Row> &rows = ShortcutsDetailView::rows();
    ASSERT_EQ(rows.size(), table.size());
    QStringList labels;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(rows[i].label.toStdString());
        EXPECT_EQ(rows[i].letter, table[i].letter);
        const auto *row = pane->findChild<BreaksSettingRow *>(QStringLiteral("shortcut.") + rows[i].letter);
        ASSERT_NE(row, nullptr);
        labels << row->titleLabel()->text();
        EXPECT_EQ(row->findChild<KeyCapLabel *>()->text(), "Super+Alt+" + QString(table[i].letter));
    }
    // The fourth is worded for the tray; the controller's own name for it stays in its messages.
    EXPECT_EQ(labels, QStringList({"Pause / Resume", "Skip break", "Take a break now", "Toggle timer in the tray",
                                   "Open Lumenpause"}));
}

// A Linux desktop has no Command or Option key: the pane and its sidebar row show a keyboard,
// and no glyph of those keys is drawn anywhere in the window.
TEST_F(ShortcutsDetailViewTest, AKeyboardStandsForShortcutsAndNoMacKeyIsDrawn)
{
    shortcuts.startRuntime();
    EXPECT_EQ(sidebarSectionSymbol(SidebarSection::shortcuts).toStdString(), "keyboard");
    const auto pane = openPane();
    QStringList symbols;
    for (const SymbolTile *tile : pane->findChildren<SymbolTile *>())
        symbols << tile->symbol();
    EXPECT_EQ(symbols.value(0).toStdString(), "keyboard") << "the switch card's tile";
    for (const QString macKey : {"command", "option", "shift", "control"}) {
        EXPECT_FALSE(symbols.contains(macKey)) << macKey.toStdString();
        EXPECT_FALSE(SymbolGlyphs::contains(macKey)) << macKey.toStdString();
    }
    ContentView window(shortcuts.services());
    window.resize(880, 820);
    window.show();
    window.setSelectedSection(SidebarSection::shortcuts);
    QApplication::processEvents();
    QStringList drawn;
    for (const PaintedText &text : paintedTexts(window))
        drawn << text.text;
    EXPECT_TRUE(drawn.contains("Super+Alt+P")) << drawn.join(" | ").toStdString();
    for (const QChar macKey : {QChar(0x2318), QChar(0x2325), QChar(0x21E7), QChar(0x2303)})
        EXPECT_FALSE(drawn.join(QString()).contains(macKey)) << drawn.join(" | ").toStdString();
}
