#include "settings_ui/components/Debouncer.h"
#include "settings_ui/components/ToggleSwitch.h"
#include "settings_ui/panes/breaks/ScreenBreaksDetailView.h"
#include "settings_ui/window/DetailView.h"
#include "support/SettingsPaneFixture.h"
#include "support/WindowShortcutRig.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QFile>

#include <gtest/gtest.h>

#include <optional>

// Every switch of every pane, turned as a screen reader turns it: by the accessible
// "Toggle", which toggles the switch without a click. Each turn is stored, on disk, as a
// click's is, and a second turn stores the first value again.

namespace {

enum class Store { settingsFile, wellness, launchAtLogin, headsUp, mondayEnabled };

struct Row
{
    SidebarSection section;
    ScreenBreaksSubpage subpage;
    QString name;
    Store store = Store::settingsFile;
};

class PaneSwitchesTest : public SettingsPaneFixture
{
protected:
    std::unique_ptr<DetailView> open(const Row &row)
    {
        auto view = shown(std::make_unique<DetailView>(row.section, login.services()), {660, 800});
        if (auto *breaks = view->findChild<ScreenBreaksDetailView *>())
            breaks->setSubpage(row.subpage);
        return view;
    }

    // The file's value, or the default the settings model registered while it has none.
    QVariant inFile(const QString &key)
    {
        const QJsonObject file = storedJson();
        return file.contains(key) ? file.value(key).toVariant() : rig.store.registeredObject(key);
    }

    // The setting as stored now; a text saying what disagrees where two places must agree.
    QVariant stored(const Row &row)
    {
        Debouncer::flushAll();
        switch (row.store) {
        case Store::settingsFile: return inFile(row.name);
        case Store::wellness: return rig.timer.store.object(row.name);
        case Store::headsUp: return inFile(row.name).toLongLong() > 0;
        case Store::launchAtLogin: {
            const bool entry = QFile::exists(login.entryPath());
            return inFile(row.name).toBool() == entry ? QVariant(entry) : QVariant("setting and entry disagree");
        }
        case Store::mondayEnabled:
            for (const QVariant &day : rig.settings.loadOfficeHoursSchedule()) {
                if (day.toMap().value("day").toInt() == 0)
                    return day.toMap().value("enabled");
            }
            return {};
        }
        return {};
    }

    static void toggle(ToggleSwitch *control)
    {
        QAccessibleActionInterface *actions = QAccessible::queryAccessibleInterface(control)->actionInterface();
        ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::toggleAction()));
        actions->doAction(QAccessibleActionInterface::toggleAction());
    }

    WindowShortcutRig login{rig};
};

} // namespace

TEST_F(PaneSwitchesTest, EverySwitchStoresItsTurnHoweverItIsTurned)
{
    using enum SidebarSection;
    const ScreenBreaksSubpage main = ScreenBreaksSubpage::main;
    const Row rows[] = {
        {general, main, "launchAtLogin", Store::launchAtLogin},
        {general, main, "menuBarShowTimer"},
        {general, main, "startAfterWake"},
        {breaks, ScreenBreaksSubpage::longBreaks, "longBreaksEnabled"},
        {breaks, ScreenBreaksSubpage::officeHours, "officeHoursEnabled"},
        {breaks, ScreenBreaksSubpage::officeHours, "officeHoursSchedule.0.enabled", Store::mondayEnabled},
        {smartBehavior, main, "idleDetectionEnabled"},
        {wellness, main, "postureEnabled", Store::wellness},
        {wellness, main, "typingHealthEnabled", Store::wellness},
        {wellness, main, "blinkEnabled", Store::wellness},
        {notifications, main, "notificationsEnabled"},
        {notifications, main, "headsUpSeconds", Store::headsUp},
        {notifications, main, "breakSoundsEnabled"},
        {notifications, main, "reminderSoundsEnabled"},
        {notifications, main, "showCountdownInHUD"},
        {notifications, main, "hudAboveFullscreen"},
        {notifications, main, "hudAutoDismiss"},
        {meetings, main, "pauseDuringMeetings", Store::wellness},
        {meetings, main, "meetingPauseBreaks"},
        {meetings, main, "meetingPauseNotifications"},
        {meetings, main, "meetingHideMenuBar"},
        {media, main, "mediaDetectionEnabled", Store::wellness},
        {advanced, main, "endBreakEarly"},
        {advanced, main, "autoSkipDisplayDisconnected"},
        {advanced, main, "autoSkipBatteryLow"},
        {shortcuts, main, "shortcutsEnabled"},
    };
    // The day rows show while working hours are on.
    rig.settings.setOfficeHoursEnabled(true);
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name.toStdString());
        if (row.name == "officeHoursEnabled")
            rig.settings.setOfficeHoursEnabled(false);
        const QVariant before = stored(row);
        for (const bool turnBack : {false, true}) {
            // A pane made afresh each time shows what is stored, as the window does.
            const auto view = open(row);
            auto *control = view->findChild<ToggleSwitch *>(row.name);
            ASSERT_NE(control, nullptr);
            ASSERT_TRUE(control->isVisibleTo(view.get()));
            const bool wasOn = control->isChecked();
            toggle(control);
            EXPECT_NE(control->isChecked(), wasOn);
            const QVariant now = stored(row);
            if (turnBack) {
                EXPECT_EQ(now, before) << "turned back";
            } else {
                EXPECT_NE(now, before) << "the turn was not stored";
            }
            if (now.typeId() == QMetaType::Bool) {
                EXPECT_EQ(now.toBool(), control->isChecked()) << "the switch shows what is stored";
            }
        }
        if (row.name == "officeHoursEnabled")
            rig.settings.setOfficeHoursEnabled(true);
    }
}
