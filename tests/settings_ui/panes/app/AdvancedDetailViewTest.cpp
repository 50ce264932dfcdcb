#include "settings_ui/components/BreaksSettingRow.h"
#include "settings_ui/components/SchemeLabel.h"
#include "settings_ui/components/ToggleSwitch.h"
#include "settings_ui/panes/app/AdvancedDetailView.h"
#include "settings_ui/panes/app/BatteryThresholdSlider.h"
#include "settings_ui/panes/app/IconRowButton.h"
#include "support/BreakScreenRig.h"
#include "support/SettingsPaneFixture.h"

#include <QAccessible>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class AdvancedDetailViewTest : public SettingsPaneFixture
{
protected:
    std::unique_ptr<AdvancedDetailView> openPane()
    {
        ContentServices services = rig.services();
        services.factoryReset = [this] { return reset(); };
        return shown(std::make_unique<AdvancedDetailView>(services), {620, 900});
    }

    // What the user reads about the battery: the row's title, the value beside the slider
    // and where the slider stands ("-" for a row not shown).
    static QString batteryShown(AdvancedDetailView &pane)
    {
        const auto *slider = pane.findChild<BatteryThresholdSlider *>("batteryThreshold");
        const QString row = slider->isVisibleTo(&pane)
            ? pane.findChild<QLabel *>("batteryThreshold.value")->text() + " at "
                  + QString::number(BatteryThresholdSlider::percentAt(slider->value()))
            : QStringLiteral("-");
        const auto *title = pane.findChild<BreaksSettingRow *>("autoSkipBatteryLow.row")->titleLabel();
        return title->text() + " / " + row;
    }

    static QMessageBox *askToReset(AdvancedDetailView &pane)
    {
        QTest::mouseClick(pane.findChild<IconRowButton *>("factoryReset"), Qt::LeftButton);
        return pane.resetConfirmation();
    }

    static QAbstractButton *button(QMessageBox &box, const QString &text)
    {
        for (QAbstractButton *candidate : box.buttons()) {
            if (candidate->text() == text)
                return candidate;
        }
        return nullptr;
    }

    // "-" while the error row is hidden.
    static QString errorShown(AdvancedDetailView &pane)
    {
        auto *row = pane.findChild<QWidget *>("factoryReset.error");
        return row->isVisibleTo(&pane) ? row->findChild<QLabel *>()->text() : QStringLiteral("-");
    }

    QJsonObject stored() { return QJsonDocument::fromJson(rig.settingsFile()).object(); }

    std::function<std::optional<ResetError>()> reset = [] { return std::nullopt; };
};

} // namespace

TEST_F(AdvancedDetailViewTest, OpeningWritesNothingAndShowsAThresholdOffTheGridAsStored)
{
    const std::pair<qint64, const char *> cases[] = {
        {15, "Battery below 15% / 15% at 15"},
        {17, "Battery below 17% / 17% at 15"},
        {80, "Battery below 80% / 80% at 50"},
    };
    rig.settings.setAutoSkipBatteryLow(true);
    for (const auto &[threshold, shown] : cases) {
        SCOPED_TRACE(threshold);
        rig.settings.setBatteryThreshold(threshold);
        const QByteArray before = rig.settingsFile();
        {
            const auto pane = openPane();
            QCoreApplication::processEvents();
            EXPECT_EQ(batteryShown(*pane), shown);
            // Screen readers hear the stored number too.
            QAccessibleInterface *slider =
                QAccessible::queryAccessibleInterface(pane->findChild<BatteryThresholdSlider *>("batteryThreshold"));
            EXPECT_EQ(slider->text(QAccessible::Value), QString::number(threshold) + " percent");
        }
        BreakScreenRig::flushDeletions();
        EXPECT_EQ(rig.settingsFile(), before);
    }
}

TEST_F(AdvancedDetailViewTest, TheSliderEndsWriteFiveAndFiftyAndTheSwitchKeepsTheValue)
{
    const auto pane = openPane();
    auto *slider = pane->findChild<BatteryThresholdSlider *>("batteryThreshold");
    auto *battery = pane->findChild<ToggleSwitch *>("autoSkipBatteryLow");
    struct Step
    {
        const char *what;
        std::function<void()> act;
        QString shown;
        qint64 threshold;
        bool on;
    };
    const Step steps[] = {
        {"opened", [] {}, "Battery below 15% / -", 15, false},
        {"switched on", [&] { QTest::mouseClick(battery, Qt::LeftButton); }, "Battery below 15% / 15% at 15", 15, true},
        {"lowest", [&] { slider->setValue(slider->minimum()); }, "Battery below 5% / 5% at 5", 5, true},
        {"highest", [&] { slider->setValue(slider->maximum()); }, "Battery below 50% / 50% at 50", 50, true},
        {"switched off", [&] { QTest::mouseClick(battery, Qt::LeftButton); }, "Battery below 50% / -", 50, false},
        {"on again", [&] { QTest::mouseClick(battery, Qt::LeftButton); }, "Battery below 50% / 50% at 50", 50, true},
    };
    for (const Step &step : steps) {
        SCOPED_TRACE(step.what);
        step.act();
        EXPECT_EQ(batteryShown(*pane), step.shown);
        EXPECT_EQ(stored().value("batteryThreshold").toInteger(15), step.threshold);
        EXPECT_EQ(stored().value("autoSkipBatteryLow").toBool(), step.on);
    }
    EXPECT_EQ(battery->accessibleName(), "Battery below 50%");

    QTest::mouseClick(pane->findChild<ToggleSwitch *>("autoSkipDisplayDisconnected"), Qt::LeftButton);
    QTest::mouseClick(pane->findChild<ToggleSwitch *>("endBreakEarly"), Qt::LeftButton);
    EXPECT_TRUE(stored().value("autoSkipDisplayDisconnected").toBool());
    EXPECT_FALSE(stored().value("endBreakEarly").toBool(true));
}

TEST_F(AdvancedDetailViewTest, CancelOrEscapeInTheQuestionResetsNothingAndWritesNothing)
{
    int resets = 0;
    reset = [&] {
        ++resets;
        return std::nullopt;
    };
    const auto pane = openPane();
    const QByteArray before = rig.settingsFile();
    for (const bool escape : {false, true}) {
        SCOPED_TRACE(escape);
        QMessageBox *box = askToReset(*pane);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), "Reset Lumenpause?");
        EXPECT_EQ(static_cast<QAbstractButton *>(box->defaultButton()), button(*box, "Cancel"));
        EXPECT_EQ(box->escapeButton(), button(*box, "Cancel"));
        if (escape)
            QTest::keyClick(box, Qt::Key_Escape);
        else
            button(*box, "Cancel")->click();
        QCoreApplication::processEvents();
        BreakScreenRig::flushDeletions();
        EXPECT_EQ(pane->resetConfirmation(), nullptr);
    }
    EXPECT_EQ(resets, 0);
    EXPECT_EQ(rig.settingsFile(), before);
}

TEST_F(AdvancedDetailViewTest, AFailedResetSaysWhyAndASecondAttemptHidesTheReasonAtOnce)
{
    const QStringList reasons = {"cannot remove /data/lumenpause_stats.json: Operation not permitted",
                                 "The app bundle identifier is unavailable."};
    // What the pane shows while each reset runs.
    QStringList during;
    AdvancedDetailView *shown = nullptr;
    reset = [&]() -> std::optional<ResetError> {
        auto *button = shown->findChild<IconRowButton *>("factoryReset");
        during << button->title() + (button->isEnabled() ? " enabled" : " disabled") + " / " + errorShown(*shown);
        return ResetError(ResetError::Kind::fileRemoval, reasons.at(during.size() - 1));
    };
    const auto pane = openPane();
    shown = pane.get();
    auto *resetButton = pane->findChild<IconRowButton *>("factoryReset");
    EXPECT_EQ(resetButton->title(), "Reset Lumenpause");
    EXPECT_EQ(resetButton->subtitle(), "Deletes app data on this computer");
    EXPECT_EQ(errorShown(*pane), "-");

    for (const QString &reason : reasons) {
        SCOPED_TRACE(reason.toStdString());
        QMessageBox *box = askToReset(*pane);
        ASSERT_NE(box, nullptr);
        button(*box, "Reset and Quit")->click();
        QCoreApplication::processEvents();
        EXPECT_EQ(during.constLast(), "Resetting... disabled / -");
        EXPECT_EQ(errorShown(*pane), "Reset failed: " + reason);
        EXPECT_TRUE(resetButton->isEnabled());
        EXPECT_EQ(resetButton->title(), "Reset Lumenpause");
        EXPECT_FALSE(pane->isResetting());
    }
    EXPECT_EQ(during.size(), 2);
    // The reason may be copied; it is never read as markup.
    auto *text = pane->findChild<QWidget *>("factoryReset.error")->findChild<QLabel *>();
    EXPECT_TRUE(text->textInteractionFlags() & Qt::TextSelectableByMouse);
    EXPECT_EQ(text->textFormat(), Qt::PlainText);
}
