#include "support/WellnessRig.h"

#include <QCoreApplication>

namespace {

// A snapshot reaches the main thread, and its evaluation comes back to it: two hops.
constexpr int mainThreadHops = 2;

} // namespace

WellnessRig::WellnessRig(const QVariantMap &stored)
    : BreakSchedulerRig(stored)
{
}

void WellnessRig::startRuntime()
{
    scheduler.start();
    wellness.startRuntime();
}

void WellnessRig::deliver(const MeetingSignalSnapshot &snapshot)
{
    activitySignals.deliver(snapshot);
    runMainThreadWork();
}

void WellnessRig::deliverEverySecond(const MeetingSignalSnapshot &snapshot, int seconds)
{
    for (int second = 0; second < seconds; ++second) {
        clock.advance(1);
        deliver(snapshot);
    }
}

// Each round dispatches only what was queued before it began.
void WellnessRig::deliverHoldingResult(const MeetingSignalSnapshot &snapshot)
{
    activitySignals.deliver(snapshot);
    QCoreApplication::sendPostedEvents();
}

void WellnessRig::runMainThreadWork()
{
    for (int hop = 0; hop < mainThreadHops; ++hop)
        QCoreApplication::sendPostedEvents();
}

QStringList WellnessRig::events(const QString &category, const QString &event) const
{
    QStringList lines;
    for (const QString &line : log.messages(category)) {
        if (line == event || line.startsWith(event + QLatin1String(" | ")))
            lines.append(line);
    }
    return lines;
}
