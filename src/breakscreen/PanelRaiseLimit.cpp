#include "breakscreen/PanelRaiseLimit.h"

#include "core/Clock.h"

PanelRaiseLimit::PanelRaiseLimit(const Clock &clock)
    : m_clock(clock)
{
}

PanelRaiseLimit::Answer PanelRaiseLimit::coveredBy(quint64 window)
{
    Contest &contest = m_contests[window];
    if (contest.yielded)
        return Answer::yielded;
    const QDateTime now = m_clock.now();
    const bool answered =
        contest.lastRaise.isValid() && contest.lastRaise.msecsTo(now) <= answeredWithinMs;
    contest.raises = answered ? contest.raises + 1 : 1;
    if (contest.raises > raisesPerContest) {
        contest.yielded = true;
        return Answer::yieldNow;
    }
    contest.lastRaise = now;
    return Answer::raise;
}

void PanelRaiseLimit::reset()
{
    m_contests.clear();
}
