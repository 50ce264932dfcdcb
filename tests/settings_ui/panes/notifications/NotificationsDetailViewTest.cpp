#include "core/InMemorySettingsRepository.h"
#include "core/ThemeManager.h"
#include "menubar/AppSoundPlayer.h"
#include "menubar/HUDContentView.h"
#include "settings_ui/components/FadeIn.h"
#include "settings_ui/components/InfoTip.h"
#include "settings_ui/components/Motion.h"
#include "settings_ui/components/RadioOptionRow.h"
#include "settings_ui/components/ToggleSwitch.h"
#include "settings_ui/components/ValueComboBox.h"
#include "settings_ui/components/WindowTheme.h"
#include "settings_ui/panes/calls_media/MeetingsDetailView.h"
#include "settings_ui/panes/notifications/NotificationHUDCards.h"
#include "settings_ui/panes/notifications/NotificationPreview.h"
#include "settings_ui/panes/notifications/NotificationPreviewBox.h"
#include "settings_ui/panes/notifications/NotificationsDetailView.h"
#include "settings_ui/panes/notifications/SymbolButton.h"
#include "settings_ui/panes/notifications/VolumeSlider.h"
#include "support/BreakScreenRig.h"
#include "support/FloatingHUDRig.h"
#include "support/RecordingSoundOutput.h"
#include "support/ReminderQueueRig.h"
#include "support/SettingsPaneFixture.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QGraphicsOpacityEffect>
#include <QJsonObject>
#include <QLabel>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class NotificationsDetailViewTest : public SettingsPaneFixture
{
protected:
    ContentServices services()
    {
        ContentServices services = rig.services();
        services.reminders = reminders.queue;
        services.hud = reminders.hud;
        services.sounds = sounds;
        return services;
    }

    std::unique_ptr<NotificationsDetailView> openPane()
    {
        return shown(std::make_unique<NotificationsDetailView>(services()), {620, 1400});
    }

    static void click(QWidget *widget) { QTest::mouseClick(widget, Qt::LeftButton); }

    // The user picks the option labelled `label`.
    static void pick(ValueComboBox *picker, const QString &label)
    {
        const int index = picker->findText(label);
        ASSERT_GE(index, 0) << label.toStdString();
        emit picker->activated(index);
    }

    ReminderQueueRig reminders;
    RecordingSoundOutput output;
    AppSoundPlayer sounds{rig.settings, output};
};

} // namespace

TEST_F(NotificationsDetailViewTest, OpeningEitherPaneLeavesTheSettingsFileAsItWas)
{
    // Values no control offers among them: none may be "corrected" by showing it.
    rig.settings.setHeadsUpSeconds(20);
    rig.settings.setHudStyle("huge");
    rig.settings.setNotificationSoundVolume(0.004);
    rig.settings.setMeetingAfterBehavior("sometimes");
    rig.settings.setHudAutoDismiss(false);
    for (const bool notificationsOn : {true, false}) {
        SCOPED_TRACE(notificationsOn);
        rig.settings.setNotificationsEnabled(notificationsOn);
        const QByteArray before = rig.settingsFile();
        {
            const auto notifications = openPane();
            MeetingsDetailView meetings(services());
            meetings.show();
            QCoreApplication::processEvents();
        }
        BreakScreenRig::flushDeletions();
        EXPECT_EQ(rig.settingsFile(), before);
    }
}

TEST_F(NotificationsDetailViewTest, TurningNotificationsOffShowsTheTipAndWritesOnlyTheSwitch)
{
    const auto pane = openPane();
    EXPECT_NE(pane->findChild<QWidget *>("notificationsOnSections"), nullptr);
    EXPECT_EQ(pane->findChild<InfoTip *>("notificationsOffTip"), nullptr);
    QJsonObject expected = storedJson();

    click(find<ToggleSwitch>(pane.get(), "notificationsEnabled"));
    BreakScreenRig::flushDeletions();
    EXPECT_EQ(pane->findChild<QWidget *>("notificationsOnSections"), nullptr);
    const InfoTip *tip = find<InfoTip>(pane.get(), "notificationsOffTip");
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(tip->title(), "Notifications are turned off");
    EXPECT_EQ(tip->message(), "Break heads-up reminders and wellness HUDs are disabled. Full-screen breaks "
                              "still appear on schedule.");
    expected.insert("notificationsEnabled", false);
    EXPECT_EQ(storedJson(), expected);

    // Back on, the preview keeps the type chosen before.
    click(find<ToggleSwitch>(pane.get(), "notificationsEnabled"));
    emit find<ValueComboBox>(pane.get(), "notificationType")->activated(2);
    click(find<ToggleSwitch>(pane.get(), "notificationsEnabled"));
    click(find<ToggleSwitch>(pane.get(), "notificationsEnabled"));
    BreakScreenRig::flushDeletions();
    EXPECT_EQ(pane->notificationType(), "posture");
    EXPECT_EQ(find<ValueComboBox>(pane.get(), "notificationType")->value(), "posture");
}

TEST_F(NotificationsDetailViewTest, TheHeadsUpSwitchBringsBackTheLastLeadTimeChosen)
{
    rig.settings.setHeadsUpSeconds(0);
    const auto pane = openPane();
    auto *heads = find<ToggleSwitch>(pane.get(), "headsUpSeconds");
    auto *picker = find<ValueComboBox>(pane.get(), "headsUpSeconds.picker");
    const auto shown = [&] { return picker->isVisibleTo(pane.get()) ? picker->currentText() : QString("-"); };
    EXPECT_FALSE(heads->isChecked());
    EXPECT_EQ(shown(), "-");

    struct Step
    {
        std::function<void()> act;
        qint64 stored;
        QString shown;
    };
    const Step steps[] = {
        {[&] { click(heads); }, 15, "15 sec"},
        {[&] { pick(picker, "2 min"); }, 120, "2 min"},
        {[&] { click(heads); }, 0, "-"},
        {[&] { click(heads); }, 120, "2 min"},
    };
    for (const Step &step : steps) {
        step.act();
        SCOPED_TRACE(step.stored);
        EXPECT_EQ(storedJson().value("headsUpSeconds").toInteger(), step.stored);
        EXPECT_EQ(heads->isChecked(), step.stored > 0);
        EXPECT_EQ(shown(), step.shown);
    }

    // A lead time below the menu's shortest shows as it, and stays stored until picked.
    rig.settings.setHeadsUpSeconds(10);
    const auto again = openPane();
    EXPECT_TRUE(find<ToggleSwitch>(again.get(), "headsUpSeconds")->isChecked());
    EXPECT_EQ(find<ValueComboBox>(again.get(), "headsUpSeconds.picker")->currentText(), "15 sec");
    EXPECT_EQ(storedJson().value("headsUpSeconds").toInteger(), 10);
    // One the menu lacks selects nothing.
    rig.settings.setHeadsUpSeconds(20);
    EXPECT_EQ(find<ValueComboBox>(again.get(), "headsUpSeconds.picker")->currentIndex(), -1);
}

TEST_F(NotificationsDetailViewTest, TheVolumeShowsItsRoundedPercentAndPlaysTheSoundThatWouldBeHeard)
{
    struct Case
    {
        double volume;
        bool breakSounds, reminderSounds;
        QString percent;
        int position;
        QString played; // empty: the button is disabled
    };
    const Case cases[] = {
        {0.004, true, true, "0%", 0, ""},
        {0.005, true, true, "1%", 0, "Submarine.wav"},
        {0.35, false, true, "35%", 7, "Blow.wav"},
        {0.5, true, false, "50%", 10, "Submarine.wav"},
        {0.5, false, false, "50%", 10, ""},
    };
    const auto pane = openPane();
    auto *percent = find<QLabel>(pane.get(), "notificationSoundVolume.percent");
    auto *play = find<SymbolButton>(pane.get(), "previewSound");
    auto *slider = find<VolumeSlider>(pane.get(), "notificationSoundVolume");
    for (const Case &c : cases) {
        SCOPED_TRACE(c.volume);
        rig.settings.setBreakSoundsEnabled(c.breakSounds);
        rig.settings.setReminderSoundsEnabled(c.reminderSounds);
        rig.settings.setNotificationSoundVolume(c.volume);
        EXPECT_EQ(percent->text(), c.percent);
        EXPECT_EQ(slider->value(), c.position);
        EXPECT_EQ(play->isEnabled(), !c.played.isEmpty());
        const qsizetype plays = output.plays().size();
        click(play);
        EXPECT_EQ(output.plays().size(), plays + (c.played.isEmpty() ? 0 : 1));
        if (!c.played.isEmpty()) {
            EXPECT_EQ(output.plays().constLast().fileName, c.played);
        }
    }
    EXPECT_EQ(play->accessibleName(), "Preview sound");

    // Position 7 stores 7 / 20, the same double as 0.35, not 7 * 0.05.
    slider->setValue(7);
    EXPECT_EQ(storedJson().value("notificationSoundVolume").toDouble(), 0.35);
    EXPECT_EQ(percent->text(), "35%");
    // A screen reader hears the percentage, and sets it in percent.
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(slider);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::Slider);
    EXPECT_EQ(accessible->text(QAccessible::Name), "Lumenpause notification volume");
    EXPECT_EQ(accessible->text(QAccessible::Value), "35 percent");
    accessible->valueInterface()->setCurrentValue(60);
    EXPECT_EQ(rig.settings.notificationSoundVolume(), 0.6);
}

TEST_F(NotificationsDetailViewTest, PreviewShowsTheSampleOfTheTypeAfterDroppingQueuedReminders)
{
    struct Case
    {
        QString type;
        qint64 headsUp;
        HUDStyle style;
        QString title, subtitle;
        int secondsLeft;
    };
    const Case cases[] = {
        {"break", 0, HUDStyle::breakReminder, "Break coming up in 15s", "Finish your thought.", 15},
        {"break", 10, HUDStyle::breakReminder, "Break coming up in 15s", "Finish your thought.", 15},
        {"break", 45, HUDStyle::breakReminder, "Break coming up in 45s", "Finish your thought.", 45},
        {"typing", 30, HUDStyle::typing, "Relax your wrists", "Take a moment to stretch.", 0},
        {"posture", 30, HUDStyle::posture, "Check your posture", "Sit up straight.", 0},
        {"blink", 30, HUDStyle::blink, "Time to blink", "Blink slowly a few times.", 0},
        {"Break", 30, HUDStyle::blink, "Time to blink", "Blink slowly a few times.", 0},
    };
    // Left alone, a queued reminder follows once its batch closes.
    reminders.queue.enqueueWellness(HUDStyle::posture, "Sit up", "Queued");
    reminders.clock.advance(ReminderQueue::batchWindowSeconds * 4);
    ASSERT_EQ(reminders.hud.presented().size(), 1);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.type.toStdString() + " " + std::to_string(c.headsUp));
        ReminderQueueRig queue;
        queue.settings.setHeadsUpSeconds(c.headsUp);
        queue.queue.enqueueWellness(HUDStyle::posture, "Sit up", "Queued before the preview");
        EXPECT_TRUE(NotificationPreview::present(c.type, queue.settings, queue.queue, queue.hud));
        ASSERT_EQ(queue.hud.presented().size(), 1);
        const auto &notice = queue.hud.presented().constLast();
        EXPECT_EQ(notice.style, c.style);
        EXPECT_EQ(notice.title, c.title);
        EXPECT_EQ(notice.subtitle, c.subtitle);
        EXPECT_EQ(notice.secondsLeft, c.secondsLeft);
        EXPECT_EQ(notice.kind, HUDPresentationKind::regular);
        // The queued reminder is gone, not waiting to follow the sample.
        queue.clock.advance(ReminderQueue::batchWindowSeconds * 4);
        EXPECT_EQ(queue.hud.presented().size(), 1);
    }
}

TEST_F(NotificationsDetailViewTest, PreviewGoesUpOutsideOfficeHoursAndNotWithNotificationsOffBehindThePane)
{
    // Office hours on, and the evening: a regular notice would be refused.
    FloatingHUDRig hud({{"officeHoursEnabled", true}});
    hud.clock.setNow(QDateTime(QDate(2025, 3, 4), QTime(20, 0)));
    ASSERT_FALSE(hud.present());
    ContentServices withHUD = services();
    withHUD.hud = hud.hud;
    NotificationsDetailView pane(withHUD);
    pane.show();
    click(find<QAbstractButton>(&pane, "previewNotification"));
    ASSERT_TRUE(hud.content());
    EXPECT_EQ(hud.content()->titleLabel()->text(), "Break coming up in 30s");
    hud.hud.dismiss(false);

    // Switched off elsewhere while the pane shows it on: the queue is still emptied.
    reminders.queue.enqueueWellness(HUDStyle::blink, "Blink", "Queued");
    rig.settings.setNotificationsEnabled(false);
    click(find<QAbstractButton>(&pane, "previewNotification"));
    EXPECT_FALSE(hud.content());
    reminders.clock.advance(ReminderQueue::batchWindowSeconds * 4);
    EXPECT_TRUE(reminders.hud.presented().isEmpty());
}

TEST_F(NotificationsDetailViewTest, AutoDismissOffRestsTheDurationRowAlone)
{
    const auto pane = openPane();
    auto *row = find<QWidget>(pane.get(), "hudDismissSeconds.row");
    auto *duration = find<ValueComboBox>(pane.get(), "hudDismissSeconds");
    auto *scheduled = find<ValueComboBox>(pane.get(), "scheduledBreakHUDStaysVisible");
    const auto dimmed = [row] {
        auto *effect = qobject_cast<QGraphicsOpacityEffect *>(row->graphicsEffect());
        return effect->isEnabled() ? effect->opacity() : 1.0;
    };
    EXPECT_EQ(dimmed(), 1.0);
    EXPECT_TRUE(duration->isEnabled());

    click(find<ToggleSwitch>(pane.get(), "hudAutoDismiss"));
    EXPECT_FALSE(rig.settings.hudAutoDismiss());
    EXPECT_DOUBLE_EQ(dimmed(), NotificationHUDCards::restingOpacity);
    EXPECT_FALSE(duration->isEnabled());
    EXPECT_TRUE(duration->isVisibleTo(pane.get()));
    EXPECT_TRUE(scheduled->isEnabled());
    pick(scheduled, "Use reminder duration");
    EXPECT_FALSE(storedJson().value("scheduledBreakHUDStaysVisible").toBool(true));

    rig.settings.setHudAutoDismiss(true);
    EXPECT_EQ(dimmed(), 1.0);
    pick(duration, "8 seconds");
    EXPECT_EQ(storedJson().value("hudDismissSeconds").toInteger(), 8);
}

TEST_F(NotificationsDetailViewTest, HUDSizeRowsWriteTheirSizeAndTheBoxFollows)
{
    const auto pane = openPane();
    const auto *box = find<NotificationPreviewBox>(pane.get(), "notificationPreviewBox");
    QSignalSpy changes(&rig.settings, &AppSettings::hudStyleChanged);
    EXPECT_FALSE(storedJson().contains("hudStyle"));

    // The size already chosen: stored, though nothing changes.
    click(find<RadioOptionRow>(pane.get(), "hudStyle.standard"));
    EXPECT_EQ(storedJson().value("hudStyle").toString(), "standard");
    EXPECT_EQ(changes.count(), 0);

    const struct
    {
        const char *row;
        qreal width;
    } sizes[] = {{"hudStyle.compact", 280}, {"hudStyle.large", 400}, {"hudStyle.standard", 340}};
    for (const auto &size : sizes) {
        click(find<RadioOptionRow>(pane.get(), size.row));
        EXPECT_EQ("hudStyle." + storedJson().value("hudStyle").toString(), size.row);
        EXPECT_EQ(box->hudRect().width(), size.width);
        for (const auto *row : pane->findChildren<RadioOptionRow *>(QRegularExpression("^hudStyle\\.")))
            EXPECT_EQ(row->isSelected(), row->objectName() == size.row);
    }

    // A hand-edited size selects no row and is drawn at the standard size.
    rig.settings.setHudStyle("huge");
    for (const auto *row : pane->findChildren<RadioOptionRow *>(QRegularExpression("^hudStyle\\.")))
        EXPECT_FALSE(row->isSelected());
    EXPECT_EQ(box->hudRect().width(), 340);
}

TEST_F(NotificationsDetailViewTest, TheBoxShowsTheCountdownForBreaksOnlyAndFollowsTheLeadTime)
{
    rig.settings.setHeadsUpSeconds(0);
    const auto pane = openPane();
    const auto *box = find<NotificationPreviewBox>(pane.get(), "notificationPreviewBox");
    EXPECT_EQ(box->look(), (NotificationPreviewBox::Look{"break", "standard", true, 15}));
    EXPECT_TRUE(NotificationPreviewBox::showsRing(box->look()));
    rig.settings.setHeadsUpSeconds(60);
    EXPECT_EQ(box->look().leadTime, 60);
    rig.settings.setShowCountdownInHUD(false);
    EXPECT_FALSE(NotificationPreviewBox::showsRing(box->look()));
    rig.settings.setShowCountdownInHUD(true);
    emit find<ValueComboBox>(pane.get(), "notificationType")->activated(1);
    EXPECT_EQ(box->look().type, "typing");
    EXPECT_FALSE(NotificationPreviewBox::showsRing(box->look()));
}

TEST_F(NotificationsDetailViewTest, NothingMovesOnceAChangeHasLandedOrWhileThePaneIsHidden)
{
    Motion::setJumpToEnd(false);
    const auto pane = openPane();
    const auto running = [&] { return runningAnimations(pane.get()); };
    EXPECT_EQ(running(), 0);
    auto *box = find<NotificationPreviewBox>(pane.get(), "notificationPreviewBox");
    rig.settings.setHudStyle("large");
    EXPECT_TRUE(box->isChanging());
    EXPECT_TRUE(QTest::qWaitFor([&] { return running() == 0; }, 2000));
    EXPECT_EQ(box->hudRect().width(), 400);

    // The lower half fades in when the switch turns, and is drawn directly once it has.
    click(find<ToggleSwitch>(pane.get(), "notificationsEnabled"));
    auto *tip = find<InfoTip>(pane.get(), "notificationsOffTip");
    EXPECT_TRUE(FadeIn::isFading(tip));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !FadeIn::isFading(tip) && running() == 0; }, 2000));
    EXPECT_EQ(tip->graphicsEffect(), nullptr);
    click(find<ToggleSwitch>(pane.get(), "notificationsEnabled"));
    BreakScreenRig::flushDeletions();
    box = find<NotificationPreviewBox>(pane.get(), "notificationPreviewBox");

    rig.settings.setHudStyle("compact");
    click(find<RadioOptionRow>(pane.get(), "hudStyle.large"));
    EXPECT_GT(running(), 0);
    pane->hide();
    EXPECT_EQ(running(), 0);
    EXPECT_EQ(box->hudRect().width(), 400);
}

TEST(NotificationPreviewBoxTest, TheDesktopIsDeepUnderAPaleNoticeInLightAndPaleUnderADarkOneInDark)
{
    const auto lightness = [](const QColor &colour) { return colour.toHsl().lightnessF(); };
    for (const char *theme : {"Light", "Dark"}) {
        SCOPED_TRACE(theme);
        const bool dark = QLatin1String(theme) == QLatin1String("Dark");
        InMemorySettingsRepository store{{{"appTheme", theme}}};
        ThemeManager themes(store, nullptr);
        QWidget window;
        new WindowTheme(&window, themes);
        auto *box = new NotificationPreviewBox({"typing", "standard", true, 30}, &window);
        box->setGeometry(0, 0, 600, NotificationPreviewBox::desktopHeight);
        window.resize(600, NotificationPreviewBox::desktopHeight);
        const QImage picture = window.grab().toImage();
        const QRectF notice = box->hudRect();
        const QColor desktop = picture.pixelColor(20, NotificationPreviewBox::desktopHeight / 2);
        // Inside the notice, between its text and its right edge, clear of the border.
        const QColor body = picture.pixelColor(QPointF(notice.right() - 20, notice.center().y()).toPoint());
        EXPECT_EQ(lightness(desktop) > 0.5, dark);
        EXPECT_EQ(lightness(body) > 0.5, !dark);
        EXPECT_GT(std::abs(lightness(desktop) - lightness(body)), 0.4) << "the notice stands out";
    }
}

// A screen reader hears the sample as sentences, each closed once, whatever its text ends with.
TEST(NotificationPreviewBoxTest, TheSampleIsDescribedInSentencesClosedOnce)
{
    const struct
    {
        QStringList parts;
        QString spoken;
    } cases[] = {
        {{"Break coming up", "Finish your thought.", "30 seconds"}, "Break coming up. Finish your thought. 30 seconds"},
        {{"Ready", "Shall we stop?", "15 seconds"}, "Ready. Shall we stop? 15 seconds"},
        {{"Time's up!", "Stand and stretch"}, "Time's up! Stand and stretch"},
        {{"Wait for it\u2026", "Now.  "}, "Wait for it\u2026 Now."},
        {{"Time to blink", "", " "}, "Time to blink"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(NotificationPreview::sentences(c.parts), c.spoken) << c.parts.join('|').toStdString();

    NotificationPreviewBox box({"break", "standard", true, 30});
    EXPECT_EQ(box.accessibleDescription(), "Break coming up. Finish your thought. 30 seconds");
    box.setLook({"posture", "compact", true, 30});
    EXPECT_EQ(box.accessibleDescription(), "Check your posture");
}
