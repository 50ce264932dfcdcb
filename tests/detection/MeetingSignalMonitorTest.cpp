#include "detection/MeetingSignalMonitor.h"

#include "support/FakeClock.h"
#include "support/FakeExecutor.h"
#include "support/FakeMeetingSignalSource.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace {

struct Delivery
{
    qint64 atMs;
    int sessionID;
    MeetingSignalSnapshot snapshot;
};

// The monitor on simulated time, with every delivery recorded against the moment it came.
class MonitorRig
{
public:
    explicit MonitorRig(double reconciliationSeconds = MeetingSignalMonitor::kReconciliationSeconds)
    {
        monitor.emplace(executor, source, reconciliationSeconds);
        monitor->setOnSnapshot([this](const MeetingSignalSnapshot &snapshot, int sessionID) {
            deliveries.append({origin.msecsTo(clock.now()), sessionID, snapshot});
        });
    }
    ~MonitorRig()
    {
        // The destroyed monitor's last stop runs on the executor.
        monitor.reset();
        clock.advance(0);
    }

    // Runs the script's steps at their moments (seconds from the rig's start), then lets
    // time run on to `until`.
    void run(const QList<std::pair<double, std::function<void()>>> &steps, double until)
    {
        for (const auto &[at, step] : steps) {
            clock.advance(at - elapsed());
            step();
            clock.advance(0);
        }
        clock.advance(until - elapsed());
    }

    double elapsed() const { return origin.msecsTo(clock.now()) / 1000.0; }

    QList<qint64> times() const
    {
        QList<qint64> result;
        for (const Delivery &delivery : deliveries)
            result.append(delivery.atMs);
        return result;
    }

    FakeClock clock;
    QDateTime origin = clock.now();
    FakeExecutor executor{clock};
    FakeMeetingSignalSource source;
    std::optional<MeetingSignalMonitor> monitor;
    QList<Delivery> deliveries;
};

} // namespace

TEST(MeetingSignalMonitorTest, EventsAreDebouncedAndStaleRefreshesNeverDeliver)
{
    struct Case
    {
        const char *name;
        QList<std::pair<double, std::function<void(MonitorRig &)>>> steps;
        QList<qint64> expectedTimes;
        int expectedRebuilds; // the start's own included
    };
    const auto change = [](bool rebuild) {
        return [rebuild](MonitorRig &rig) { rig.source.emitChange(rebuild); };
    };
    const auto stop = [](MonitorRig &rig) { rig.monitor->stop(); };
    const auto restart = [](MonitorRig &rig) { rig.monitor->start(2, false); };
    const QList<Case> cases = {
        {"two events 0.1 s apart give one refresh 0.15 s after the second",
         {{0.5, change(false)}, {0.6, change(false)}},
         {0, 750, 2000},
         1},
        {"a plain request after a rebuild request still rebuilds",
         {{0.5, change(true)}, {0.6, change(false)}},
         {0, 750, 2000},
         2},
        {"a refresh scheduled before a stop never delivers, even after a new start",
         {{0.5, change(true)}, {0.55, stop}, {0.6, restart}},
         {0, 600, 2600},
         2},
        {"a stop forgets a pending rebuild",
         {{0.5, change(true)}, {0.55, stop}, {0.6, restart}, {1.0, change(false)}},
         {0, 600, 1150, 2600},
         2},
        {"events while stopped deliver nothing",
         {{0.5, stop}, {0.6, change(true)}},
         {0},
         1},
    };
    for (const Case &c : cases) {
        MonitorRig rig;
        rig.monitor->start(1, false);
        rig.clock.advance(0);
        QList<std::pair<double, std::function<void()>>> steps;
        for (const auto &[at, step] : c.steps)
            steps.append({at, [&rig, step] { step(rig); }});
        rig.run(steps, 2.9);
        EXPECT_EQ(rig.times(), c.expectedTimes) << c.name;
        EXPECT_EQ(rig.source.rebuildCalls, c.expectedRebuilds) << c.name;
    }
}

TEST(MeetingSignalMonitorTest, StartWhileStartedChangesSessionAndMediaInPlace)
{
    MonitorRig rig;
    rig.source.frontmost = QStringLiteral("bin:vlc");
    rig.source.displaySleepPreventing = {QStringLiteral("bin:vlc")};
    rig.monitor->start(1, false);
    rig.run({{0.7, [&] { rig.monitor->start(5, true); }}}, 2.1);

    ASSERT_EQ(rig.times(), QList<qint64>({0, 700, 2000}));
    // Without media signals the platform's answers are not even asked for.
    EXPECT_EQ(rig.deliveries[0].sessionID, 1);
    EXPECT_EQ(rig.deliveries[0].snapshot.frontmostBundleIdentifier, std::nullopt);
    EXPECT_TRUE(rig.deliveries[0].snapshot.displaySleepPreventingBundleIdentifiers.isEmpty());
    for (int i : {1, 2}) {
        EXPECT_EQ(rig.deliveries[i].sessionID, 5);
        EXPECT_EQ(rig.deliveries[i].snapshot.frontmostBundleIdentifier, "bin:vlc");
        EXPECT_EQ(rig.deliveries[i].snapshot.displaySleepPreventingBundleIdentifiers.size(), 1);
    }
    EXPECT_TRUE(rig.source.includeMediaSignals);
    EXPECT_EQ(rig.source.startWatchingCalls, 1);
    EXPECT_EQ(rig.executor.pendingRepeatingTimers(2.0), 1);

    rig.monitor->stop();
    rig.clock.advance(10);
    EXPECT_EQ(rig.deliveries.size(), 3);
    EXPECT_EQ(rig.source.stopWatchingCalls, 1);
    EXPECT_FALSE(rig.source.isWatching());
    EXPECT_EQ(rig.executor.pendingRepeatingTimers(2.0), 0);
}

// A period given to the monitor replaces the 2 s one and nothing else: with an hour's, the
// event's snapshot is the only one after the start's.
TEST(MeetingSignalMonitorTest, TimersKeepTheirIntervalsAndLeeway)
{
    struct Case
    {
        std::optional<double> givenPeriod;
        double expectedPeriod;
        QList<qint64> expectedTimes;
    };
    const QList<Case> cases = {
        {std::nullopt, 2.0, {0, 450, 2000, 4000, 6000}},
        {3600.0, 3600.0, {0, 450}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.expectedPeriod);
        const auto made = c.givenPeriod ? std::make_unique<MonitorRig>(*c.givenPeriod)
                                        : std::make_unique<MonitorRig>();
        MonitorRig &rig = *made;
        rig.monitor->start(1, false);
        rig.run({{0.3, [&] { rig.source.emitChange(false); }}}, 6.0);
        EXPECT_EQ(rig.times(), c.expectedTimes);
        ASSERT_EQ(rig.executor.scheduled().size(), 2);
        const FakeExecutor::Scheduled reconciliation = rig.executor.scheduled()[0];
        EXPECT_EQ(reconciliation.delaySeconds, c.expectedPeriod);
        EXPECT_EQ(reconciliation.leewaySeconds, 0.15);
        EXPECT_TRUE(reconciliation.repeats);
        const FakeExecutor::Scheduled debounce = rig.executor.scheduled()[1];
        EXPECT_EQ(debounce.delaySeconds, 0.15);
        EXPECT_FALSE(debounce.repeats);
    }
}

TEST(MeetingSignalMonitorTest, InputIsActiveForAnyRecordingStreamOrElseTheDefaultDevice)
{
    struct Case
    {
        const char *name;
        QSet<QString> inputIdentities;
        bool anyStreamRecords;
        bool defaultInputRunning;
        bool expectedActive;
        int expectedDefaultReads;
    };
    const QList<Case> cases = {
        {"a recording stream without an owner", {}, true, false, true, 0},
        {"a recording stream with one", {"bin:zoom"}, true, false, true, 0},
        {"no stream, the default device running", {}, false, true, true, 1},
        {"nothing at all", {}, false, false, false, 1},
    };
    for (const Case &c : cases) {
        MonitorRig rig;
        rig.source.audio.inputIdentities = c.inputIdentities;
        rig.source.audio.anyStreamRecords = c.anyStreamRecords;
        rig.source.defaultInputRunning = c.defaultInputRunning;
        rig.monitor->start(1, false);
        rig.clock.advance(0);
        ASSERT_EQ(rig.deliveries.size(), 1) << c.name;
        EXPECT_EQ(rig.deliveries[0].snapshot.isAnyInputActive, c.expectedActive) << c.name;
        EXPECT_EQ(rig.deliveries[0].snapshot.inputBundleIdentifiers, c.inputIdentities) << c.name;
        EXPECT_EQ(rig.source.defaultInputReads, c.expectedDefaultReads) << c.name;
    }
}

TEST(MeetingSignalMonitorTest, WhileNothingWaitsOnTimeOnlyNewsIsDeliveredPeriodically)
{
    MonitorRig rig;
    rig.monitor->setNothingWaitsOnTime(true);
    rig.monitor->start(1, false);
    const auto setRunning = [&](const char *identity) {
        return [&rig, identity] { rig.source.running = {QString::fromUtf8(identity)}; };
    };
    rig.run({{3.0, setRunning("bin:zoom")},
             // An event always delivers, even when it says nothing new.
             {4.5, [&] { rig.source.emitChange(false); }},
             {7.0, [&] { rig.monitor->stop(); }},
             // Since the new start, its first snapshot is the last one delivered.
             {7.5, [&] { rig.monitor->start(2, false); }},
             {10.0, [&] { rig.monitor->setNothingWaitsOnTime(false); }}},
            12.0);
    EXPECT_EQ(rig.times(), QList<qint64>({0, 4000, 4650, 7500, 11500}));
}

TEST(MeetingSignalMonitorTest, RunningApplicationsAreListedOnlyWhileLookedAtAndOnlyTheirsCount)
{
    MonitorRig rig;
    rig.monitor->setRunningApplicationsInterest({{"bin:chrome"}, {"bin:chrome"}});
    rig.monitor->setNothingWaitsOnTime(true);
    rig.source.running = {"bin:chrome", "bin:cc1plus"};
    // A busy machine: some other program comes or goes every second.
    const auto churn = [&](const char *program) {
        return [&rig, program] { rig.source.running = {"bin:chrome", QString::fromUtf8(program)}; };
    };
    const auto chromePlays = [&](bool plays) {
        return [&rig, plays] {
            rig.source.audio.outputIdentities = plays ? QSet<QString>{"bin:chrome"} : QSet<QString>{};
            rig.source.emitChange(true);
        };
    };
    rig.monitor->start(1, false);
    rig.run({{1.0, churn("ld")}, {3.0, churn("as")}, {4.5, chromePlays(true)}, {5.0, churn("cc1")},
             {7.0, churn("ninja")}, {8.5, chromePlays(false)}, {9.0, churn("ld")}},
            12.0);
    EXPECT_EQ(rig.times(), QList<qint64>({0, 4650, 8650}));
    EXPECT_TRUE(rig.deliveries[0].snapshot.runningBundleIdentifiers.isEmpty());
    EXPECT_EQ(rig.deliveries[1].snapshot.runningBundleIdentifiers, QSet<QString>({"bin:chrome"}));
    EXPECT_TRUE(rig.deliveries[2].snapshot.runningBundleIdentifiers.isEmpty());
    // Listed at the event and at the two periodic readings while Chrome played.
    EXPECT_EQ(rig.source.runningReads, 3);
}

TEST(MeetingSignalMonitorTest, AReconciliationHeldPastAStopNeverDelivers)
{
    MonitorRig rig;
    rig.source.holdReconciliation = true;
    rig.monitor->start(1, false);
    rig.clock.advance(2.0);
    rig.source.releaseReconciliation();
    EXPECT_EQ(rig.times(), QList<qint64>({0, 2000}));

    rig.clock.advance(2.0); // held again
    rig.monitor->stop();
    rig.monitor->start(2, false);
    rig.clock.advance(0);
    rig.source.releaseReconciliation();
    EXPECT_EQ(rig.times(), QList<qint64>({0, 2000, 4000}));
    EXPECT_EQ(rig.deliveries.last().sessionID, 2);
}

TEST(MeetingSignalMonitorTest, WithoutAReceiverNothingIsRead)
{
    FakeClock clock;
    FakeExecutor executor(clock);
    FakeMeetingSignalSource source;
    {
        MeetingSignalMonitor monitor(executor, source);
        monitor.start(1, false);
        clock.advance(5);
        EXPECT_EQ(source.defaultInputReads, 0);
        EXPECT_TRUE(source.isWatching());
    }
    // The destroyed monitor stops on its executor and removes what it installed.
    clock.advance(0);
    EXPECT_FALSE(source.isWatching());
    EXPECT_EQ(executor.pendingRepeatingTimers(2.0), 0);
}

// A sound server that goes and comes back is told once each way, at the next reading after
// the change (an event's, else the periodic one), ahead of that reading's snapshot, also while
// nothing waits on time and across a stop. What was told last still holds after a restart.
TEST(MeetingSignalMonitorTest, AudioAvailabilityIsToldOnceForEachChangeAheadOfItsSnapshot)
{
    MonitorRig rig;
    struct Told
    {
        qint64 atMs;
        bool available;
        qsizetype snapshotsBefore;
    };
    QList<Told> told;
    rig.monitor->setOnAudioAvailabilityChanged([&](bool available) {
        told.append({rig.origin.msecsTo(rig.clock.now()), available, rig.deliveries.size()});
    });
    rig.monitor->setNothingWaitsOnTime(true);
    const auto serverGoes = [&](bool withEvent) {
        return [&rig, withEvent] {
            rig.source.audioAvailable = false;
            if (withEvent)
                rig.source.emitChange(false);
        };
    };
    rig.monitor->start(1, false);
    rig.run({{1.0, serverGoes(true)},
             {3.0, [&] { rig.source.emitChange(false); }},
             {4.5, [&] { rig.source.audioAvailable = true; }},
             {7.0, [&] { rig.monitor->stop(); }},
             {7.5, serverGoes(false)},
             {8.0, [&] { rig.monitor->start(2, false); }},
             {9.0, [&] { rig.monitor->start(3, true); }}},
            12.0);

    ASSERT_EQ(told.size(), 3);
    EXPECT_EQ(told[0].atMs, 1150);
    EXPECT_FALSE(told[0].available);
    // The periodic reading at 6 s finds the server back; its snapshot says nothing new and
    // is left out, but the news is told.
    EXPECT_EQ(told[1].atMs, 6000);
    EXPECT_TRUE(told[1].available);
    EXPECT_EQ(told[2].atMs, 8000);
    EXPECT_FALSE(told[2].available);
    EXPECT_EQ(rig.times(), QList<qint64>({0, 1150, 3150, 8000, 9000}));
    EXPECT_EQ(told[0].snapshotsBefore, 1) << "told ahead of the snapshot at 1.15 s";
    EXPECT_EQ(told[2].snapshotsBefore, 3) << "told ahead of the restart's first snapshot";
}
