#pragma once

#include <QString>

// Whether the process can hold as many threads as the application will, asked at launch
// before the toolkit starts one. Qt starts its X event reader and its D-Bus connection thread
// where a failure cannot be seen from outside, and then waits for them for ever; near the
// account's limit of processes, or under a cap on address space, the application says so and
// ends instead.
class ThreadHeadroomProbe
{
public:
    // Starts `threads` threads and holds each until all are up, then ends them all and waits,
    // for a bounded time, until the kernel no longer counts them against the account.
    static bool canHold(int threads);
    // What the user is told when it cannot.
    static QString missingThreadsMessage(int threads);

    // How long an ended thread may take to be released before the launch goes on regardless.
    static constexpr int releaseTimeoutMs = 1000;

private:
    static void waitUntilReleased(int countBefore);
};
