// What the activity signals cost while nothing happens: the real monitor and Linux source on
// their own queue thread, with nothing playing, the wellness scheduler's "no detector waits
// on time" flag set and its interest in running applications, measured on that thread alone
// over a window of real time.
//
//   tests/services.sh <build>/bench/lumenpause_meeting_signal_cost [--media] [--proc DIR] [seconds]
//
// --proc reads processes from another folder than /proc (an empty one leaves out what the
// kernel's process listing costs, which grows with every process started or ended elsewhere
// on the machine).
//
// Prints the thread's wake-ups a second and CPU share with their goals; exits 1 when a goal
// is missed, 2 when the measurement failed.

#include "core/EventQueue.h"
#include "core/Logger.h"
#include "detection/MeetingDetectorCatalogue.h"
#include "detection/MeetingSignalMonitor.h"
#include "platform/linux/LinuxMeetingSignalSource.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>

namespace {

constexpr double kWarmupSeconds = 3.0;
constexpr double kWakeupGoal = 0.55;
// Each reconciliation also asks the login manager, whose answer wakes the thread again.
constexpr double kWakeupGoalWithMedia = 1.1;
constexpr double kCpuGoalPercent = 0.01;

struct ThreadCost
{
    double cpuSeconds = 0;
    // Each time the thread went to sleep: its wake-ups. Preemptions by a busy machine's
    // other work are counted apart.
    long sleeps = 0;
    long preemptions = 0;
};

// The queue's thread, found by the name its label gives it.
QString signalThreadFolder()
{
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString &task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile comm(tasks.filePath(task + QStringLiteral("/comm")));
        if (comm.open(QIODevice::ReadOnly) && comm.readAll().trimmed() == "meeting-signals")
            return tasks.filePath(task);
    }
    return {};
}

ThreadCost costOf(const QString &folder)
{
    ThreadCost cost;
    QFile schedstat(folder + QStringLiteral("/schedstat"));
    if (schedstat.open(QIODevice::ReadOnly))
        cost.cpuSeconds = schedstat.readAll().split(' ').value(0).toDouble() / 1e9;
    QFile status(folder + QStringLiteral("/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : status.readAll().split('\n')) {
            const long count = line.split(':').value(1).trimmed().toLong();
            if (line.startsWith("voluntary_ctxt_switches:"))
                cost.sleeps = count;
            else if (line.startsWith("nonvoluntary_ctxt_switches:"))
                cost.preemptions = count;
        }
    }
    return cost;
}

void sleepFor(double seconds)
{
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

} // namespace

int main(int argc, char **argv)
{
    setLogSink(nullptr);
    bool media = false;
    double window = 60.0;
    QByteArray procRoot = QByteArrayLiteral("/proc");
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "--media")
            media = true;
        else if (argument == "--proc" && i + 1 < argc)
            procRoot = argv[++i];
        else
            window = argument.toDouble();
    }
    EventQueue queue(QStringLiteral("local.lumenpause.meeting-signals"));
    LinuxMeetingSignalSource::Options options;
    options.x11Display = qgetenv("DISPLAY");
    options.procRoot = procRoot;
    LinuxMeetingSignalSource source(queue, options);
    {
        MeetingSignalMonitor monitor(queue, source);
        std::atomic<int> deliveries = 0;
        monitor.setOnSnapshot([&](const MeetingSignalSnapshot &, int) { ++deliveries; });
        monitor.setRunningApplicationsInterest(meetingRunningApplicationsInterest());
        monitor.setNothingWaitsOnTime(true);
        monitor.start(1, media);
        sleepFor(kWarmupSeconds);
        const QString thread = signalThreadFolder();
        if (thread.isEmpty()) {
            std::fprintf(stderr, "the signal thread was not found\n");
            return 2;
        }
        const ThreadCost before = costOf(thread);
        sleepFor(window);
        const ThreadCost after = costOf(thread);
        const double wakeups = double(after.sleeps - before.sleeps) / window;
        const long preemptions = after.preemptions - before.preemptions;
        const double cpu = 100.0 * (after.cpuSeconds - before.cpuSeconds) / window;
        const double wakeupGoal = media ? kWakeupGoalWithMedia : kWakeupGoal;
        std::printf("signal thread, %s, %.0f s: wakeups %.3f /s (goal <= %.2f: %s), "
                    "CPU %.4f %% (goal < %.2f %%: %s), %d snapshots, %ld preemptions\n",
                    media ? "with media signals" : "without media signals", window, wakeups,
                    wakeupGoal, wakeups <= wakeupGoal ? "met" : "missed", cpu, kCpuGoalPercent,
                    cpu < kCpuGoalPercent ? "met" : "missed", deliveries.load(), preemptions);
        monitor.stop();
        queue.shutdown(std::chrono::milliseconds(1000));
        return wakeups <= wakeupGoal && cpu < kCpuGoalPercent ? 0 : 1;
    }
}
