#include "BenchSupport.h"

#include "core/Logger.h"
#include "support/FakeClock.h"

#include <benchmark/benchmark.h>

QVariantMap withLongInterval(QVariantMap stored)
{
    stored.insert(QStringLiteral("useCustomInterval"), true);
    stored.insert(QStringLiteral("customHours"), QVariant::fromValue(qint64(100000)));
    return stored;
}

std::function<void()> onlyScheduledBlock(const FakeClock &clock, benchmark::State &state)
{
    if (clock.scheduledBlocks().size() != 1) {
        state.SkipWithError("the timer scheduled no tick");
        return {};
    }
    return clock.scheduledBlocks().constFirst().block;
}

int runBenchmarks(int argc, char **argv)
{
    setLogSink(nullptr);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

void readZoneFileOnce()
{
    if (!qEnvironmentVariableIsSet("TZ"))
        qputenv("TZ", ":/etc/localtime");
}
