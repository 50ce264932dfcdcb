#include "scheduling/PlannedBreakScheduler.h"

PlannedBreakScheduler::PlannedBreakScheduler(QObject *parent)
    : QObject(parent)
{
}

PlannedBreakScheduler &PlannedBreakScheduler::shared()
{
    static PlannedBreakScheduler *scheduler = new PlannedBreakScheduler;
    return *scheduler;
}

void PlannedBreakScheduler::start()
{
    m_isStarted = true;
}

void PlannedBreakScheduler::stop()
{
    m_isStarted = false;
}

void PlannedBreakScheduler::evaluate()
{
}

void PlannedBreakScheduler::suspend(PauseReason reason)
{
    m_suspensionReasons.insert(reason);
}

void PlannedBreakScheduler::resume(PauseReason reason)
{
    m_suspensionReasons.remove(reason);
    if (m_suspensionReasons.isEmpty())
        QMetaObject::invokeMethod(this, &PlannedBreakScheduler::evaluate, Qt::QueuedConnection);
}
