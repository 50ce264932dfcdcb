#include "settings_ui/components/Debouncer.h"
#include "settings_ui/components/ToggleSwitch.h"
#include "settings_ui/panes/breaks/OfficeHoursDayRow.h"
#include "settings_ui/panes/breaks/OfficeHoursView.h"
#include "settings_ui/panes/breaks/ScreenBreaksDetailView.h"
#include "settings_ui/panes/breaks/WallClockTimeEdit.h"
#include "settings_ui/window/DetailView.h"
#include "support/BreaksPaneFixture.h"
#include "support/LogCapture.h"

#include <QAccessible>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QVariantMap dayRecord(QVariant enabled, qint64 startHour, qint64 startMin, qint64 endHour, qint64 endMin)
{
    return {{"enabled", enabled}, {"startHour", startHour}, {"startMin", startMin},
            {"endHour", endHour}, {"endMin", endMin}};
}

class OfficeHoursViewTest : public BreaksPaneFixture
{
protected:
    OfficeHoursView *openPage()
    {
        return qobject_cast<OfficeHoursView *>(openSubpage(ScreenBreaksSubpage::officeHours)->page());
    }

    QStringList saves() const
    {
        // The rig's break timer captures the log.
        return rig.timer.log.messages("OfficeHours").filter("Schedule saved");
    }

    QJsonObject storedDay(int day) { return rig.storedSettings()["officeHoursSchedule"].toArray()[day].toObject(); }
};

} // namespace

TEST_F(OfficeHoursViewTest, TheWeekIsReadFieldByFieldWithItsOwnFallbacks)
{
    struct Case
    {
        const char *name;
        std::optional<QVariantList> stored;
        // Monday to Sunday as "on 09:00-18:00" or "off 09:00-18:00".
        QStringList shown;
    };
    const QStringList defaultWeek = {"on 9:0-18:0", "on 9:0-18:0", "on 9:0-18:0", "on 9:0-18:0",
                                     "on 9:0-18:0", "off 9:0-18:0", "off 9:0-18:0"};
    QVariantList eight;
    for (int day = 0; day < 8; ++day)
        eight.append(dayRecord(day != 6, 8, 15, 16, 45));
    const Case cases[] = {
        {"nothing stored", std::nullopt, defaultWeek},
        {"three entries, the rest from the defaults",
         QVariantList{dayRecord(false, 8, 0, 16, 30), dayRecord(true, 10, 0, 12, 0), dayRecord(true, 22, 0, 6, 0)},
         {"off 8:0-16:30", "on 10:0-12:0", "on 22:0-6:0", "on 9:0-18:0", "on 9:0-18:0", "off 9:0-18:0",
          "off 9:0-18:0"}},
        {"an eighth entry ignored", eight,
         {"on 8:15-16:45", "on 8:15-16:45", "on 8:15-16:45", "on 8:15-16:45", "on 8:15-16:45", "on 8:15-16:45",
          "off 8:15-16:45"}},
        {"a mistyped switch falls back for its day alone",
         QVariantList{dayRecord("yes", 7, 0, 15, 0), dayRecord(1, 7, 0, 15, 0), QVariantMap{{"startHour", "8"}},
                      dayRecord(false, 7, 0, 15, 0), dayRecord(true, 7, 0, 15, 0), dayRecord("on", 7, 0, 15, 0),
                      dayRecord(true, 7, 0, 15, 0)},
         {"on 7:0-15:0", "on 7:0-15:0", "on 9:0-18:0", "off 7:0-15:0", "on 7:0-15:0", "off 7:0-15:0",
          "on 7:0-15:0"}},
    };
    for (const Case &test : cases) {
        SCOPED_TRACE(test.name);
        BreaksPaneRig local;
        if (test.stored)
            local.store.setObject("officeHoursSchedule", *test.stored);
        view = local.openWindow();
        BreaksPaneRig::pane(*view)->setSubpage(ScreenBreaksSubpage::officeHours);
        BreaksPaneRig::settle();
        QStringList shown;
        for (const OfficeHoursDayRow *row : view->findChildren<OfficeHoursDayRow *>()) {
            const DaySchedule &day = row->day();
            EXPECT_EQ(row->enabledSwitch()->isChecked(), day.isEnabled);
            EXPECT_EQ(row->startPicker()->time(), QTime(int(day.startHour), int(day.startMinute)));
            shown.append(QString("%1 %2:%3-%4:%5")
                             .arg(day.isEnabled ? "on" : "off")
                             .arg(day.startHour)
                             .arg(day.startMinute)
                             .arg(day.endHour)
                             .arg(day.endMinute));
        }
        EXPECT_EQ(shown, test.shown);
        view.reset();
    }
}

TEST_F(OfficeHoursViewTest, AnOutOfRangeTimeShowsClampedAndStaysStoredUntilItsPickerIsEdited)
{
    rig.store.setObject("officeHoursSchedule",
                        QVariantList{dayRecord(true, 25, 70, 18, 0), dayRecord(true, 9, 0, 30, 0)});
    openPage();
    EXPECT_EQ(control<WallClockTimeEdit>("officeHoursSchedule.0.start")->time(), QTime(23, 59));
    control<WallClockTimeEdit>("officeHoursSchedule.1.start")->setTime(QTime(8, 0));
    rig.clock.advance(OfficeHoursView::saveDelaySeconds);

    EXPECT_EQ(storedDay(0)["startHour"].toInteger(), 25);
    EXPECT_EQ(storedDay(0)["startMin"].toInteger(), 70);
    EXPECT_EQ(storedDay(1)["startHour"].toInteger(), 8);
    EXPECT_EQ(storedDay(1)["endHour"].toInteger(), 30);
    control<WallClockTimeEdit>("officeHoursSchedule.0.start")->setTime(QTime(23, 30));
    rig.clock.advance(OfficeHoursView::saveDelaySeconds);
    EXPECT_EQ(storedDay(0)["startHour"].toInteger(), 23);
    EXPECT_EQ(storedDay(0)["startMin"].toInteger(), 30);
}

namespace {

// What the accessibility bus does for Increase and Decrease on a control that has a value but
// no such action of its own: a move of one step of the value.
void stepThroughTheBus(QAccessibleInterface *field, int direction)
{
    QAccessibleValueInterface *value = field->valueInterface();
    value->setCurrentValue(value->currentValue().toDouble() + direction * value->minimumStepSize().toDouble());
}

} // namespace

// A screen reader reads a time field's minute of the day and steps it as the Up and Down keys
// do: each step of the bus matches the key's on a twin field, and the result is stored.
TEST_F(OfficeHoursViewTest, ATimeFieldShowsItsMinuteOfTheDayAndStepsThroughTheBusAsItsArrowKeys)
{
    openPage();
    auto *monday = control<WallClockTimeEdit>("officeHoursSchedule.0.start");
    QAccessibleInterface *field = QAccessible::queryAccessibleInterface(monday);
    ASSERT_NE(field->valueInterface(), nullptr);
    EXPECT_EQ(field->text(QAccessible::Name), "Monday start");
    EXPECT_EQ(field->text(QAccessible::Value), monday->text());
    EXPECT_EQ(field->valueInterface()->currentValue().toInt(), 9 * 60);
    EXPECT_EQ(field->valueInterface()->maximumValue().toInt(), 23 * 60 + 59);

    WallClockTimeEdit twin(OfficeHoursDayRow::pickerWidth);
    twin.setWallClock(9, 0);
    twin.show();
    struct Step
    {
        QDateTimeEdit::Section section;
        int direction;
        QTime expected;
    };
    const Step steps[] = {{QDateTimeEdit::HourSection, 1, QTime(10, 0)},
                          {QDateTimeEdit::HourSection, -1, QTime(9, 0)},
                          {QDateTimeEdit::HourSection, -1, QTime(8, 0)},
                          {QDateTimeEdit::MinuteSection, -1, QTime(8, 0)}, // the minutes stop at 00
                          {QDateTimeEdit::MinuteSection, 1, QTime(8, 1)}};
    for (const Step &step : steps) {
        SCOPED_TRACE(step.expected.toString().toStdString());
        monday->setCurrentSection(step.section);
        twin.setCurrentSection(step.section);
        stepThroughTheBus(field, step.direction);
        QTest::keyClick(&twin, step.direction > 0 ? Qt::Key_Up : Qt::Key_Down);
        EXPECT_EQ(monday->time(), step.expected);
        EXPECT_EQ(twin.time(), step.expected);
    }
    rig.clock.advance(OfficeHoursView::saveDelaySeconds);
    ASSERT_EQ(saves().size(), 1) << "the steps are the user's edits";
    EXPECT_EQ(storedDay(0)["startHour"].toInteger(), 8);
    EXPECT_EQ(storedDay(0)["startMin"].toInteger(), 1);

    field->valueInterface()->setCurrentValue(17 * 60 + 45.0);
    rig.clock.advance(OfficeHoursView::saveDelaySeconds);
    EXPECT_EQ(storedDay(0)["startHour"].toInteger(), 17);
    EXPECT_EQ(storedDay(0)["startMin"].toInteger(), 45);
}

TEST_F(OfficeHoursViewTest, WindowsPastMidnightAndOfEqualEndsAreStoredAsSet)
{
    openPage();
    control<WallClockTimeEdit>("officeHoursSchedule.0.start")->setTime(QTime(22, 0));
    control<WallClockTimeEdit>("officeHoursSchedule.0.end")->setTime(QTime(6, 0));
    control<WallClockTimeEdit>("officeHoursSchedule.1.end")->setTime(QTime(9, 0));
    rig.clock.advance(OfficeHoursView::saveDelaySeconds);
    EXPECT_EQ(storedDay(0), QJsonObject({{"day", 0}, {"enabled", true}, {"startHour", 22}, {"startMin", 0},
                                         {"endHour", 6}, {"endMin", 0}}));
    EXPECT_EQ(storedDay(1), QJsonObject({{"day", 1}, {"enabled", true}, {"startHour", 9}, {"startMin", 0},
                                         {"endHour", 9}, {"endMin", 0}}));
}

TEST_F(OfficeHoursViewTest, ABurstOfEditsIsSavedOnceAQuarterSecondAfterTheLast)
{
    openPage();
    QTest::mouseClick(control<ToggleSwitch>("officeHoursEnabled"), Qt::LeftButton);
    rig.clock.advance(0.1);
    QTest::mouseClick(control<ToggleSwitch>("officeHoursSchedule.5.enabled"), Qt::LeftButton);
    rig.clock.advance(0.1);
    control<WallClockTimeEdit>("officeHoursSchedule.5.start")->setTime(QTime(10, 0));
    rig.clock.advance(0.24);
    EXPECT_TRUE(saves().isEmpty());
    EXPECT_FALSE(rig.settings.officeHoursEnabled());

    rig.clock.advance(0.02);
    EXPECT_EQ(saves(), QStringList{R"(Schedule saved - enabled: true, active days: ["Mon", "Tue", "Wed", "Thu", "Fri", "Sat"])"});
    EXPECT_TRUE(rig.storedSettings()["officeHoursEnabled"].toBool());
    EXPECT_EQ(storedDay(5)["startHour"].toInteger(), 10);
    rig.clock.advance(5);
    EXPECT_EQ(saves().size(), 1);
}

TEST_F(OfficeHoursViewTest, EveryWayOfLeavingSavesAtOnceAndTheDelayedSaveNeverRuns)
{
    using Departure = std::function<void(BreaksPaneRig &, ContentView &)>;
    const std::pair<const char *, Departure> departures[] = {
        {"back button",
         [](BreaksPaneRig &, ContentView &view) {
             QTest::mouseClick(view.findChild<QAbstractButton *>("back"), Qt::LeftButton);
         }},
        {"asked back to main", [](BreaksPaneRig &pane, ContentView &) { emit pane.notifier.navigateToBreaksMain(); }},
        {"another section", [](BreaksPaneRig &, ContentView &view) { view.setSelectedSection(SidebarSection::general); }},
        {"window hidden", [](BreaksPaneRig &, ContentView &view) { view.hide(); }},
        {"window closed", [](BreaksPaneRig &, ContentView &view) { view.close(); }},
        {"pane destroyed on screen", [](BreaksPaneRig &, ContentView &view) { delete view.detail(); }},
    };
    for (const auto &[name, leave] : departures) {
        SCOPED_TRACE(name);
        BreaksPaneRig local;
        const LogCapture &lines = local.timer.log;
        view = local.openWindow();
        BreaksPaneRig::pane(*view)->setSubpage(ScreenBreaksSubpage::officeHours);
        BreaksPaneRig::settle();
        QTest::mouseClick(control<ToggleSwitch>("officeHoursSchedule.6.enabled"), Qt::LeftButton);
        local.clock.advance(0.1);
        leave(local, *view);
        BreaksPaneRig::settle();
        EXPECT_EQ(lines.messages("OfficeHours").filter("Schedule saved").size(), 1);
        EXPECT_TRUE(local.storedSettings()["officeHoursSchedule"].toArray()[6].toObject()["enabled"].toBool());
        local.clock.advance(1);
        EXPECT_EQ(lines.messages("OfficeHours").filter("Schedule saved").size(), 1);
        view.reset();
        EXPECT_EQ(lines.messages("OfficeHours").filter("Schedule saved").size(), 1)
            << "a page that has left saves no more when it goes";
    }
}

TEST_F(OfficeHoursViewTest, OpeningAndLeavingWithoutEditsWritesBothKeysAndLogsOneLine)
{
    struct Case
    {
        const char *name;
        std::optional<QVariantList> stored;
        const char *line;
    };
    const Case cases[] = {
        {"default week", std::nullopt,
         R"(Schedule saved - enabled: false, active days: ["Mon", "Tue", "Wed", "Thu", "Fri"])"},
        {"Monday and Wednesday",
         QVariantList{dayRecord(true, 9, 0, 17, 0), dayRecord(false, 9, 0, 17, 0), dayRecord(true, 9, 0, 17, 0),
                      dayRecord(false, 9, 0, 17, 0), dayRecord(false, 9, 0, 17, 0),
                      dayRecord(false, 9, 0, 17, 0), dayRecord(false, 9, 0, 17, 0)},
         R"(Schedule saved - enabled: false, active days: ["Mon", "Wed"])"},
        {"no day", QVariantList(7, dayRecord(false, 9, 0, 17, 0)), "Schedule saved - enabled: false, active days: []"},
    };
    for (const Case &test : cases) {
        SCOPED_TRACE(test.name);
        BreaksPaneRig local;
        const LogCapture &lines = local.timer.log;
        if (test.stored)
            local.store.setObject("officeHoursSchedule", *test.stored);
        EXPECT_FALSE(local.storedSettings().contains("officeHoursEnabled"));
        view = local.openWindow();
        BreaksPaneRig::pane(*view)->setSubpage(ScreenBreaksSubpage::officeHours);
        BreaksPaneRig::settle();
        BreaksPaneRig::pane(*view)->setSubpage(ScreenBreaksSubpage::main);

        EXPECT_EQ(lines.messages("OfficeHours").filter("Schedule saved"), QStringList{test.line});
        const QJsonObject stored = local.storedSettings();
        EXPECT_EQ(stored["officeHoursEnabled"], QJsonValue(false));
        EXPECT_EQ(stored["officeHoursSchedule"].toArray().size(), 7);
        EXPECT_EQ(stored["officeHoursSchedule"].toArray()[6].toObject()["day"].toInt(), 6);
        view.reset();
    }
}

TEST_F(OfficeHoursViewTest, AnEditMadeJustBeforeQuittingReachesTheFile)
{
    openPage();
    QTest::mouseClick(control<ToggleSwitch>("officeHoursEnabled"), Qt::LeftButton);
    rig.clock.advance(0.1);
    // What the termination path does before the store's last write.
    Debouncer::flushAll();
    EXPECT_TRUE(QJsonDocument::fromJson(rig.settingsFile())["officeHoursEnabled"].toBool());
    EXPECT_EQ(saves().size(), 1);
}
