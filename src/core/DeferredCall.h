#pragma once

#include "core/Clock.h"

#include <QObject>

#include <functional>

// Work run once after a delay on a Clock, held by an object that outlives whoever asked for
// it: a hand-over that must still happen after the view that scheduled it has gone. It is
// dropped unheard only when its owner is destroyed first, and frees itself after running.
class DeferredCall : public QObject
{
    Q_OBJECT

public:
    static void run(Clock &clock, double delaySeconds, QObject *owner, std::function<void()> work);

private:
    DeferredCall(QObject *owner);

    CancellableHandle m_handle;
};
