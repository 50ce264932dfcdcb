#include "core/AppSettings.h"
#include "core/InMemorySettingsRepository.h"
#include "settings_ui/components/Motion.h"
#include "settings_ui/components/SettingBinding.h"
#include "support/FakeClock.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace {

const QList<ValueComboBox::Option> timerStyles = {{"Rounded", QStringLiteral("rounded")},
                                                   {"Exact", QStringLiteral("exact")}};

// A settings model on a store that counts its writes.
struct BoundSettings
{
    explicit BoundSettings(const QVariantMap &stored)
        : store(stored)
        , settings(store, clock)
        , writesAtStart(store.writeCount())
    {
    }

    int writes() const { return store.writeCount() - writesAtStart; }

    FakeClock clock;
    InMemorySettingsRepository store;
    AppSettings settings;
    int writesAtStart;
};

} // namespace

TEST(SettingBindingTest, APickerOfAValueOfNoOptionShowsNoneAndWritesOnlyWhatTheUserPicks)
{
    BoundSettings model({{"menuBarTimerStyle", "odd"}});
    ValueComboBox picker(timerStyles, 120);
    SettingBinding::bindChoice<QString>(&picker, &model.settings, &AppSettings::menuBarTimerStyle,
                                        &AppSettings::setMenuBarTimerStyle,
                                        &AppSettings::menuBarTimerStyleChanged);
    EXPECT_EQ(picker.currentIndex(), -1);
    EXPECT_FALSE(picker.value().isValid());
    EXPECT_EQ(model.writes(), 0) << "showing the picker writes nothing";

    // The user picks "Exact", then picks it again: both count, as every assignment does.
    for (int pick = 1; pick <= 2; ++pick) {
        picker.setCurrentIndex(1);
        emit picker.activated(1);
        EXPECT_EQ(model.settings.menuBarTimerStyle(), "exact");
        EXPECT_EQ(model.writes(), pick);
    }

    // Changed elsewhere, the picker follows without writing back.
    model.settings.setMenuBarTimerStyle("rounded");
    EXPECT_EQ(picker.currentIndex(), 0);
    model.settings.setMenuBarTimerStyle("neither");
    EXPECT_EQ(picker.currentIndex(), -1);
    EXPECT_EQ(model.writes(), 4);
}

TEST(SettingBindingTest, ASwitchShowsTheSettingWritesOnClickAndFollowsTheModel)
{
    Motion::setJumpToEnd(true);
    BoundSettings model({{"menuBarShowTimer", false}});
    QWidget window;
    auto *toggle = new ToggleSwitch(&window);
    SettingBinding::bindSwitch(toggle, &model.settings, &AppSettings::menuBarShowTimer,
                               &AppSettings::setMenuBarShowTimer,
                               &AppSettings::menuBarShowTimerChanged);
    window.show();
    EXPECT_FALSE(toggle->isChecked());
    EXPECT_EQ(model.writes(), 0);

    QTest::mouseClick(toggle, Qt::LeftButton);
    EXPECT_TRUE(model.settings.menuBarShowTimer());
    EXPECT_EQ(model.writes(), 1);

    // The model changes elsewhere: the knob goes with it, though the switch's signals are
    // blocked while it is set.
    model.settings.setMenuBarShowTimer(false);
    EXPECT_FALSE(toggle->isChecked());
    EXPECT_EQ(toggle->knobPosition(), 0);
    EXPECT_EQ(model.writes(), 2);
    Motion::setJumpToEnd(false);
}

TEST(SettingBindingTest, TheWheelOverAPickerScrollsThePaneAndLeavesTheValue)
{
    QScrollArea pane;
    auto *content = new QWidget;
    auto *layout = new QVBoxLayout(content);
    auto *picker = new ValueComboBox(timerStyles, 120);
    picker->setValue(QStringLiteral("rounded"));
    layout->addWidget(picker);
    layout->addSpacing(3000);
    pane.setWidget(content);
    pane.resize(300, 200);
    pane.show();
    QSignalSpy picks(picker, &ValueComboBox::valueActivated);

    const QPointF inside(10, 10);
    QWheelEvent turn(inside, picker->mapToGlobal(inside), QPoint(), QPoint(0, -120), Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(picker, &turn);
    EXPECT_EQ(picker->value(), "rounded");
    EXPECT_EQ(picks.count(), 0);
    EXPECT_GT(pane.verticalScrollBar()->value(), 0) << "the turn scrolled the pane";
}

TEST(SettingBindingTest, APickerIsAtLeastItsWidthAndWideEnoughForItsLongestLabel)
{
    ValueComboBox narrow({{"Rounded", 1}}, 160);
    EXPECT_EQ(narrow.width(), 160);
    ValueComboBox cut({{"A label far longer than its picker was meant to hold", 1}}, 60);
    EXPECT_GT(cut.width(), cut.fontMetrics().horizontalAdvance(cut.itemText(0)));
}
