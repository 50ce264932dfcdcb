#pragma once

#include "core/Cancellable.h"

#include <QObject>

#include <functional>

class Clock;

// Work run once a burst of calls has settled, on the injected Clock: each call() restarts
// the wait, and the work runs one delay after the last call. Pending work is never lost:
// flush() runs it at once, destruction runs it, and so do the settings window when it hides
// (for the debouncers under it) and the termination path, before the settings store writes
// its file for the last time (flushAll()). Main thread only.
class Debouncer : public QObject
{
    Q_OBJECT

public:
    Debouncer(Clock &clock, double delaySeconds, std::function<void()> work,
              QObject *parent = nullptr);
    ~Debouncer() override;

    void call();
    // Runs the pending work now; without any, does nothing.
    void flush();
    bool isPending() const { return m_pending != nullptr; }

    // Flushes every debouncer of the process.
    static void flushAll();
    // Flushes the debouncers in the object tree under `root`.
    static void flushUnder(const QObject *root);

private:
    Clock &m_clock;
    double m_delaySeconds;
    std::function<void()> m_work;
    CancellableHandle m_pending;
};
