#pragma once

// Whether this process can start a thread at this moment: near the user's limit of
// processes, or under a cap on its address space, it cannot. For code about to hand work to a
// library that starts a thread of its own on first use and, when it cannot, waits for it for
// ever.
class ThreadProbe
{
public:
    static bool canStartThread();
};
