#include "settings_ui/components/FadeIn.h"
#include "settings_ui/components/Motion.h"
#include "settings_ui/components/ToggleSwitch.h"
#include "settings_ui/components/ValueComboBox.h"
#include "settings_ui/panes/behavior/ReminderSensitivity.h"
#include "settings_ui/panes/behavior/SensitivityCard.h"
#include "settings_ui/panes/behavior/SensitivityDetailCard.h"
#include "settings_ui/panes/behavior/SmartPauseDetailView.h"
#include "support/PickerChoice.h"
#include "support/SettingsPaneFixture.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class SmartPauseDetailViewTest : public SettingsPaneFixture
{
protected:
    std::unique_ptr<SmartPauseDetailView> openPane(int width = 620)
    {
        return shown(std::make_unique<SmartPauseDetailView>(rig.services()), {width, 1100});
    }

    static ValueComboBox *picker(QWidget *pane, const QString &key) { return find<ValueComboBox>(pane, key); }

    static QStringList entries(ValueComboBox *picker)
    {
        QStringList labels;
        for (int index = 0; index < picker->count(); ++index)
            labels.append(picker->itemText(index));
        return labels;
    }

    static QString selectedCard(QWidget *pane)
    {
        QStringList selected;
        for (const SensitivityCard *card : pane->findChildren<SensitivityCard *>())
            if (card->isSelected())
                selected.append(card->text());
        return selected.join(QLatin1Char(','));
    }

    static void click(QWidget *pane, ReminderSensitivity mode)
    {
        QTest::mouseClick(find<SensitivityCard>(pane, "reminderSensitivity." + reminderSensitivityRawValue(mode)),
                          Qt::LeftButton);
    }
};

} // namespace

TEST(SmartPauseChoicesTest, TheResetMenuOffersCandidatesFromTheTimeoutAndTheCurrentThreshold)
{
    struct Case
    {
        qint64 idleMinutes;
        qint64 threshold;
        QList<qint64> options;
    };
    const Case cases[] = {
        {2, 10, {5, 10, 15, 30, 60}},
        {15, 20, {15, 20, 30, 60}},
        {30, 30, {30, 60}},
        {2, 20, {5, 10, 15, 20, 30, 60}},
        {3, 10, {5, 10, 15, 30, 60}},
        {2, 30, {5, 10, 15, 30, 60}},
        {60, 60, {60}},
        // A hand-edited timeout beyond every candidate leaves the threshold alone on offer.
        {90, 90, {90}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.idleMinutes);
        EXPECT_EQ(SmartPauseDetailView::resetThresholdOptions(c.idleMinutes, c.threshold), c.options);
    }
}

TEST(SmartPauseChoicesTest, AStoredSensitivityReadsAsTheBreakTimerActsOnIt)
{
    const std::pair<QString, ReminderSensitivity> cases[] = {
        {"Gentle", ReminderSensitivity::gentle},   {"Normal", ReminderSensitivity::normal},
        {"Persistent", ReminderSensitivity::persistent}, {"normal", ReminderSensitivity::gentle},
        {"PERSISTENT", ReminderSensitivity::gentle}, {" Normal", ReminderSensitivity::gentle},
        {"", ReminderSensitivity::gentle},         {"Hardcore", ReminderSensitivity::gentle},
    };
    for (const auto &[stored, read] : cases) {
        SCOPED_TRACE(stored.toStdString());
        EXPECT_EQ(reminderSensitivityFromStored(stored), read);
        EXPECT_EQ(reminderSensitivityFromRawValue(stored).has_value(), reminderSensitivityRawValue(read) == stored);
    }
}

TEST_F(SmartPauseDetailViewTest, TheRegisteredDefaultsOpenAsStoredAndOpeningWritesNothing)
{
    const QByteArray before = rig.settingsFile();
    const auto pane = openPane();
    EXPECT_TRUE(pane->idleRows()->isVisible());
    EXPECT_TRUE(find<ToggleSwitch>(pane.get(), "idleDetectionEnabled")->isChecked());
    EXPECT_EQ(picker(pane.get(), "idleTimeoutMinutes")->currentText(), "2 min");
    EXPECT_EQ(entries(picker(pane.get(), "idleTimeoutMinutes")),
              QStringList({"2 min", "5 min", "10 min", "15 min", "30 min"}));
    EXPECT_EQ(entries(picker(pane.get(), "idleResetThresholdMinutes")),
              QStringList({"5 min", "10 min", "15 min", "30 min", "60 min"}));
    EXPECT_EQ(picker(pane.get(), "idleResetThresholdMinutes")->currentText(), "10 min");
    EXPECT_EQ(selectedCard(pane.get()), "Gentle");
    EXPECT_EQ(pane->detailCard()->explanation(), "Waits until keyboard and pointer are both idle.");
    EXPECT_TRUE(pane->detailCard()->waitPart()->isVisible());
    EXPECT_EQ(picker(pane.get(), "gentleDelaySeconds")->currentText(), "5 sec");
    EXPECT_EQ(picker(pane.get(), "gentleDelaySeconds")->accessibleName(), "Wait after activity stops");
    EXPECT_EQ(picker(pane.get(), "idleResetThresholdMinutes")->accessibleName(), "Full timer reset after");
    EXPECT_EQ(find<ToggleSwitch>(pane.get(), "idleDetectionEnabled")->accessibleName(), "Pause when idle");
    EXPECT_EQ(rig.settingsFile(), before);
}

TEST_F(SmartPauseDetailViewTest, RaisingTheTimeoutRaisesTheThresholdAndLoweringItLeavesItBe)
{
    const auto pane = openPane();
    ValueComboBox *timeout = picker(pane.get(), "idleTimeoutMinutes");
    ValueComboBox *reset = picker(pane.get(), "idleResetThresholdMinutes");
    struct Step
    {
        ValueComboBox *picker;
        const char *choice;
        qint64 storedTimeout;
        qint64 storedThreshold;
        QStringList offered;
    };
    const Step steps[] = {
        {timeout, "30 min", 30, 30, {"30 min", "60 min"}},
        {timeout, "2 min", 2, 30, {"5 min", "10 min", "15 min", "30 min", "60 min"}},
        {reset, "15 min", 2, 15, {"5 min", "10 min", "15 min", "30 min", "60 min"}},
        {timeout, "15 min", 15, 15, {"15 min", "30 min", "60 min"}},
        {timeout, "10 min", 10, 15, {"10 min", "15 min", "30 min", "60 min"}},
    };
    for (const Step &step : steps) {
        SCOPED_TRACE(step.choice);
        choose(step.picker, QLatin1String(step.choice));
        const QJsonObject stored = storedJson();
        EXPECT_EQ(stored.value("idleTimeoutMinutes").toInteger(), step.storedTimeout);
        EXPECT_EQ(stored.value("idleResetThresholdMinutes").toInteger(), step.storedThreshold);
        EXPECT_EQ(entries(reset), step.offered);
        EXPECT_EQ(reset->currentText(), QString::number(step.storedThreshold) + " min");
    }
}

TEST_F(SmartPauseDetailViewTest, StoredMinutesNoEntryOffersAreShownAsTheyAre)
{
    struct Case
    {
        const char *name;
        qint64 timeout;
        qint64 threshold;
        QString shownTimeout;
        QString shownThreshold;
        QStringList offered;
        qint64 storedThreshold; // once on screen
    };
    const Case cases[] = {
        {"a threshold between the candidates", 2, 20, "2 min", "20 min",
         {"5 min", "10 min", "15 min", "20 min", "30 min", "60 min"}, 20},
        {"a threshold below the timeout is raised to it", 15, 5, "15 min", "15 min",
         {"15 min", "30 min", "60 min"}, 15},
        {"a timeout no entry offers selects none", 3, 10, "", "10 min",
         {"5 min", "10 min", "15 min", "30 min", "60 min"}, 10},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        SettingsWindowRig own;
        own.settings.setIdleTimeoutMinutes(c.timeout);
        own.settings.setIdleResetThresholdMinutes(c.threshold);
        const QByteArray before = own.settingsFile();
        SmartPauseDetailView pane(own.services());
        EXPECT_EQ(own.settings.idleResetThresholdMinutes(), c.threshold) << "nothing is written off screen";
        pane.show();
        EXPECT_EQ(picker(&pane, "idleTimeoutMinutes")->currentText(), c.shownTimeout);
        EXPECT_EQ(picker(&pane, "idleResetThresholdMinutes")->currentText(), c.shownThreshold);
        EXPECT_EQ(entries(picker(&pane, "idleResetThresholdMinutes")), c.offered);
        const QJsonObject stored = QJsonDocument::fromJson(own.settingsFile()).object();
        EXPECT_EQ(stored.value("idleTimeoutMinutes").toInteger(), c.timeout);
        EXPECT_EQ(stored.value("idleResetThresholdMinutes").toInteger(), c.storedThreshold);
        if (c.storedThreshold == c.threshold) {
            EXPECT_EQ(own.settingsFile(), before);
        }
        // Shown again, the pane has nothing more to write.
        const QByteArray shown = own.settingsFile();
        pane.hide();
        pane.show();
        EXPECT_EQ(own.settingsFile(), shown);
    }
}

TEST_F(SmartPauseDetailViewTest, EachSensitivityCardWritesItsOwnTextOnce)
{
    rig.settings.setGentleDelaySeconds(10);
    const auto pane = openPane();
    QSignalSpy changes(&rig.settings, &AppSettings::reminderSensitivityChanged);
    struct Step
    {
        ReminderSensitivity click;
        const char *stored;
        const char *wait; // null: no divider and no wait row
        int changes;
        bool written;
    };
    const Step steps[] = {
        {ReminderSensitivity::persistent, "Persistent", nullptr, 1, true},
        {ReminderSensitivity::normal, "Normal", "10 sec", 2, true},
        {ReminderSensitivity::normal, "Normal", "10 sec", 2, false}, // the selected card
        {ReminderSensitivity::gentle, "Gentle", "10 sec", 3, true},
    };
    for (const Step &step : steps) {
        SCOPED_TRACE(step.stored);
        const QByteArray before = rig.settingsFile();
        click(pane.get(), step.click);
        EXPECT_EQ(rig.settingsFile() != before, step.written);
        EXPECT_EQ(storedJson().value("reminderSensitivity").toString(), step.stored);
        EXPECT_EQ(selectedCard(pane.get()), step.stored);
        EXPECT_EQ(pane->detailCard()->waitPart()->isVisible(), step.wait != nullptr);
        if (step.wait) {
            EXPECT_EQ(picker(pane.get(), "gentleDelaySeconds")->currentText(), step.wait);
        }
        EXPECT_EQ(changes.count(), step.changes);
    }
    choose(picker(pane.get(), "gentleDelaySeconds"), "30 sec");
    EXPECT_EQ(storedJson().value("gentleDelaySeconds").toInteger(), 30);
}

TEST_F(SmartPauseDetailViewTest, AnUnknownStoredSensitivityShowsGentleAndStaysUntilAnotherCardIsChosen)
{
    rig.settings.setReminderSensitivity("Eager");
    const auto pane = openPane();
    EXPECT_EQ(selectedCard(pane.get()), "Gentle");
    click(pane.get(), ReminderSensitivity::gentle);
    EXPECT_EQ(storedJson().value("reminderSensitivity").toString(), "Eager");
    click(pane.get(), ReminderSensitivity::normal);
    EXPECT_EQ(storedJson().value("reminderSensitivity").toString(), "Normal");
}

TEST_F(SmartPauseDetailViewTest, IdleDetectionOffHidesBothRowsAndKeepsTheMinutes)
{
    rig.settings.setIdleTimeoutMinutes(5);
    rig.settings.setIdleResetThresholdMinutes(30);
    const auto pane = openPane();
    auto *idle = find<ToggleSwitch>(pane.get(), "idleDetectionEnabled");
    QTest::mouseClick(idle, Qt::LeftButton);
    EXPECT_FALSE(pane->idleRows()->isVisible());
    QJsonObject stored = storedJson();
    EXPECT_FALSE(stored.value("idleDetectionEnabled").toBool(true));
    EXPECT_EQ(stored.value("idleTimeoutMinutes").toInteger(), 5);
    EXPECT_EQ(stored.value("idleResetThresholdMinutes").toInteger(), 30);
    QTest::mouseClick(idle, Qt::LeftButton);
    EXPECT_TRUE(pane->idleRows()->isVisible());
    EXPECT_TRUE(storedJson().value("idleDetectionEnabled").toBool());
    EXPECT_EQ(picker(pane.get(), "idleTimeoutMinutes")->currentText(), "5 min");
    EXPECT_EQ(picker(pane.get(), "idleResetThresholdMinutes")->currentText(), "30 min");
}

TEST_F(SmartPauseDetailViewTest, ANarrowPaneWrapsTheExplanationAndSharesTheRowBetweenTheCards)
{
    const int narrowest = SmartPauseDetailView(rig.services()).minimumSizeHint().width();
    for (const int width : {620, narrowest}) {
        SCOPED_TRACE(width);
        const auto pane = openPane(width);
        pane->setFixedWidth(width);
        QCoreApplication::processEvents();
        auto *explanation = find<QLabel>(pane.get(), "sensitivityExplanation");
        EXPECT_TRUE(explanation->wordWrap());
        EXPECT_GE(explanation->height(), explanation->heightForWidth(explanation->width()));
        const auto cards = pane->findChildren<SensitivityCard *>();
        ASSERT_EQ(cards.size(), 3);
        for (const SensitivityCard *card : cards)
            EXPECT_LE(std::abs(card->width() - cards[0]->width()), 1);
    }
}

TEST_F(SmartPauseDetailViewTest, NothingMovesOnceAChangeSettlesOrThePaneHides)
{
    Motion::setJumpToEnd(false);
    const auto pane = openPane();
    const auto running = [&] { return runningAnimations(pane.get()); };
    EXPECT_EQ(running(), 0);
    click(pane.get(), ReminderSensitivity::persistent);
    click(pane.get(), ReminderSensitivity::normal);
    EXPECT_GT(running(), 0);
    EXPECT_TRUE(FadeIn::isFading(pane->detailCard()->waitPart()));
    QTRY_COMPARE_WITH_TIMEOUT(running(), 0, 2000);
    EXPECT_FALSE(FadeIn::isFading(pane->detailCard()->waitPart()));

    auto *idle = find<ToggleSwitch>(pane.get(), "idleDetectionEnabled");
    QTest::mouseClick(idle, Qt::LeftButton);
    QTest::mouseClick(idle, Qt::LeftButton);
    click(pane.get(), ReminderSensitivity::gentle);
    EXPECT_TRUE(FadeIn::isFading(pane->idleRows()));
    pane->hide();
    EXPECT_EQ(running(), 0);
    EXPECT_FALSE(FadeIn::isFading(pane->idleRows()));
}
