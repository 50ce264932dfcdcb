#include "core/DeferredCall.h"

DeferredCall::DeferredCall(QObject *owner)
    : QObject(owner)
{
}

void DeferredCall::run(Clock &clock, double delaySeconds, QObject *owner, std::function<void()> work)
{
    auto *call = new DeferredCall(owner);
    call->m_handle = clock.schedule(delaySeconds, false, [call, work = std::move(work)] {
        // Deleted later, not here: the clock is still running this block.
        call->deleteLater();
        work();
    });
}
