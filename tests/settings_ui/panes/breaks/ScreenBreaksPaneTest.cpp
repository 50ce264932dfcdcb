#include "breakscreen/BreakScreenConfig.h"
#include "settings_ui/components/Motion.h"
#include "settings_ui/components/ValueComboBox.h"
#include "settings_ui/panes/breaks/BreakLimitsCard.h"
#include "settings_ui/panes/breaks/EnforcementCard.h"
#include "settings_ui/panes/breaks/NavigationRowButton.h"
#include "settings_ui/panes/breaks/ScreenBreaksDetailView.h"
#include "settings_ui/panes/breaks/ScreenBreaksMainView.h"
#include "support/BreakScreenRig.h"
#include "support/BreaksPaneRig.h"

#include <QAccessible>
#include <QAction>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class ScreenBreaksPaneTest : public ::testing::Test
{
protected:
    ScreenBreaksPaneTest() { Motion::setJumpToEnd(true); }
    ~ScreenBreaksPaneTest() override { Motion::setJumpToEnd(false); }

    template <typename T>
    T *find(ContentView &view, const QString &name)
    {
        T *child = view.findChild<T *>(name);
        EXPECT_NE(child, nullptr) << name.toStdString();
        return child;
    }

    void click(ContentView &view, const QString &name)
    {
        QTest::mouseClick(find<QAbstractButton>(view, name), Qt::LeftButton);
        BreaksPaneRig::settle();
    }

    BreakEnforcement selectedCard(ContentView &view)
    {
        for (BreakEnforcement mode : allBreakEnforcements()) {
            if (find<EnforcementCard>(view, "enforcement:" + breakEnforcementRawValue(mode))->isSelected())
                return mode;
        }
        ADD_FAILURE() << "no card selected";
        return BreakEnforcement::casual;
    }

    BreaksPaneRig rig;
};

} // namespace

TEST_F(ScreenBreaksPaneTest, AnIntervalChoiceRestartsTheCountdownAndLeavesACustomIntervalADurationOnlyStores)
{
    struct Case
    {
        const char *name;
        bool custom;
        const char *option; // "<picker>:<value>", as the user picks it
        qint64 storedInterval;
        qint64 storedDuration;
        double remainingAfter; // 10 s after starting, then the choice, then 5 s more
    };
    const Case cases[] = {
        {"one hour", false, "breakInterval:60", 60, 20, 3600 - 5},
        // The picker shows the preset although a custom interval runs; choosing it ends that.
        {"shown entry under a custom interval", true, "breakInterval:20", 20, 20, 1200 - 5},
        {"duration", false, "breakDuration:120", 20, 120, 1200 - 15},
    };
    for (const Case &test : cases) {
        SCOPED_TRACE(test.name);
        BreaksPaneRig local;
        local.settings.setBreakInterval(20);
        local.settings.setUseCustomInterval(test.custom);
        local.settings.setCustomHours(2);
        local.breakTimer.start();
        local.clock.advance(10);
        const auto view = local.openWindow();
        EXPECT_EQ(view->findChild<ValueComboBox *>("breakInterval")->currentText(), "20 min");

        view->findChild<QAction *>(test.option)->trigger();
        local.clock.advance(5);

        const QString picker = QString(test.option).section(':', 0, 0);
        const bool interval = picker == "breakInterval";
        EXPECT_EQ(local.storedSettings()[picker].toInteger(), interval ? test.storedInterval : test.storedDuration);
        EXPECT_EQ(local.settings.breakInterval(), test.storedInterval);
        EXPECT_EQ(local.settings.breakDuration(), test.storedDuration);
        // A duration leaves the custom interval and the running countdown alone.
        EXPECT_EQ(local.storedSettings()["useCustomInterval"].toBool(), test.custom && !interval);
        EXPECT_DOUBLE_EQ(local.breakTimer.timeRemaining(), test.remainingAfter);
        EXPECT_EQ(view->findChild<ValueComboBox *>(picker)->currentData().toString(),
                  QString(test.option).section(':', 1));
    }
}

TEST_F(ScreenBreaksPaneTest, EnforcementCardsWriteTheModeAndTheLimitsItImplies)
{
    struct Case
    {
        const char *name;
        const char *stored;
        qint64 skips, snoozes;
        QStringList clicks;
        const char *expectedMode;
        qint64 expectedSkips, expectedSnoozes;
        bool limitsShown;
    };
    const Case cases[] = {
        {"casual to balanced", "Casual", 0, 0, {"Balanced"}, "Balanced", 3, 3, true},
        {"balanced, casual, balanced again", "Balanced", 5, 2, {"Casual", "Balanced"}, "Balanced", 3, 3, true},
        {"balanced keeps a set limit", "Casual", 0, 0, {"Balanced", "Balanced"}, "Balanced", 3, 3, true},
        {"hardcore keeps the limits", "Balanced", 2, 5, {"Hardcore"}, "Hardcore", 2, 5, false},
        {"casual removes them", "Hardcore", 2, 5, {"Casual"}, "Casual", 0, 0, true},
    };
    for (const Case &test : cases) {
        SCOPED_TRACE(test.name);
        BreaksPaneRig local;
        local.settings.setEnforcement(test.stored);
        local.settings.setSkipsPerDay(test.skips);
        local.settings.setSnoozesPerDay(test.snoozes);
        const auto view = local.openWindow();
        for (const QString &mode : test.clicks)
            click(*view, "enforcement:" + mode);

        const QJsonObject stored = local.storedSettings();
        EXPECT_EQ(stored["enforcement"].toString(), test.expectedMode);
        EXPECT_EQ(stored["skipsPerDay"].toInteger(), test.expectedSkips);
        EXPECT_EQ(stored["snoozesPerDay"].toInteger(), test.expectedSnoozes);
        EXPECT_EQ(breakEnforcementRawValue(selectedCard(*view)), test.expectedMode);
        EXPECT_EQ(view->findChild<BreakLimitsCard *>()->isVisible(), test.limitsShown);
    }
}

// What a screen reader finds of each drop-down: the row's name, the choice as its value, and
// an entry of the opened list that, pressed by name, stores its choice.
TEST_F(ScreenBreaksPaneTest, EachDropDownIsNamedByItsRowAndAnEntryPressedByNameIsStored)
{
    struct Case
    {
        const char *picker;
        const char *name;
        const char *shown;
        const char *entry;
        qint64 stored;
    };
    const Case cases[] = {
        {"skipsPerDay", "Skips per day", "3", "5", 5},
        {"snoozesPerDay", "Snoozes per day", "3", "1", 1},
        {"breakInterval", "Break interval", "20 min", "45 min", 45},
        {"breakDuration", "Break duration", "20 sec", "2 min", 120},
    };
    rig.settings.setEnforcement("Balanced");
    rig.settings.setSkipsPerDay(3);
    rig.settings.setSnoozesPerDay(3);
    const auto view = rig.openWindow();
    for (const Case &test : cases) {
        SCOPED_TRACE(test.picker);
        QAccessibleInterface *picker = QAccessible::queryAccessibleInterface(find<ValueComboBox>(*view, test.picker));
        EXPECT_EQ(picker->text(QAccessible::Name), test.name);
        EXPECT_EQ(picker->text(QAccessible::Value), test.shown);
        EXPECT_EQ(picker->childCount(), 0);

        picker->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QAccessibleInterface *entry = nullptr;
        for (int index = 0; index < picker->childCount(); ++index) {
            if (picker->child(index)->text(QAccessible::Name) == test.entry)
                entry = picker->child(index);
        }
        ASSERT_NE(entry, nullptr);
        entry->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        BreaksPaneRig::settle();

        EXPECT_EQ(rig.storedSettings()[test.picker].toInteger(), test.stored);
        EXPECT_EQ(picker->text(QAccessible::Value), test.entry);
        EXPECT_EQ(picker->childCount(), 0) << "the list closed";
    }
}

TEST_F(ScreenBreaksPaneTest, OpeningWritesOnlyBalancedsMissingLimitAndAnUnknownModeShowsAsCasual)
{
    struct Case
    {
        const char *stored;
        BreakEnforcement shown;
        qint64 skipsAfterOpening;
        bool fileUnchanged;
    };
    const Case cases[] = {
        {"Balanced", BreakEnforcement::balanced, 3, false},
        {"Casual", BreakEnforcement::casual, 0, true},
        {"Hardcore", BreakEnforcement::hardcore, 0, true},
        // The rest of the application treats it as Casual: no limits, nothing written.
        {"Strict", BreakEnforcement::casual, 0, true},
        {"balanced", BreakEnforcement::casual, 0, true},
    };
    for (const Case &test : cases) {
        SCOPED_TRACE(test.stored);
        BreaksPaneRig local;
        local.settings.setEnforcement(test.stored);
        local.settings.setSkipsPerDay(0);
        local.settings.setSnoozesPerDay(2);
        const QByteArray before = local.settingsFile();

        const auto view = local.openWindow();

        EXPECT_EQ(selectedCard(*view), test.shown);
        EXPECT_EQ(view->findChild<BreakLimitsCard *>()->mode(), test.shown);
        EXPECT_EQ(local.settings.skipsPerDay(), test.skipsAfterOpening);
        EXPECT_EQ(local.settings.snoozesPerDay(), 2);
        EXPECT_EQ(local.settings.enforcement(), test.stored);
        EXPECT_EQ(local.settingsFile() == before, test.fileUnchanged);
    }
}

TEST_F(ScreenBreaksPaneTest, RowTextsReadTheirSettingsAndFollowThem)
{
    struct LongBreaks
    {
        bool enabled;
        qint64 frequency, seconds;
        const char *text;
    };
    for (const LongBreaks &test : {LongBreaks{true, 3, 600, "Every 3 breaks, 10 min"},
                                   LongBreaks{true, 4, 900, "Every 4 breaks, 15 min"},
                                   LongBreaks{true, 2, 90, "Every 2 breaks, 1 min"},
                                   LongBreaks{false, 4, 900, "Disabled"}})
        EXPECT_EQ(ScreenBreaksMainView::longBreaksDetail(test.enabled, test.frequency, test.seconds), test.text);
    const auto breaks = [](std::initializer_list<bool> enabled) {
        QList<PlannedBreak> list;
        for (const bool on : enabled) {
            PlannedBreak planned;
            planned.name = "Walk";
            planned.enabled = on;
            list.append(planned);
        }
        return list;
    };
    EXPECT_EQ(ScreenBreaksMainView::scheduledBreaksDetail({}), "None");
    EXPECT_EQ(ScreenBreaksMainView::scheduledBreaksDetail(breaks({false, false, false})), "3 paused");
    EXPECT_EQ(ScreenBreaksMainView::scheduledBreaksDetail(breaks({true, false, true})), "2 active");

    const auto view = rig.openWindow();
    const auto detail = [&](const char *row) { return find<NavigationRowButton>(*view, row)->detail(); };
    EXPECT_EQ(detail("breaks.customize"), "Wallpaper, message & countdown");
    EXPECT_EQ(detail("breaks.officeHours"), "Disabled");
    rig.settings.setLongBreakFrequency(4);
    rig.settings.setOfficeHoursEnabled(true);
    rig.plannedBreaks.add(breaks({true}).first());
    EXPECT_EQ(detail("breaks.longBreaks"), "Every 4 breaks, 10 min");
    EXPECT_EQ(detail("breaks.officeHours"), "Active schedule");
    EXPECT_EQ(detail("breaks.scheduledBreaks"), "1 active");
}

TEST_F(ScreenBreaksPaneTest, RowsOpenTheirPagesAndBackOrTheNotificationReturnsToMain)
{
    const auto view = rig.openWindow();
    ScreenBreaksDetailView *pane = BreaksPaneRig::pane(*view);
    QSignalSpy changes(pane, &ScreenBreaksDetailView::subpageChanged);
    const std::pair<const char *, const char *> rows[] = {
        {"breaks.longBreaks", "breaks.longBreaksPage"},
        {"breaks.officeHours", "breaks.officeHoursPage"},
        {"breaks.scheduledBreaks", "breaks.scheduledBreaksPage"},
    };
    for (const auto &[row, page] : rows) {
        SCOPED_TRACE(row);
        click(*view, row);
        EXPECT_EQ(pane->page()->objectName(), page);
        EXPECT_EQ(pane->height(), pane->heightForWidth(pane->width())) << "the pane is as tall as its page";
        click(*view, "back");
        EXPECT_EQ(pane->page()->objectName(), "breaks.main");
    }
    click(*view, "breaks.officeHours");
    emit rig.notifier.navigateToBreaksMain();
    BreaksPaneRig::settle();
    EXPECT_EQ(pane->subpage(), ScreenBreaksSubpage::main);
    const qsizetype seen = changes.size();
    emit rig.notifier.navigateToBreaksMain();
    EXPECT_EQ(changes.size(), seen) << "on the main page the request changes nothing";
}

TEST_F(ScreenBreaksPaneTest, TheCustomizerOpensThroughThePublishedWindowManagerOnly)
{
    const auto view = rig.openWindow();
    ASSERT_EQ(WindowManager::shared(), nullptr);
    click(*view, "breaks.customize"); // nothing to open it with: nothing happens

    BreakScreenRig screen;
    SettingsWindowController &settings = screen.windows.settingsController();
    settings.setContentFactory([] { return new QWidget; });
    settings.setCustomizerFactory([](std::unique_ptr<BreakScreenConfig> config, std::function<void()>) {
        auto *customizer = new QWidget;
        config.release()->setParent(customizer);
        return customizer;
    });
    WindowManager::setShared(&screen.windows);
    click(*view, "breaks.customize");
    EXPECT_NE(settings.customizerWindow(), nullptr);
    settings.closeCustomizer(false);
    settings.hide();
    WindowManager::setShared(nullptr);
    BreakScreenRig::flushDeletions();
}
