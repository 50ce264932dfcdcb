#include "breakscreen/BreakWindowManager.h"
#include "breakscreen/SnoozeOption.h"
#include "core/DayKey.h"
#include "scheduling/BreakMessages.h"
#include "support/BreakOverlayRig.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <limits>

namespace {

// Sees the fake clock's time a little behind its timers, as a coarse system timer that
// fires early does.
class EarlyFiringClock : public Clock
{
public:
    explicit EarlyFiringClock(FakeClock &clock)
        : m_clock(clock)
    {
    }
    QDateTime now() const override { return m_clock.now().addMSecs(-m_earlyMs); }
    qint64 monotonicMs() const override { return m_clock.monotonicMs() - m_earlyMs; }
    CancellableHandle schedule(double seconds, bool repeats, std::function<void()> block) override
    {
        return m_clock.schedule(seconds, repeats, std::move(block));
    }
    void fireEarlyBy(qint64 ms) { m_earlyMs = ms; }

private:
    FakeClock &m_clock;
    qint64 m_earlyMs = 0;
};

const QString completedInFull60 = "completed elapsed=60 endedEarly=false waitForActivity=false";

} // namespace

TEST(BreakOverlayModelTest, ALiveBreakCountsDownOnTheClockAndCompletesOnceAtZero)
{
    BreakOverlayRig rig;
    BreakOverlayModel &overlay = rig.showBreak(60);
    QSignalSpy countdownSpy(&overlay, &BreakOverlayModel::countdownChanged);
    QSignalSpy progressSpy(&overlay, &BreakOverlayModel::progressFractionChanged);

    rig.clock.advance(0.999);
    EXPECT_EQ(overlay.countdown(), 60);
    rig.clock.advance(0.001);
    EXPECT_EQ(overlay.countdown(), 59);
    EXPECT_EQ(overlay.elapsedSeconds(), 1);
    rig.clock.advance(58);
    EXPECT_EQ(overlay.countdown(), 1);
    EXPECT_TRUE(rig.outcomes.isEmpty());

    rig.clock.advance(1);
    EXPECT_EQ(overlay.countdown(), 0);
    EXPECT_DOUBLE_EQ(overlay.progressFraction(), 1.0);
    rig.clock.advance(30);
    EXPECT_EQ(rig.outcomes, QStringList({completedInFull60}));
    EXPECT_EQ(countdownSpy.count(), 60);
    EXPECT_EQ(progressSpy.count(), 60);
    EXPECT_EQ(rig.log.messages("BreakOverlay").first(), "Init - duration: 60s, isLong: false");
    EXPECT_EQ(rig.lines("Starting"), QStringList({"Starting countdown: 60s, isLong: false"}));
    EXPECT_EQ(rig.lines("dismissal"),
              QStringList({"dismissal_requested | action=countdown_completed remaining=0s"}));
}

TEST(BreakOverlayModelTest, LateTimersAndSleepShortenTheBreakInsteadOfStretchingIt)
{
    BreakOverlayRig rig;
    BreakOverlayModel &overlay = rig.showBreak(300);
    rig.clock.advance(10);
    rig.clock.skipAhead(1.5); // the next firing comes half a second late
    rig.clock.advance(0);
    EXPECT_EQ(overlay.countdown(), 289);

    rig.clock.skipAhead(3600); // asleep past the end of the break
    rig.clock.advance(1);
    EXPECT_EQ(rig.outcomes,
              QStringList({"completed elapsed=300 endedEarly=false waitForActivity=false"}));
}

// A length no editor offers (2^63 seconds would put the end time before the start) runs
// within the floor and the ceiling of a break instead of ending at once.
TEST(BreakOverlayModelTest, AnExtremeLengthRunsWithinTheBoundsOfABreak)
{
    for (const auto &[asked, shown] :
         {std::pair<qint64, qint64>{std::numeric_limits<qint64>::max(), 86400}, {0, 1}, {-20, 1}}) {
        SCOPED_TRACE(asked);
        BreakOverlayRig rig;
        BreakOverlayModel &overlay = rig.showBreak(asked);
        EXPECT_EQ(overlay.breakDuration(), shown);
        rig.clock.advance(0.5);
        EXPECT_TRUE(rig.outcomes.isEmpty()) << "over before its first second";
        rig.clock.skipAhead(double(shown)); // past its end
        rig.clock.advance(0.5);
        EXPECT_EQ(rig.outcomes, QStringList(QStringLiteral("completed elapsed=%1 endedEarly=false "
                                                           "waitForActivity=false")
                                                .arg(shown)));
    }
}

TEST(BreakOverlayModelTest, EarlyTimerFiringsNeitherRepeatASecondNorOverrunTheBreak)
{
    BreakOverlayRig rig;
    EarlyFiringClock early(rig.clock);
    rig.settings.setBreakDuration(60);
    BreakOverlayModel overlay(
        rig.config, false, BreakOverlayMode::live(),
        [&](const BreakDismissalOutcome &outcome) { rig.outcomes.append(rig.describe(outcome)); },
        rig.settings, early);
    overlay.appear();
    early.fireEarlyBy(50);

    QList<qint64> shown;
    for (int second = 1; second <= 59; ++second) {
        rig.clock.advance(1);
        shown.append(overlay.countdown());
    }
    EXPECT_EQ(shown.first(), 59);
    EXPECT_EQ(shown.last(), 1);
    EXPECT_EQ(QSet<qint64>(shown.begin(), shown.end()).size(), 59);
    rig.clock.advance(1);
    EXPECT_EQ(rig.outcomes, QStringList({completedInFull60}));
}

TEST(BreakOverlayModelTest, ALiveBreakFadesItsMessageThenShowsItsControls)
{
    BreakOverlayRig rig;
    BreakOverlayModel &overlay = rig.showBreak(60);
    QSignalSpy fadeSpy(&overlay, &BreakOverlayModel::showTextContentChanged);
    EXPECT_TRUE(overlay.showTextContent());
    EXPECT_FALSE(overlay.actionRowVisible());
    EXPECT_FALSE(overlay.clockVisible());

    rig.clock.advance(2.4);
    EXPECT_TRUE(overlay.showTextContent());
    rig.clock.advance(0.1);
    EXPECT_FALSE(overlay.showTextContent());
    rig.clock.advance(2.4);
    EXPECT_FALSE(overlay.showButtons());
    rig.clock.advance(0.1);
    EXPECT_TRUE(overlay.showButtons());
    EXPECT_TRUE(overlay.actionRowVisible());
    EXPECT_TRUE(overlay.clockVisible());
    EXPECT_EQ(overlay.hint(), BreakOverlayHint::escapeSkips);
    rig.clock.advance(20);
    EXPECT_EQ(fadeSpy.count(), 1);

    rig.config.setClockVisible(false);
    EXPECT_FALSE(overlay.clockVisible());
}

TEST(BreakOverlayModelTest, APreviewShowsEverythingAtOnceAndLastsAtLeastASecond)
{
    BreakOverlayRig rig;
    const auto preview = rig.make(false, BreakOverlayMode::preview(0));
    EXPECT_EQ(preview->breakDuration(), 1);
    EXPECT_TRUE(preview->showButtons());
    EXPECT_TRUE(preview->actionRowVisible());
    preview->appear();
    rig.clock.advance(1);
    EXPECT_TRUE(preview->showTextContent());
    EXPECT_EQ(rig.outcomes,
              QStringList({"completed elapsed=1 endedEarly=false waitForActivity=false"}));
}

TEST(BreakOverlayModelTest, ThePlannedBreakNameServesOneOverlayAndItsLengthTheWholeBreak)
{
    BreakOverlayRig rig;
    rig.config.setMessage(BreakScreenMessage::deepBreath);
    BreakWindowManager::setScheduledBreakName(QStringLiteral("Lunch"));
    BreakWindowManager::setScheduledBreakDurationSeconds(900);

    const auto preview = rig.make(false, BreakOverlayMode::preview(5));
    EXPECT_EQ(preview->fixedMessage(), "Take a Deep Breath");
    EXPECT_EQ(preview->breakDuration(), 5);

    const auto planned = rig.make(false);
    EXPECT_EQ(planned->fixedMessage(), "Lunch");
    EXPECT_EQ(planned->breakDuration(), 900);
    EXPECT_EQ(BreakWindowManager::scheduledBreakName(), std::nullopt);
    EXPECT_EQ(BreakWindowManager::scheduledBreakDurationSeconds(), 900);

    BreakWindowManager::setScheduledBreakDurationSeconds(std::nullopt); // panels closed
    const auto routine = rig.make(true);
    EXPECT_EQ(routine->fixedMessage(), "Take a Deep Breath");
    EXPECT_EQ(routine->breakDuration(), 600);
}

TEST(BreakOverlayModelTest, TheMessageComesFromTheConfigurationAndIsKeptAsText)
{
    BreakOverlayRig rig;
    rig.config.setMessage(BreakScreenMessage::custom);
    EXPECT_EQ(rig.make()->fixedMessage(), "Take a break");
    rig.config.setCustomMessage(QStringLiteral(" "));
    EXPECT_EQ(rig.make()->fixedMessage(), " ");
    rig.config.setCustomMessage(QStringLiteral("<i>Stretch</i> & breathe"));
    const auto custom = rig.make();
    rig.config.setCustomMessage(QStringLiteral("Changed later"));
    EXPECT_EQ(custom->fixedMessage(), "<i>Stretch</i> & breathe");

    rig.config.setMessage(BreakScreenMessage::lumenPause);
    EXPECT_EQ(rig.make()->fixedMessage(), "Lumen Pause");
    rig.config.setMessage(BreakScreenMessage::random);
    EXPECT_TRUE(breakMessages().contains(rig.make()->fixedMessage()));
}

TEST(BreakOverlayModelTest, EndBreakShowsInTheFinalFifthAndReportsTheTimeTaken)
{
    BreakOverlayRig rig;
    BreakOverlayModel &overlay = rig.showBreak(300);
    QSignalSpy endSpy(&overlay, &BreakOverlayModel::endBreakVisibleChanged);
    rig.clock.advance(239);
    EXPECT_EQ(overlay.countdown(), 61);
    EXPECT_FALSE(overlay.endBreakVisible());
    EXPECT_FALSE(overlay.inFinalFifth());
    rig.clock.advance(1);
    EXPECT_TRUE(overlay.endBreakVisible());
    EXPECT_TRUE(overlay.inFinalFifth());

    rig.settings.setEndBreakEarly(false);
    EXPECT_FALSE(overlay.endBreakVisible());
    rig.settings.setEndBreakEarly(true);
    EXPECT_EQ(endSpy.count(), 3);

    rig.clock.advance(15);
    overlay.endBreak();
    EXPECT_EQ(rig.outcomes,
              QStringList({"completed elapsed=255 endedEarly=true waitForActivity=false"}));
    EXPECT_EQ(rig.lines("dismissal"),
              QStringList({"dismissal_requested | action=end_break_button remaining=45s"}));
}

TEST(BreakOverlayModelTest, ALongBreakAtZeroFollowsItsResumeSetting)
{
    const std::pair<const char *, const char *> cases[] = {
        {"auto", "completed elapsed=60 endedEarly=false waitForActivity=false"},
        {"activity", "completed elapsed=60 endedEarly=false waitForActivity=true"},
        {"Activity", "completed elapsed=60 endedEarly=false waitForActivity=false"},
    };
    for (const auto &[resumeMode, expected] : cases) {
        BreakOverlayRig rig({{"longBreakResume", resumeMode}});
        rig.showBreak(60, true);
        rig.clock.advance(60);
        EXPECT_EQ(rig.outcomes, QStringList({expected})) << resumeMode;
    }

    BreakOverlayRig shortBreak({{"longBreakResume", "activity"}});
    shortBreak.showBreak(60, false);
    shortBreak.clock.advance(60);
    EXPECT_EQ(shortBreak.outcomes, QStringList({completedInFull60}));
}

TEST(BreakOverlayModelTest, AConfirmedLongBreakWaitsAtZeroUntilResume)
{
    BreakOverlayRig rig({{"longBreakResume", "confirm"}});
    BreakOverlayModel &overlay = rig.showBreak(60, true);
    rig.clock.advance(60);
    EXPECT_TRUE(overlay.breakCompleteWaiting());
    EXPECT_FALSE(overlay.actionRowVisible());
    EXPECT_FALSE(overlay.clockVisible());
    rig.clock.advance(600);
    EXPECT_TRUE(rig.outcomes.isEmpty());

    overlay.resume();
    EXPECT_EQ(rig.outcomes, QStringList({completedInFull60}));
    EXPECT_EQ(rig.lines("dismissal"),
              QStringList({"dismissal_requested | action=resume_after_confirmation remaining=0s"}));
}

TEST(BreakOverlayModelTest, TheRowAndTheHintFollowTheEnforcementAndTheAllowances)
{
    BreakOverlayRig rig({{"enforcement", "Hardcore"}});
    BreakOverlayModel &overlay = rig.showBreak(300);
    EXPECT_FALSE(overlay.skipVisible());
    EXPECT_FALSE(overlay.snoozeVisible());
    EXPECT_EQ(overlay.hint(), BreakOverlayHint::strictMode);
    EXPECT_EQ(breakOverlayHintText(overlay.hint()), "You've got this. Stay present.");
    rig.clock.advance(240);
    EXPECT_TRUE(overlay.endBreakVisible());

    QSignalSpy skipSpy(&overlay, &BreakOverlayModel::skipVisibleChanged);
    QSignalSpy hintSpy(&overlay, &BreakOverlayModel::hintChanged);
    rig.settings.setSkipsPerDay(1);
    rig.settings.setLastSnoozeResetDate(formatDayKey(rig.clock.now()));
    rig.settings.setSkipsUsedToday(1);
    rig.settings.setEnforcement(QStringLiteral("Balanced"));
    EXPECT_FALSE(overlay.skipVisible());
    EXPECT_TRUE(overlay.snoozeVisible());
    EXPECT_EQ(overlay.hint(), BreakOverlayHint::none);
    rig.config.setEscapeBehavior(EscBehavior::disabled);
    EXPECT_EQ(overlay.hint(), BreakOverlayHint::none);

    rig.settings.setSkipsUsedToday(0);
    EXPECT_TRUE(overlay.skipVisible());
    EXPECT_EQ(breakOverlayHintText(overlay.hint()), "Escape disabled during break");
    rig.config.setShowSkip(false);
    EXPECT_FALSE(overlay.skipVisible());
    EXPECT_EQ(skipSpy.count(), 2);
    EXPECT_EQ(hintSpy.count(), 2);
}

TEST(BreakOverlayModelTest, EveryControlReportsItsOwnOutcomeEachTimeItIsUsed)
{
    BreakOverlayRig rig;
    BreakOverlayModel &overlay = rig.showBreak(300);
    rig.clock.advance(100);
    overlay.skip();
    overlay.skip();
    overlay.snooze();
    for (const SnoozeOption &option : snoozeOptions())
        overlay.snoozeWith(option.value);

    EXPECT_EQ(rig.outcomes,
              QStringList({"skipped", "skipped", "snoozed delay=300", "snoozed delay=30",
                           "snoozed delay=60", "snoozed delay=120", "snoozed delay=300",
                           "snoozed delay=600", "snoozed delay=900", "snoozed delay=1200"}));
    const QStringList reports = rig.lines("dismissal");
    EXPECT_EQ(reports.count("dismissal_requested | action=skip_button remaining=200s"), 2);
    EXPECT_EQ(reports.count("dismissal_requested | action=snooze_default remaining=200s"), 1);
    EXPECT_EQ(reports.count("dismissal_requested | action=snooze_custom remaining=200s"), 7);

    QStringList labels;
    for (const SnoozeOption &option : snoozeOptions())
        labels.append(option.label);
    EXPECT_EQ(labels, QStringList({"30 sec", "1 min", "2 min", "5 min", "10 min", "15 min",
                                   "20 min"}));
}

TEST(BreakOverlayModelTest, ATakenDownOverlayRunsNoMoreTimers)
{
    BreakOverlayRig rig;
    BreakOverlayModel &overlay = rig.showBreak(10);
    rig.clock.advance(1);
    overlay.disappear();
    rig.clock.advance(60);
    EXPECT_EQ(overlay.countdown(), 9);
    EXPECT_TRUE(overlay.showTextContent());
    EXPECT_FALSE(overlay.showButtons());
    EXPECT_TRUE(rig.outcomes.isEmpty());
    EXPECT_TRUE(rig.clock.scheduledBlocks().isEmpty());
}
