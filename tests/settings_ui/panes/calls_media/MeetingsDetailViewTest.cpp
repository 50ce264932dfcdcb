#include "settings_ui/components/FadeIn.h"
#include "settings_ui/components/Motion.h"
#include "settings_ui/components/RadioOptionRow.h"
#include "settings_ui/components/ToggleSwitch.h"
#include "settings_ui/panes/calls_media/MeetingAfterCard.h"
#include "settings_ui/panes/calls_media/MeetingTimelineView.h"
#include "settings_ui/panes/calls_media/MeetingsDetailView.h"
#include "settings_ui/panes/calls_media/MeetingsTexts.h"
#include "support/BreakScreenRig.h"
#include "support/SettingsPaneFixture.h"
#include "support/SnapshotBuilder.h"

#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QString resumeExample = "Example: Your break was due at 10:20 AM. The meeting lasted 32 minutes. Timer "
                              "resumes where it left off.";
const QString adjustExample = "Example: A 32-minute meeting adds an 8-minute buffer if your break was about to "
                              "begin.";
const QString resumeInfo = "After a meeting, Lumenpause resumes from the exact time remaining when the meeting "
                           "started.";
const QString adjustInfo = "The buffer scales from 2 to 10 minutes. Existing time is never shortened, and long "
                           "meetings do not postpone a needed break for a full interval.";

class MeetingsDetailViewTest : public SettingsPaneFixture
{
protected:
    std::unique_ptr<MeetingsDetailView> openPane()
    {
        return shown(std::make_unique<MeetingsDetailView>(rig.services()), {620, 1200});
    }

    static QString text(QWidget *pane, const QString &name) { return find<QLabel>(pane, name)->text(); }
};

} // namespace

TEST(MeetingsTextsTest, TheStatusLineNamesTheStateAndTheDetector)
{
    struct Case
    {
        MeetingState state;
        std::optional<DetectorType> detector;
        QString text;
    };
    const Case cases[] = {
        {MeetingState::inactive, std::nullopt, "No active call or microphone recording detected."},
        {MeetingState::inactive, DetectorType::zoom, "No active call or microphone recording detected."},
        {MeetingState::probable, DetectorType::generic, "Confirming microphone activity..."},
        {MeetingState::probable, DetectorType::zoom, "Confirming Zoom audio activity..."},
        {MeetingState::probable, std::nullopt, "Confirming Microphone audio activity..."},
        {MeetingState::active, DetectorType::generic, "Call or microphone recording detected."},
        {MeetingState::active, DetectorType::voiceMemos, "Voice Memos call or recording detected."},
        {MeetingState::active, DetectorType::browser, "Browser call or recording detected."},
        {MeetingState::ending, DetectorType::generic, "Waiting briefly for microphone activity to recover."},
        {MeetingState::ending, DetectorType::teams, "Waiting briefly for Teams audio to recover."},
        {MeetingState::ending, std::nullopt, "Waiting briefly for Microphone audio to recover."},
    };
    for (const Case &c : cases) {
        const MeetingContext context{c.state, c.detector, 1.0, std::nullopt};
        EXPECT_EQ(MeetingsTexts::statusText(true, context), c.text);
        // Outside office hours the state does not matter.
        EXPECT_EQ(MeetingsTexts::statusText(false, context),
                  "Detection is paused outside your configured office hours.");
    }
    const QStringList names = {"Zoom", "Teams", "Browser", "Slack", "Discord", "Webex", "FaceTime",
                               "Voice Memos", "Microphone"};
    for (qsizetype index = 0; index < names.size(); ++index)
        EXPECT_EQ(MeetingsTexts::detectorDisplayName(allDetectorTypes().at(index)), names[index]);
}

TEST_F(MeetingsDetailViewTest, TheStatusFollowsTheDetectorAndOfficeHoursWithoutATimer)
{
    rig.timer.scheduler.start();
    rig.timer.wellness.startRuntime();
    const auto pane = openPane();
    const auto status = [&] { return text(pane.get(), "meetingStatus"); };
    EXPECT_EQ(status(), "No active call or microphone recording detected.");

    const MeetingSignalSnapshot zoomCall = SnapshotBuilder().recording({"bin:zoom"});
    deliver(zoomCall);
    EXPECT_EQ(status(), "Confirming Zoom audio activity...");
    deliver(zoomCall, 2);
    EXPECT_EQ(status(), "Zoom call or recording detected.");
    deliver(MeetingSignalSnapshot(), 1);
    EXPECT_EQ(status(), "Waiting briefly for Zoom audio to recover.");

    // Office hours switched on in the evening, then the morning comes and the office-hours
    // check that runs every second notices.
    rig.clock.setNow(QDateTime(QDate(2025, 3, 4), QTime(20, 0)));
    rig.settings.setOfficeHoursEnabled(true);
    EXPECT_EQ(status(), "Detection is paused outside your configured office hours.");
    rig.clock.setNow(QDateTime(QDate(2025, 3, 5), QTime(9, 30)));
    rig.settings.isWithinOfficeHours(rig.clock);
    EXPECT_EQ(status(), "Waiting briefly for Zoom audio to recover.");
    rig.settings.setOfficeHoursEnabled(false);
    EXPECT_EQ(status(), "Waiting briefly for Zoom audio to recover.");
}

TEST_F(MeetingsDetailViewTest, DetectionOffLeavesTheHeaderTheDetectionCardAndThePrivacyNote)
{
    const auto pane = openPane();
    const auto shownParts = [&] { return partsShown(pane.get()); };
    ASSERT_NE(pane->detectionSections(), nullptr);
    EXPECT_EQ(shownParts(), 4);

    QTest::mouseClick(find<ToggleSwitch>(pane.get(), "pauseDuringMeetings"), Qt::LeftButton);
    BreakScreenRig::flushDeletions();
    EXPECT_FALSE(rig.timer.wellness.pauseDuringMeetings());
    EXPECT_EQ(pane->detectionSections(), nullptr);
    EXPECT_EQ(shownParts(), 3);
    EXPECT_NE(pane->findChild<QWidget *>("meetingPrivacy"), nullptr);
    EXPECT_EQ(pane->findChild<QWidget *>("meetingStatus"), nullptr);

    // Switched on elsewhere (the tray's first run), the sections come back at once, fading in
    // only while the pane is on screen.
    Motion::setJumpToEnd(false);
    rig.timer.wellness.setPauseDuringMeetings(true);
    ASSERT_NE(pane->detectionSections(), nullptr);
    EXPECT_EQ(shownParts(), 4);
    EXPECT_TRUE(FadeIn::isFading(pane->detectionSections()));
    pane->hide();
    EXPECT_FALSE(FadeIn::isFading(pane->detectionSections()));
    EXPECT_EQ(pane->detectionSections()->graphicsEffect(), nullptr);
}

TEST_F(MeetingsDetailViewTest, EachSwitchWritesItsKey)
{
    const auto pane = openPane();
    for (const char *key : {"meetingPauseBreaks", "meetingPauseNotifications", "meetingHideMenuBar"}) {
        SCOPED_TRACE(key);
        auto *control = find<ToggleSwitch>(pane.get(), key);
        const bool before = control->isChecked();
        QTest::mouseClick(control, Qt::LeftButton);
        EXPECT_EQ(storedJson().value(key).toBool(before), !before);
        EXPECT_EQ(control->isChecked(), !before);
    }
    EXPECT_EQ(find<ToggleSwitch>(pane.get(), "meetingHideMenuBar")->accessibleName(),
              "Hide call status from the tray");
    // Detection is the wellness scheduler's own setting, in its store.
    QTest::mouseClick(find<ToggleSwitch>(pane.get(), "pauseDuringMeetings"), Qt::LeftButton);
    EXPECT_EQ(rig.timer.store.object("pauseDuringMeetings"), QVariant(false));
}

TEST_F(MeetingsDetailViewTest, OptionRowsStoreTheirBehaviourAndTheExampleFollows)
{
    const auto pane = openPane();
    auto *resume = find<RadioOptionRow>(pane.get(), "meetingAfterBehavior.resume");
    auto *adjust = find<RadioOptionRow>(pane.get(), "meetingAfterBehavior.adjust");
    const auto *timeline = find<MeetingTimelineView>(pane.get(), "meetingTimeline");
    struct Step
    {
        RadioOptionRow *row;
        QString stored, example, info;
    };
    const Step steps[] = {
        {resume, "resume", resumeExample, resumeInfo},
        {adjust, "adjust", adjustExample, adjustInfo},
        {adjust, "adjust", adjustExample, adjustInfo},
    };
    for (const Step &step : steps) {
        QTest::mouseClick(step.row, Qt::LeftButton);
        EXPECT_EQ(storedJson().value("meetingAfterBehavior").toString(), step.stored);
        EXPECT_TRUE(step.row->isSelected());
        EXPECT_EQ(resume->isSelected() + adjust->isSelected(), 1);
        EXPECT_EQ(text(pane.get(), "meetingExample"), step.example);
        EXPECT_EQ(text(pane.get(), "meetingInfo"), step.info);
        EXPECT_EQ(timeline->afterMeeting(), step.stored);
    }
}

TEST_F(MeetingsDetailViewTest, AnUnknownBehaviourSelectsNothingAndIsShownAsTheTimerTreatsIt)
{
    rig.settings.setMeetingAfterBehavior("sometimes");
    const QByteArray before = rig.settingsFile();
    const auto pane = openPane();
    EXPECT_FALSE(find<RadioOptionRow>(pane.get(), "meetingAfterBehavior.resume")->isSelected());
    EXPECT_FALSE(find<RadioOptionRow>(pane.get(), "meetingAfterBehavior.adjust")->isSelected());
    // The break timer resumes where it stopped for any value but "adjust": so do the texts.
    EXPECT_EQ(text(pane.get(), "meetingExample"), resumeExample);
    EXPECT_EQ(text(pane.get(), "meetingInfo"), resumeInfo);
    const auto *timeline = find<MeetingTimelineView>(pane.get(), "meetingTimeline");
    EXPECT_EQ(timeline->afterMeeting(), "resume");
    EXPECT_DOUBLE_EQ(timeline->geometry(100).connector.x2(), 82);
    EXPECT_EQ(rig.settingsFile(), before);
}
