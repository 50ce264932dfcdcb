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
    const qint64 now = m_clock.monotonicMs();
    const bool answered = contest.lastRaiseMs && now - *contest.lastRaiseMs <= answeredWithinMs;
    contest.raises = answered ? contest.raises + 1 : 1;
    if (contest.raises > raisesPerContest) {
        contest.yielded = true;
        return Answer::yieldNow;
    }
    contest.lastRaiseMs = now;
    return Answer::raise;
}

void PanelRaiseLimit::reset()
{
    m_contests.clear();
}
