#pragma once

#include <QHash>

#include <optional>

class Clock;

// Whether the break panels go back over a window that came above them. A window that is
// back over them right after each raise, several times running, keeps its place for the
// rest of the break: a screen locker nobody told us of, or another program that keeps itself
// on top, would otherwise be raised over by both sides without end.
class PanelRaiseLimit
{
public:
    enum class Answer {
        raise,
        // This window has won; say so once.
        yieldNow,
        yielded,
    };

    // Raises answered at once, within this, count as one contest.
    static constexpr qint64 answeredWithinMs = 1000;
    static constexpr int raisesPerContest = 3;

    explicit PanelRaiseLimit(const Clock &clock);

    // Counts the raise it allows.
    Answer coveredBy(quint64 window);
    // Every break starts with no contest lost.
    void reset();

private:
    struct Contest
    {
        std::optional<qint64> lastRaiseMs; // on the clock's monotonic reading
        int raises = 0;
        bool yielded = false;
    };

    const Clock &m_clock;
    QHash<quint64, Contest> m_contests;
};
