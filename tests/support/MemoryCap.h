#pragma once

#include <QtGlobal>

// A test whose fault would be runaway memory runs under a cap of its own, so that the fault
// fails that test, not the machine: the test runs again, alone, in a child process of the
// test program, and there it may take no more than `megabytes` beyond what the process held
// when it began. Past that, allocations fail (or, where the sanitizers reserve the address
// space up front, a watchdog ends the child) and the test fails with the child's output.
//
// The first statement of such a test:
//   LUMENPAUSE_UNDER_MEMORY_CAP(512);
#define LUMENPAUSE_UNDER_MEMORY_CAP(megabytes)                                                   \
    do {                                                                                         \
        if (!MemoryCap::runsHere(megabytes))                                                     \
            return;                                                                              \
    } while (false)

class MemoryCap
{
public:
    // In the capped child: applies the cap and answers true, the test goes on. Elsewhere:
    // runs the current test in such a child, reports its outcome, and answers false.
    static bool runsHere(qint64 megabytes);

private:
    static void applyCap(qint64 bytes);
    static void runInChild(const char *testName);
};
