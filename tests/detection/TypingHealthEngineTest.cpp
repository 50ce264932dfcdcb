#include "support/SnapshotBuilder.h"
#include "support/WellnessRig.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <limits>

namespace {

QVariant integer(qint64 value)
{
    return QVariant::fromValue(value);
}

// The break timer's rig with a user at the keyboard: `type` presses a key every second,
// `rest` lets the keyboard idle time grow. Reminders are the typing tips that reached the
// reminder queue.
struct TypingRig : WellnessRig
{
    explicit TypingRig(const QVariantMap &stored = {},
                       QDateTime start = QDateTime(QDate(2025, 3, 4), QTime(9, 0)))
        : WellnessRig(stored)
    {
        clock.setNow(start);
        input.setSecondsSinceKeyboardActivity(600);
    }

    void type(int seconds)
    {
        for (int second = 0; second < seconds; ++second) {
            input.setSecondsSinceKeyboardActivity(0.0);
            clock.advance(1);
        }
    }

    void rest(int seconds)
    {
        for (int second = 0; second < seconds; ++second) {
            input.setSecondsSinceKeyboardActivity(input.secondsSinceKeyboardActivity() + 1);
            clock.advance(1);
        }
    }

    int reminders() const
    {
        int count = 0;
        for (const QString &line : queueLines()) {
            for (const TypingHealthEngine::Tip &tip : TypingHealthEngine::tips())
                count += line == "Queued wellness reminder: " + tip.title ? 1 : 0;
        }
        return count;
    }

    bool startedLogged() const
    {
        return log.contains("TypingHealth", "Monitoring started — threshold: 5 min");
    }
};

} // namespace

TEST(TypingHealthEngineTest, AStoredZeroThresholdIsMendedToFiveAndWrittenBack)
{
    struct Row
    {
        const char *name;
        QVariant stored;
        qint64 read;
        QVariant written;
    };
    const Row rows[] = {
        {"absent: the registered default", QVariant(), 5, QVariant()},
        {"zero", integer(0), 5, integer(5)},
        {"twelve", integer(12), 12, integer(12)},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        QVariantMap stored;
        if (row.stored.isValid())
            stored.insert("typingThresholdMinutes", row.stored);
        TypingRig rig(stored);
        EXPECT_EQ(rig.typing.typingThresholdMinutes(), row.read);
        EXPECT_EQ(rig.store.persistentDomain().value("typingThresholdMinutes"), row.written);
        EXPECT_FALSE(rig.typing.isMonitoring());
    }
}

TEST(TypingHealthEngineTest, SteadyTypingAsksForARestAtTheThresholdThenWaitsForAFreshSession)
{
    TypingRig rig;
    rig.typing.startMonitoring();
    EXPECT_TRUE(rig.startedLogged());

    // The first minute of steady typing is credited at once, then ten seconds a bucket: the
    // 30th bucket closes at 300 s.
    rig.type(299);
    EXPECT_EQ(rig.reminders(), 0);
    EXPECT_EQ(rig.typing.typingLoadSnapshot().accumulatedLoad, 290.0);
    rig.type(1);
    EXPECT_EQ(rig.reminders(), 1);
    EXPECT_TRUE(rig.typing.typingLoadSnapshot().isWaitingForFreshSession);
    rig.type(600);
    EXPECT_EQ(rig.reminders(), 1) << "no second reminder in the same session";

    rig.rest(30);
    EXPECT_EQ(rig.typing.typingLoadSnapshot(), (TypingLoadSnapshot{0, 0, 0, 0.0, 30.0, false, false}));
    rig.type(300);
    EXPECT_EQ(rig.reminders(), 2);
}

TEST(TypingHealthEngineTest, QuietAndLateSamplesAndANewThresholdShapeTheLoad)
{
    TypingRig rig;
    rig.typing.startMonitoring();
    rig.type(60);
    EXPECT_TRUE(rig.typing.typingLoadSnapshot().isSustained);

    // A tick 5 s late feeds the buckets 2 s, yet a key pressed 3 s ago still counts.
    rig.input.setSecondsSinceKeyboardActivity(3.0);
    rig.clock.skipAhead(5);
    rig.clock.advance(0);
    EXPECT_EQ(rig.typing.typingDetector().currentBucketElapsed(), 2.0);
    EXPECT_EQ(rig.typing.typingDetector().currentBucketActiveSamples(), 1);

    // 20 s of quiet at a sample end steady typing but keep the load; 30 s clear it.
    rig.input.setSecondsSinceKeyboardActivity(20.0);
    rig.clock.advance(1);
    EXPECT_FALSE(rig.typing.typingLoadSnapshot().isSustained);
    EXPECT_EQ(rig.typing.typingLoadSnapshot().accumulatedLoad, 60.0);
    rig.type(60); // closes the bucket 3 s in, then five more
    ASSERT_EQ(rig.typing.typingLoadSnapshot().accumulatedLoad, 120.0);

    QSignalSpy thresholdChanges(&rig.typing, &TypingHealthEngine::typingThresholdMinutesChanged);
    rig.typing.setTypingThresholdMinutes(5); // the same value: the load stays
    EXPECT_EQ(rig.typing.typingLoadSnapshot().accumulatedLoad, 120.0);
    rig.typing.setTypingThresholdMinutes(10);
    EXPECT_EQ(rig.typing.typingLoadSnapshot(), TypingLoadSnapshot{});
    EXPECT_EQ(thresholdChanges.size(), 1);
    EXPECT_EQ(rig.store.persistentDomain().value("typingThresholdMinutes"), integer(10));

    rig.type(60);
    rig.input.setSecondsSinceKeyboardActivity(30.0);
    rig.clock.advance(1);
    EXPECT_EQ(rig.typing.typingLoadSnapshot(), (TypingLoadSnapshot{0, 0, 0, 0.0, 30.0, false, false}));
}

TEST(TypingHealthEngineTest, MonitoringStartsOnlyWhenEveryConditionHolds)
{
    struct Row
    {
        const char *name;
        QVariantMap stored;
        QTime time;
        std::function<void(TypingRig &)> arrange;
        bool monitoring;
        int warnings;
    };
    const auto nothing = [](TypingRig &) {};
    const Row rows[] = {
        {"all hold", {}, QTime(9, 0), nothing, true, 0},
        {"switched off", {{"typingHealthEnabled", false}}, QTime(9, 0), nothing, false, 0},
        {"outside office hours", {{"officeHoursEnabled", true}}, QTime(20, 0), nothing, false, 0},
        {"breaks paused", {}, QTime(9, 0),
         [](TypingRig &rig) { rig.scheduler.pause(PauseReason::manual); }, false, 0},
        {"a break on screen", {}, QTime(9, 0), [](TypingRig &rig) { rig.breakShowing = true; },
         false, 0},
        {"a keyboard reading that counts the pointer too", {}, QTime(9, 0),
         [](TypingRig &rig) { rig.input.setSeparatesKeyboardFromPointer(false); }, false, 1},
        {"no reading at all", {}, QTime(9, 0),
         [](TypingRig &rig) { rig.input.setHasReading(false); }, false, 1},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        TypingRig rig(row.stored, QDateTime(QDate(2025, 3, 4), row.time));
        row.arrange(rig);
        rig.typing.startMonitoring();
        rig.typing.startMonitoring();
        EXPECT_EQ(rig.typing.isMonitoring(), row.monitoring);
        EXPECT_EQ(rig.startedLogged(), row.monitoring);
        EXPECT_EQ(rig.log.warnings("TypingHealth"), row.warnings) << "one warning at most";
        rig.type(400);
        EXPECT_EQ(rig.reminders(), row.monitoring ? 1 : 0);
    }
}

TEST(TypingHealthEngineTest, TheSwitchStartsAndStopsSamplingAndIsStoredEveryTime)
{
    TypingRig rig;
    QSignalSpy changes(&rig.typing, &TypingHealthEngine::enabledChanged);
    rig.typing.setEnabled(true);
    EXPECT_TRUE(rig.typing.isMonitoring());
    EXPECT_EQ(rig.store.persistentDomain().value("typingHealthEnabled"), true);
    rig.type(60);
    rig.typing.setEnabled(false);
    EXPECT_FALSE(rig.typing.isMonitoring());
    EXPECT_EQ(rig.typing.typingLoadSnapshot(), TypingLoadSnapshot{});
    EXPECT_EQ(rig.store.persistentDomain().value("typingHealthEnabled"), false);
    EXPECT_EQ(changes.size(), 1);
    EXPECT_TRUE(rig.clock.scheduledBlocks().isEmpty());
}

// A call that holds notices swallows the reminder due meanwhile; the load is spent, so the
// next one needs a fresh session.
TEST(TypingHealthEngineTest, AReminderDueInACallIsSkippedAndTheNextNeedsAFreshSession)
{
    // The call holds notices only, so the break timer's pause does not restart sampling.
    TypingRig rig({{"breakInterval", integer(60)}, {"meetingPauseBreaks", false}});
    const MeetingSignalSnapshot zoomCall = SnapshotBuilder().recording({"bin:zoom"});
    rig.startRuntime();
    rig.typing.startMonitoring();
    rig.type(250);
    rig.deliver(zoomCall);
    for (int second = 0; second < 60; ++second) {
        rig.type(1);
        rig.deliver(zoomCall);
    }
    ASSERT_TRUE(rig.wellness.notificationsPausedByMeeting());
    EXPECT_TRUE(rig.typing.typingLoadSnapshot().isWaitingForFreshSession);
    for (int second = 0; second < 30; ++second) {
        rig.type(1);
        rig.deliver(MeetingSignalSnapshot());
    }
    ASSERT_FALSE(rig.wellness.notificationsPausedByMeeting());
    rig.type(600);
    EXPECT_EQ(rig.reminders(), 0);
    rig.rest(30);
    rig.type(300);
    EXPECT_EQ(rig.reminders(), 1);
}

// Resuming a manual pause while a break taken by hand is on screen is refused; the break's
// end brings sampling back.
TEST(TypingHealthEngineTest, SamplingComesBackWhenABreakThatRefusedItHasGone)
{
    TypingRig rig;
    rig.scheduler.start();
    rig.typing.startMonitoring();
    rig.scheduler.pause(PauseReason::manual);
    rig.breakShowing = true;
    rig.scheduler.resume(PauseReason::manual);
    EXPECT_FALSE(rig.typing.isMonitoring());

    rig.breakShowing = false;
    emit rig.notifier.breakDidHide();
    EXPECT_TRUE(rig.typing.isMonitoring());
    rig.type(60);
    EXPECT_EQ(rig.typing.typingLoadSnapshot().accumulatedLoad, 60.0);

    // A break that did not stop it leaves the load alone; one that ends into a pause does not
    // start it.
    emit rig.notifier.breakDidHide();
    EXPECT_EQ(rig.typing.typingLoadSnapshot().accumulatedLoad, 60.0);
    rig.scheduler.pause(PauseReason::manual);
    emit rig.notifier.breakDidHide();
    EXPECT_FALSE(rig.typing.isMonitoring());
}

TEST(TypingHealthEngineTest, AHandEditedHugeThresholdNeverWrapsIntoASmallOne)
{
    struct Row
    {
        const char *name;
        qint64 minutes;
        bool sampled;
    };
    // 307445734561825861 minutes are 2^64 + 44 seconds: wrapped, 44 s.
    const Row rows[] = {
        {"the largest number", std::numeric_limits<qint64>::max(), true},
        {"one whose seconds would wrap to 44", 307445734561825861, true},
        {"the smallest number", std::numeric_limits<qint64>::min(), false},
        {"negative", -3, false},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        TypingRig rig({{"typingThresholdMinutes", integer(row.minutes)}});
        rig.typing.startMonitoring();
        rig.type(600);
        EXPECT_EQ(rig.reminders(), 0);
        EXPECT_EQ(rig.typing.typingLoadSnapshot().isSustained, row.sampled);
    }
}
