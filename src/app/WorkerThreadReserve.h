#pragma once

class QThreadPool;

// Qt hands the pixel work of large pictures and large fills (smooth scaling, format
// conversions, painting a big shape) to its global thread pool, and the main thread waits for
// it. The pool starts a thread when it first needs one, and a process that cannot start a
// thread at that moment (near the user's limit of processes, or under a cap on its address
// space) leaves the pool holding work that never runs: the main thread waits for good, a break
// never shows, and not even SIGTERM gets through. So the pool's threads are started once, at
// launch, and kept for the life of the process, and the pool is held to them: it never needs
// to start another.
class WorkerThreadReserve
{
public:
    // Enough for the splitting Qt does; more would only idle.
    static constexpr int maxThreads = 4;
    // How long the threads wait for each other at launch before giving up on the missing.
    static constexpr int gatherTimeoutMs = 5000;

    // How many it keeps: one a core, up to maxThreads.
    static int threadCount();

    // Starts the threads of `pool` and returns at once. When not all can be started, one
    // WARN says how many could, and the pool keeps those.
    static void keep(QThreadPool &pool);
};
