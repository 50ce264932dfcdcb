#include "settings_ui/components/TileButton.h"
#include "settings_ui/panes/breaks/AddPlannedBreakSheet.h"
#include "settings_ui/panes/breaks/EditPlannedBreakSheet.h"
#include "settings_ui/panes/breaks/OfficeHoursDayRow.h"
#include "settings_ui/panes/breaks/OfficeHoursView.h"
#include "settings_ui/panes/breaks/PlannedBreakIconButton.h"
#include "settings_ui/panes/breaks/PlannedBreakNameField.h"
#include "settings_ui/panes/breaks/PlannedBreaksDetailView.h"
#include "settings_ui/panes/breaks/ScreenBreaksDetailView.h"
#include "settings_ui/panes/breaks/WallClockTimeEdit.h"
#include "support/BreaksPaneFixture.h"
#include "support/ScopedTimeZone.h"

#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class PlannedBreakSheetTest : public BreaksPaneFixture
{
protected:
    PlannedBreaksDetailView *openPane()
    {
        openSubpage(ScreenBreaksSubpage::scheduledBreaks);
        return view->findChild<PlannedBreaksDetailView *>();
    }

    PlannedBreakSheet *openAdd()
    {
        QTest::mouseClick(openPane()->findChild<QAbstractButton *>("plannedBreaks.add"), Qt::LeftButton);
        return sheetShown();
    }

    PlannedBreakSheet *openEdit(const PlannedBreak &planned)
    {
        rig.plannedBreaks.add(planned);
        PlannedBreaksDetailView *pane = openPane();
        pane->showEdit(rig.plannedBreaks.breaks().first());
        return sheetShown();
    }

    PlannedBreakSheet *sheetShown()
    {
        BreaksPaneRig::settle();
        sheet = view->findChild<PlannedBreaksDetailView *>()->sheet();
        EXPECT_NE(sheet, nullptr);
        return sheet;
    }

    template <typename T = QAbstractButton>
    T *part(const QString &name)
    {
        T *child = sheet->findChild<T *>(name);
        EXPECT_NE(child, nullptr) << name.toStdString();
        return child;
    }

    void press(const QString &name) { QTest::mouseClick(part(name), Qt::LeftButton); }
    bool isOpen() const { return sheet && sheet->isVisible(); }

    QString shownDays()
    {
        QString days;
        for (int index = 0; index < 7; ++index)
            days += part<TileButton>(QString("day.%1").arg(index))->isSelected() ? "1" : "0";
        return days;
    }

    static PlannedBreak stored(const QString &name, QList<bool> days, qint64 seconds, bool enabled)
    {
        PlannedBreak planned;
        planned.name = name;
        planned.emoji = "leaf.fill";
        planned.hour = 15;
        planned.minute = 0;
        planned.durationSeconds = seconds;
        planned.days = std::move(days);
        planned.enabled = enabled;
        return planned;
    }

    QPointer<PlannedBreakSheet> sheet;
};

} // namespace

TEST_F(PlannedBreakSheetTest, TheAddSheetStartsAtHalfPastTwelveForFiveMinutesOnWeekdays)
{
    openAdd();
    EXPECT_EQ(sheet->width(), PlannedBreakSheet::sheetWidth);
    EXPECT_EQ(sheet->windowModality(), Qt::WindowModal);
    EXPECT_EQ(part<WallClockTimeEdit>("time")->time(), QTime(12, 30));
    EXPECT_EQ(part<QComboBox>("duration")->currentText(), "5 min");
    EXPECT_TRUE(part<TileButton>("icon:figure.walk")->isSelected());
    EXPECT_EQ(shownDays(), "1111100");
    EXPECT_EQ(part<QLineEdit>("name")->placeholderText(), "e.g. Lunch");
    EXPECT_EQ(part<QAbstractButton>("confirm")->text(), "Add Break");
    EXPECT_FALSE(part<QWidget>("nameError")->isVisible());
    EXPECT_FALSE(part<QWidget>("daysError")->isVisible());
    EXPECT_FALSE(part<QWidget>("workingHoursTip")->isVisible());
}

TEST_F(PlannedBreakSheetTest, ConfirmingChecksTheNameAndTheDaysAndTheErrorsFollowEachEdit)
{
    struct Case
    {
        const char *name;
        const char *typed;
        QList<int> daysTurnedOff;
        bool nameError, daysError;
    };
    const Case cases[] = {
        {"empty name", "", {}, true, false},
        {"blank name", "  \n\t ", {}, true, false},
        {"no day", "Lunch", {0, 1, 2, 3, 4}, false, true},
        {"neither", "", {0, 1, 2, 3, 4}, true, true},
    };
    for (const Case &test : cases) {
        SCOPED_TRACE(test.name);
        BreaksPaneRig local;
        view = local.openWindow();
        BreaksPaneRig::showSubpage(*view, ScreenBreaksSubpage::scheduledBreaks);
        view->findChild<PlannedBreaksDetailView *>()->showAdd();
        sheetShown();
        part<QLineEdit>("name")->setText(test.typed);
        for (int day : test.daysTurnedOff)
            press(QString("day.%1").arg(day));
        EXPECT_FALSE(part<QWidget>("nameError")->isVisible()) << "no error before the first attempt";

        press("confirm");
        EXPECT_TRUE(isOpen());
        EXPECT_TRUE(local.plannedBreaks.breaks().isEmpty());
        EXPECT_EQ(part<QWidget>("nameError")->isVisible(), test.nameError);
        EXPECT_EQ(part<PlannedBreakNameField>("name")->showsError(), test.nameError);
        EXPECT_EQ(part<QWidget>("daysError")->isVisible(), test.daysError);
        EXPECT_EQ(sheet->showsDaysError(), test.daysError);

        // Each error goes as soon as its field is fixed, the other one stays.
        QTest::keyClicks(part<QLineEdit>("name"), "Walk");
        EXPECT_FALSE(part<QWidget>("nameError")->isVisible());
        EXPECT_EQ(part<QWidget>("daysError")->isVisible(), test.daysError);
        press("day.2");
        EXPECT_FALSE(part<QWidget>("daysError")->isVisible());

        press("cancel");
        EXPECT_FALSE(isOpen());
        EXPECT_TRUE(local.plannedBreaks.breaks().isEmpty()) << "cancel keeps nothing";
        view.reset();
    }
}

TEST_F(PlannedBreakSheetTest, ConfirmingAddsTheBreakWithItsNameTrimmedAndCloses)
{
    openAdd();
    // The name and the time as a screen reader sets them, through the accessibility interfaces.
    QAccessibleInterface *name = QAccessible::queryAccessibleInterface(part<QLineEdit>("name"));
    name->editableTextInterface()->insertText(0, "  Lunch \n");
    QAccessibleInterface *time = QAccessible::queryAccessibleInterface(part<WallClockTimeEdit>("time"));
    time->valueInterface()->setCurrentValue(13 * 60 + 30);
    press("icon:fork.knife");
    part<QComboBox>("duration")->setCurrentIndex(part<QComboBox>("duration")->findText("30 min"));
    emit part<QComboBox>("duration")->activated(part<QComboBox>("duration")->currentIndex());
    press("day.4");
    press("day.6");
    press("confirm");

    EXPECT_FALSE(isOpen());
    ASSERT_EQ(rig.plannedBreaks.breaks().size(), 1);
    const PlannedBreak added = rig.plannedBreaks.breaks().first();
    EXPECT_EQ(added.name, "Lunch");
    EXPECT_EQ(added.emoji, "fork.knife");
    EXPECT_EQ(added.hour, 13);
    EXPECT_EQ(added.minute, 30);
    EXPECT_EQ(added.durationSeconds, 1800);
    EXPECT_EQ(added.days, (QList<bool>{true, true, true, true, false, false, true}));
    EXPECT_TRUE(added.enabled);
}

TEST_F(PlannedBreakSheetTest, EditingKeepsTheIdTheSwitchAndALengthNoChoiceOffers)
{
    openEdit(stored("Stretch", {true, false, true, false, true, false, false}, 45, false));
    const PlannedBreak before = rig.plannedBreaks.breaks().first();
    EXPECT_EQ(part<QComboBox>("duration")->currentIndex(), -1);
    EXPECT_EQ(part<QLineEdit>("name")->placeholderText(), "Name");
    EXPECT_EQ(part<QAbstractButton>("confirm")->text(), "Save");
    EXPECT_EQ(shownDays(), "1010100");
    EXPECT_TRUE(part<TileButton>("icon:leaf.fill")->isSelected());

    part<QLineEdit>("name")->setText("Long stretch");
    press("confirm");
    EXPECT_FALSE(isOpen());
    ASSERT_EQ(rig.plannedBreaks.breaks().size(), 1);
    PlannedBreak expected = before;
    expected.name = "Long stretch";
    EXPECT_EQ(rig.plannedBreaks.breaks().first(), expected);
}

TEST_F(PlannedBreakSheetTest, ReturnNeitherSavesNorClosesAndEscapeCancels)
{
    openAdd();
    sheet->activateWindow();
    part<QLineEdit>("name")->setFocus();
    QTest::keyClicks(part<QLineEdit>("name"), "Lunch");
    QTest::keyClick(part<QLineEdit>("name"), Qt::Key_Return);
    QTest::keyClick(part<QLineEdit>("name"), Qt::Key_Enter);
    EXPECT_TRUE(isOpen());
    EXPECT_TRUE(rig.plannedBreaks.breaks().isEmpty());
    EXPECT_FALSE(sheet->attemptedSave());

    QTest::keyClick(part<QLineEdit>("name"), Qt::Key_Escape);
    EXPECT_FALSE(isOpen());
    EXPECT_TRUE(rig.plannedBreaks.breaks().isEmpty());
}

TEST_F(PlannedBreakSheetTest, TheWorkingHoursTipFollowsTimeDaysAndSwitchAndDoesNotStopSaving)
{
    rig.settings.setOfficeHoursEnabled(true);
    openAdd();
    const auto tip = [this] { return part<QWidget>("workingHoursTip")->isVisible(); };
    EXPECT_FALSE(tip());
    part<WallClockTimeEdit>("time")->setTime(QTime(20, 0));
    EXPECT_TRUE(tip());
    part<WallClockTimeEdit>("time")->setTime(QTime(10, 0));
    EXPECT_FALSE(tip());
    press("day.5");
    EXPECT_TRUE(tip()) << "Saturday is off";
    press("day.5");
    EXPECT_FALSE(tip());
    part<WallClockTimeEdit>("time")->setTime(QTime(20, 0));
    rig.settings.setOfficeHoursEnabled(false);
    EXPECT_FALSE(tip());
    rig.settings.setOfficeHoursEnabled(true);
    EXPECT_TRUE(tip());

    part<QLineEdit>("name")->setText("Evening walk");
    press("confirm");
    EXPECT_FALSE(isOpen());
    EXPECT_EQ(rig.plannedBreaks.breaks().size(), 1);
}

TEST_F(PlannedBreakSheetTest, ANamePastedByTheMegabyteIsCutTo200AndTheStoreKeeps80)
{
    openAdd();
    QGuiApplication::clipboard()->setText(QString(1024 * 1024, QLatin1Char('x')));
    auto *name = part<QLineEdit>("name");
    name->setFocus();
    QTest::keyClick(name, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(name->text().size(), PlannedBreakNameField::maximumCharacters);
    QTest::keyClicks(name, "yz");
    EXPECT_EQ(name->text().size(), PlannedBreakNameField::maximumCharacters);
    press("confirm");
    ASSERT_EQ(rig.plannedBreaks.breaks().size(), 1);
    EXPECT_EQ(rig.plannedBreaks.breaks().first().name, QString(80, QLatin1Char('x')));
    QGuiApplication::clipboard()->clear();
}

TEST_F(PlannedBreakSheetTest, OnTheDayTheClocksSkipAnHourATimeInItKeepsItsHour)
{
    const ScopedTimeZone newYork("America/New_York");
    // 01:00 on the morning the clocks go from 02:00 straight to 03:00.
    rig.clock.setNow(QDateTime(QDate(2025, 3, 9), QTime(1, 0)));
    PlannedBreak early = stored("Early stretch", {false, false, false, false, false, false, true}, 300, true);
    early.hour = 2;
    early.minute = 30;
    openEdit(early);
    auto *time = part<WallClockTimeEdit>("time");
    EXPECT_EQ(time->time(), QTime(2, 30));
    time->setFocus();
    time->setSelectedSection(QDateTimeEdit::MinuteSection);
    QTest::keyClicks(time, "45");
    press("confirm");
    EXPECT_EQ(rig.plannedBreaks.breaks().first().hour, 2);
    EXPECT_EQ(rig.plannedBreaks.breaks().first().minute, 45);

    // The working-hours pickers read and write the same way.
    rig.store.setObject("officeHoursSchedule",
                        QVariantList{QVariantMap{{"enabled", true}, {"startHour", 2}, {"startMin", 30}}});
    BreaksPaneRig::pane(*view)->setSubpage(ScreenBreaksSubpage::officeHours);
    BreaksPaneRig::settle();
    auto *start = view->findChild<WallClockTimeEdit *>("officeHoursSchedule.0.start");
    EXPECT_EQ(start->time(), QTime(2, 30));
    start->setFocus();
    start->setSelectedSection(QDateTimeEdit::MinuteSection);
    QTest::keyClicks(start, "45");
    EXPECT_EQ(view->findChild<OfficeHoursDayRow *>()->day().startHour, 2);
    EXPECT_EQ(view->findChild<OfficeHoursDayRow *>()->day().startMinute, 45);
}

TEST_F(PlannedBreakSheetTest, TheSheetGoesAndComesBackWithTheWindowEditsKept)
{
    openAdd();
    part<QLineEdit>("name")->setText("Walk");
    view->hide();
    BreaksPaneRig::settle();
    ASSERT_NE(sheet, nullptr);
    EXPECT_FALSE(sheet->isVisible());
    view->show();
    BreaksPaneRig::settle();
    EXPECT_TRUE(isOpen());
    EXPECT_EQ(part<QLineEdit>("name")->text(), "Walk");
}
