#pragma once

#include <QtGlobal>

#include <algorithm>

// Integration tests run on the real clock of a machine that may be busy with other work, and
// under the sanitizers: what the application promises to do within some time, they hold it to
// that time and half as much again, and never less than five seconds more. Each such bound is
// measured from the moment that starts the count as the application logged it, and the exact
// figure is held by the logic's unit test on the fake clock.
constexpr qint64 withLoadAllowanceMs(qint64 promisedMs)
{
    return promisedMs + std::max<qint64>(promisedMs / 2, 5000);
}
