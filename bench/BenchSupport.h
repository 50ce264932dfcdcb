#pragma once

#include <QVariantMap>

#include <functional>

class FakeClock;

namespace benchmark {
class State;
}

// Stored settings with a work interval so long that no break falls due while measuring,
// plus whatever else a benchmark stores.
QVariantMap withLongInterval(QVariantMap stored = {});

// The one repeating block a timer just started has scheduled on its fake clock; empty, with
// the benchmark marked as failed, when there is not exactly one. Running the block directly
// keeps the fake clock's own bookkeeping out of what is measured.
std::function<void()> onlyScheduledBlock(const FakeClock &clock, benchmark::State &state);

// The benchmarks' main() after the application object exists: quiet logging, then every
// benchmark the command line selects. Call readZoneFileOnce() before creating the application.
int runBenchmarks(int argc, char **argv);

// Without TZ the C library looks at the zone file again on every local-time conversion,
// which would swamp what is measured; this keeps the same zone, read once.
void readZoneFileOnce();
