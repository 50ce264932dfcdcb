#pragma once

#include <QtGlobal>

#include <variant>

// How a break ended, as the break screen reports it once its panels have closed.
struct BreakDismissalOutcome
{
    // The break ran out, or the user ended it early in its last stretch. With
    // waitForActivity the next interval starts only once the user is back at the machine.
    struct Completed
    {
        qint64 elapsedSeconds = 0;
        bool endedEarly = false;
        bool waitForActivity = false;
    };
    struct Snoozed
    {
        qint64 delaySeconds = 0;
    };
    struct Skipped
    {
    };
    // The break ended for another reason than the user's choice.
    struct Interrupted
    {
    };

    static BreakDismissalOutcome completed(qint64 elapsedSeconds, bool endedEarly,
                                           bool waitForActivity)
    {
        return {Completed{elapsedSeconds, endedEarly, waitForActivity}};
    }
    static BreakDismissalOutcome snoozed(qint64 delaySeconds) { return {Snoozed{delaySeconds}}; }
    static BreakDismissalOutcome skipped() { return {Skipped{}}; }
    static BreakDismissalOutcome interrupted() { return {Interrupted{}}; }

    std::variant<Completed, Snoozed, Skipped, Interrupted> value;
};
