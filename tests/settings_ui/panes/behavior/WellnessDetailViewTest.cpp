#include "settings_ui/components/ToggleSwitch.h"
#include "settings_ui/components/ValueComboBox.h"
#include "settings_ui/panes/behavior/WellnessCard.h"
#include "settings_ui/panes/behavior/WellnessDetailView.h"
#include "settings_ui/window/ContentView.h"
#include "settings_ui/window/DetailView.h"
#include "settings_ui/window/SettingsSidebar.h"
#include "settings_ui/window/SidebarButtonView.h"
#include "support/BreakScreenRig.h"
#include "support/PickerChoice.h"
#include "support/SettingsPaneFixture.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

class WellnessDetailViewTest : public SettingsPaneFixture
{
protected:
    std::unique_ptr<WellnessDetailView> openPane()
    {
        return shown(std::make_unique<WellnessDetailView>(rig.services()), {620, 900});
    }

    // The card whose switch writes `key`.
    static WellnessCard *card(QWidget *pane, const QString &key)
    {
        for (WellnessCard *card : pane->findChildren<WellnessCard *>())
            if (card->enabledSwitch()->objectName() == key)
                return card;
        ADD_FAILURE() << key.toStdString();
        return nullptr;
    }

    // The wellness scheduler and the typing engine keep their settings in the break timer's
    // store.
    QVariant stored(const QString &key) const { return rig.timer.store.object(key); }
};

} // namespace

TEST_F(WellnessDetailViewTest, TheRegisteredDefaultsOpenWithoutTheBannerAndWriteNothing)
{
    const QByteArray before = rig.settingsFile();
    const int writes = rig.timer.store.writeCount();
    const auto pane = openPane();
    EXPECT_FALSE(pane->banner()->isVisible());
    struct Expected
    {
        const char *key;
        bool open;
        const char *picker;
        const char *interval;
    };
    const Expected cards[] = {
        {"postureEnabled", true, "postureIntervalMinutes", "20 min"},
        {"typingHealthEnabled", true, "typingThresholdMinutes", "5 min"},
        {"blinkEnabled", false, "blinkIntervalMinutes", "5 min"},
    };
    for (const Expected &expected : cards) {
        SCOPED_TRACE(expected.key);
        WellnessCard *shown = card(pane.get(), expected.key);
        EXPECT_EQ(shown->enabledSwitch()->isChecked(), expected.open);
        EXPECT_EQ(shown->showsBody(), expected.open);
        EXPECT_EQ(find<ValueComboBox>(pane.get(), expected.picker)->currentText(), expected.interval);
    }
    EXPECT_EQ(find<ToggleSwitch>(pane.get(), "typingHealthEnabled")->accessibleName(), "Wrist & hand reminders");
    EXPECT_EQ(find<ValueComboBox>(pane.get(), "blinkIntervalMinutes")->accessibleName(), "Reminder every");
    EXPECT_EQ(find<ValueComboBox>(pane.get(), "blinkIntervalMinutes")->accessibleDescription(), "Blink reminders");
    EXPECT_EQ(rig.settingsFile(), before);
    EXPECT_EQ(rig.timer.store.writeCount(), writes);
}

TEST_F(WellnessDetailViewTest, TheBannerFollowsNotificationsWhenThePaneShowsAgain)
{
    rig.settings.setNotificationsEnabled(false);
    ContentView view(rig.services());
    view.resize(880, 820);
    view.show();
    const auto open = [&](SidebarSection section) {
        QTest::mouseClick(view.sidebar()->row(section), Qt::LeftButton);
        BreakScreenRig::flushDeletions();
        return view.detail()->pane();
    };
    QWidget *pane = open(SidebarSection::wellness);
    QWidget *banner = find<QWidget>(pane, "notificationsBanner");
    ASSERT_TRUE(banner->isVisible());
    // Between the header and the posture card.
    const QWidget *posture = card(pane, "postureEnabled");
    EXPECT_GT(banner->y(), pane->findChildren<QWidget *>(Qt::FindDirectChildrenOnly).first()->geometry().bottom());
    EXPECT_LT(banner->geometry().bottom(), posture->y());

    // Turned on in the Notifications pane, and back.
    QTest::mouseClick(find<ToggleSwitch>(open(SidebarSection::notifications), "notificationsEnabled"),
                      Qt::LeftButton);
    EXPECT_FALSE(find<QWidget>(open(SidebarSection::wellness), "notificationsBanner")->isVisible());

    // Turned off while the window was closed: shown again, the pane says so.
    view.hide();
    rig.settings.setNotificationsEnabled(false);
    view.show();
    EXPECT_TRUE(find<QWidget>(view.detail()->pane(), "notificationsBanner")->isVisible());
}

TEST_F(WellnessDetailViewTest, CardsKeepTheirIntervalAndOnlyAnotherEntryIsWritten)
{
    rig.timer.wellness.setBlinkEnabled(true);
    const auto pane = openPane();
    auto *posture = find<ValueComboBox>(pane.get(), "postureIntervalMinutes");
    auto *wrist = find<ValueComboBox>(pane.get(), "typingThresholdMinutes");
    auto *blink = find<ValueComboBox>(pane.get(), "blinkIntervalMinutes");
    struct Step
    {
        const char *what;
        std::function<void()> act;
        const char *key;
        QVariant value;
        int writes; // to the store
    };
    const Step steps[] = {
        {"posture off", [&] { QTest::mouseClick(find<ToggleSwitch>(pane.get(), "postureEnabled"), Qt::LeftButton); },
         "postureEnabled", false, 1},
        {"posture on", [&] { QTest::mouseClick(find<ToggleSwitch>(pane.get(), "postureEnabled"), Qt::LeftButton); },
         "postureEnabled", true, 1},
        {"the posture entry already chosen", [&] { choose(posture, "20 min"); }, "postureIntervalMinutes", QVariant(),
         0},
        {"another posture entry", [&] { choose(posture, "45 min"); }, "postureIntervalMinutes", qint64(45), 1},
        {"the blink entry already chosen", [&] { choose(blink, "5 min"); }, "blinkIntervalMinutes", QVariant(), 0},
        {"another blink entry", [&] { choose(blink, "8 min"); }, "blinkIntervalMinutes", qint64(8), 1},
        // The wrist menu writes on every choice; the engine clears the load only on a change.
        {"the wrist entry already chosen", [&] { choose(wrist, "5 min"); }, "typingThresholdMinutes", qint64(5), 1},
        {"another wrist entry", [&] { choose(wrist, "15 min"); }, "typingThresholdMinutes", qint64(15), 1},
    };
    for (const Step &step : steps) {
        SCOPED_TRACE(step.what);
        const int before = rig.timer.store.writeCount();
        step.act();
        EXPECT_EQ(rig.timer.store.writeCount() - before, step.writes);
        if (step.value.isValid()) {
            EXPECT_EQ(stored(step.key), step.value);
        }
    }
    EXPECT_TRUE(card(pane.get(), "postureEnabled")->showsBody());
    EXPECT_EQ(posture->currentText(), "45 min");

    // Switched off and on elsewhere, the card follows and shows the same interval.
    rig.timer.typing.setEnabled(false);
    EXPECT_FALSE(card(pane.get(), "typingHealthEnabled")->showsBody());
    rig.timer.typing.setEnabled(true);
    EXPECT_TRUE(card(pane.get(), "typingHealthEnabled")->showsBody());
    EXPECT_EQ(wrist->currentText(), "15 min");
}

TEST_F(WellnessDetailViewTest, AStoredIntervalNoEntryOffersStaysUntilOneIsChosen)
{
    rig.timer.wellness.setPostureIntervalMinutes(25);
    const int writes = rig.timer.store.writeCount();
    const auto pane = openPane();
    auto *posture = find<ValueComboBox>(pane.get(), "postureIntervalMinutes");
    EXPECT_EQ(posture->currentIndex(), -1);
    EXPECT_EQ(rig.timer.store.writeCount(), writes);
    EXPECT_EQ(stored("postureIntervalMinutes"), QVariant(qint64(25)));
    choose(posture, "20 min");
    EXPECT_EQ(stored("postureIntervalMinutes"), QVariant(qint64(20)));
}
