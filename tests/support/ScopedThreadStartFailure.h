#pragma once

#include <pthread.h>

// While it lives, no new thread of this process can start, as near the account's limit of
// processes: each would ask for a stack larger than the whole address space. Threads already
// running are untouched.
class ScopedThreadStartFailure
{
public:
    ScopedThreadStartFailure();
    ~ScopedThreadStartFailure();
    ScopedThreadStartFailure(const ScopedThreadStartFailure &) = delete;
    ScopedThreadStartFailure &operator=(const ScopedThreadStartFailure &) = delete;

    // False when the default for new threads could not be changed.
    bool isActive() const { return m_active; }

private:
    pthread_attr_t m_saved{};
    bool m_haveSaved = false;
    bool m_active = false;
};
