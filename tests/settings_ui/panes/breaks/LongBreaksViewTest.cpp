#include "settings_ui/components/ToggleSwitch.h"
#include "settings_ui/components/ValueComboBox.h"
#include "settings_ui/panes/breaks/LongBreakResumeRow.h"
#include "settings_ui/panes/breaks/LongBreaksView.h"
#include "settings_ui/panes/breaks/ScreenBreaksDetailView.h"
#include "support/BreaksPaneFixture.h"
#include "support/PickerChoice.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class LongBreaksViewTest : public BreaksPaneFixture
{
protected:
    void openPage() { openSubpage(ScreenBreaksSubpage::longBreaks); }

    QStringList selectedRows()
    {
        QStringList selected;
        for (const LongBreakResumeRow *row : view->findChildren<LongBreakResumeRow *>()) {
            if (row->isSelected())
                selected.append(row->value());
        }
        return selected;
    }
};

} // namespace

TEST_F(LongBreaksViewTest, OpeningWritesNothingAndAValueOfNoOptionShowsNone)
{
    rig.settings.setLongBreakDuration(180);
    rig.settings.setLongBreakResume("later");
    const QByteArray before = rig.settingsFile();
    openPage();
    EXPECT_EQ(control<ValueComboBox>("longBreakDuration")->currentIndex(), -1);
    EXPECT_EQ(control<ValueComboBox>("longBreakFrequency")->currentText(), "3 short breaks");
    EXPECT_TRUE(selectedRows().isEmpty());
    EXPECT_EQ(rig.settingsFile(), before);
}

TEST_F(LongBreaksViewTest, PickersStoreAtOnceAndTheSwitchHidesTheRestWithoutChangingIt)
{
    rig.settings.setLongBreakResume("confirm");
    openPage();
    choose(control<ValueComboBox>("longBreakFrequency"), "4 short breaks");
    choose(control<ValueComboBox>("longBreakDuration"), "15 min");
    EXPECT_EQ(rig.storedSettings()["longBreakFrequency"].toInteger(), 4);
    EXPECT_EQ(rig.storedSettings()["longBreakDuration"].toInteger(), 900);

    auto *toggle = control<ToggleSwitch>("longBreaksEnabled");
    QTest::mouseClick(toggle, Qt::LeftButton);
    EXPECT_FALSE(rig.storedSettings()["longBreaksEnabled"].toBool());
    EXPECT_FALSE(control<ValueComboBox>("longBreakFrequency")->isVisible());
    EXPECT_FALSE(control<LongBreakResumeRow>("longBreakResume:auto")->isVisible());

    QTest::mouseClick(toggle, Qt::LeftButton);
    EXPECT_TRUE(rig.storedSettings()["longBreaksEnabled"].toBool());
    EXPECT_TRUE(control<ValueComboBox>("longBreakFrequency")->isVisible());
    EXPECT_EQ(control<ValueComboBox>("longBreakFrequency")->currentText(), "4 short breaks");
    EXPECT_EQ(control<ValueComboBox>("longBreakDuration")->currentText(), "15 min");
    EXPECT_EQ(selectedRows(), QStringList{"confirm"});
    EXPECT_EQ(rig.settings.longBreakResume(), "confirm");
}

TEST_F(LongBreaksViewTest, ResumeRowsActAsRadioButtons)
{
    openPage();
    EXPECT_EQ(selectedRows(), QStringList{"auto"});
    QSignalSpy changes(&rig.settings, &AppSettings::longBreakResumeChanged);

    QTest::mouseClick(control<LongBreakResumeRow>("longBreakResume:activity"), Qt::LeftButton);
    EXPECT_EQ(rig.storedSettings()["longBreakResume"].toString(), "activity");
    EXPECT_EQ(selectedRows(), QStringList{"activity"});
    EXPECT_EQ(changes.size(), 1);

    const QByteArray before = rig.settingsFile();
    QTest::mouseClick(control<LongBreakResumeRow>("longBreakResume:activity"), Qt::LeftButton);
    EXPECT_EQ(changes.size(), 1) << "the row already chosen changes nothing";
    EXPECT_EQ(rig.settingsFile(), before);
}
