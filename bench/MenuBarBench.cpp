#include "BenchSupport.h"
#include "menubar/StatusIconRenderer.h"
#include "support/MenuBarRig.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

// The tray's refresh runs every second for as long as the application does. One second of it
// is the break timer's tick, the tray's refresh and the host fetching the icon at the sizes it
// wants: an XEmbed tray paints one size, a StatusNotifierItem host takes every size offered.
// Tick and refresh are run directly so that the fake clock's own bookkeeping stays out of the
// measurement. The interval is long enough that no break falls due while measuring; subtract
// schedulerTick (lumenpause_bench) for the tray's share.
void traySecond(benchmark::State &state, const QString &timerStyle, const QList<int> &hostSizes)
{
    MenuBarRig rig(withLongInterval({{"menuBarTimerStyle", timerStyle}}));
    rig.timer.scheduler.start();
    rig.controller.installStatusItem();
    const QList<FakeClock::ScheduledBlock> &blocks = rig.timer.clock.scheduledBlocks();
    if (blocks.size() != 2) {
        state.SkipWithError("expected the timer's tick and the tray's refresh");
        return;
    }
    const std::function<void()> timerTick = blocks[0].block;
    const std::function<void()> trayRefresh = blocks[1].block;
    for (auto _ : state) {
        timerTick();
        trayRefresh();
        for (int side : hostSizes)
            benchmark::DoNotOptimize(rig.item()->icon().pixmap(QSize(side, side)));
    }
}

const QList<int> xembedTray = {24};

// The default style: the icon changes once a minute, the tool tip every second.
void roundedTraySecond(benchmark::State &state)
{
    traySecond(state, QStringLiteral("rounded"), xembedTray);
}
BENCHMARK(roundedTraySecond);

// Minutes and seconds: a new icon every second.
void exactTraySecond(benchmark::State &state)
{
    traySecond(state, QStringLiteral("exact"), xembedTray);
}
BENCHMARK(exactTraySecond);

void exactTraySecondOnTheBus(benchmark::State &state)
{
    traySecond(state, QStringLiteral("exact"), StatusIconRenderer::iconSizes());
}
BENCHMARK(exactTraySecondOnTheBus);

// One icon of the exact style, every size the tray may ask for, drawn afresh.
void exactIcon(benchmark::State &state)
{
    int second = 0;
    for (auto _ : state) {
        const QString title = QStringLiteral("%1:%2").arg(19 - second / 60 % 20).arg(
            59 - second % 60, 2, 10, QLatin1Char('0'));
        for (int side : StatusIconRenderer::iconSizes())
            benchmark::DoNotOptimize(StatusIconRenderer::render({"camera.macro", title, false}, side));
        ++second;
    }
}
BENCHMARK(exactIcon);

} // namespace

int main(int argc, char **argv)
{
    readZoneFileOnce();
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return runBenchmarks(argc, argv);
}
